#include "tools/assets/paychart/ChartExtras.h"

namespace slotmachine::paychart {

const ChartExtras* chartExtras(std::string_view gameName) {
    if (gameName == "orevein") {
        return &oreveinExtras();
    }
    return nullptr;
}

} // namespace slotmachine::paychart
