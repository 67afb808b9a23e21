#include "engine/core/Paytable.h"

#include <stdexcept>

namespace slotmachine {

Paytable::Paytable(std::span<const PayRule> rules) : rules_(rules.begin(), rules.end()) {
    if (rules_.size() > 127) {
        throw std::invalid_argument("a paytable holds at most 127 rules");
    }
    for (int c0 = 0; c0 < SymbolCodeCount; ++c0) {
        for (int c1 = 0; c1 < SymbolCodeCount; ++c1) {
            for (int c2 = 0; c2 < SymbolCodeCount; ++c2) {
                std::int8_t first = -1;
                for (std::size_t i = 0; i < rules_.size(); ++i) {
                    if (rules_[i].matches(c0, c1, c2)) {
                        first = static_cast<std::int8_t>(i);
                        break;
                    }
                }
                firstRule_[index(c0, c1, c2)] = first;
            }
        }
    }
}

} // namespace slotmachine
