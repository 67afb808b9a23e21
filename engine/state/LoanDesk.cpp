#include "engine/state/LoanDesk.h"

#include "engine/core/ClampedMath.h"

#include <QCoreApplication>

namespace slotmachine {

LoanResult borrow(GameState& state, std::int32_t amount) {
    if (amount <= 0) {
        return {false, QCoreApplication::translate("LoanDesk", "There is nothing to borrow.")};
    }
    if (!sumFits(state.Credits, amount) || !sumFits(state.Borrowed, amount)) {
        return {false, QCoreApplication::translate(
                           "LoanDesk", "The machine cannot hold that many credits. Pay some back first!")};
    }
    state.Credits += amount;
    state.Borrowed += amount;
    return {true, {}};
}

LoanResult payBack(GameState& state, std::int32_t amount) {
    if (amount <= 0) {
        return {false, QCoreApplication::translate("LoanDesk", "There is nothing to pay back.")};
    }
    if (amount > state.Credits) {
        return {false, QCoreApplication::translate("LoanDesk", "You do not have %1 credits!")
                           .arg(static_cast<double>(amount), 7, 'f', 2)};
    }
    if (amount > state.Borrowed) {
        return {false, QCoreApplication::translate(
                           "LoanDesk", "You cannot pay back more credits than you have borrowed!")};
    }
    state.Credits -= amount;
    state.Borrowed -= amount;
    return {true, {}};
}

} // namespace slotmachine
