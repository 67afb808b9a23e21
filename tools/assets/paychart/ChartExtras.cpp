#include "tools/assets/paychart/ChartExtras.h"

namespace slotmachine::paychart {

const ChartExtras* chartExtras(std::string_view gameName) {
    for (const GameChartExtras& entry : gameChartExtras()) {
        if (entry.game == gameName) {
            return &entry.extras();
        }
    }
    return nullptr;
}

} // namespace slotmachine::paychart
