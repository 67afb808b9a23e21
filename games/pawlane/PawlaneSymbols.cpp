#include "games/pawlane/PawlaneSymbols.h"

#include "games/pawlane/PawlaneGame.h"

namespace slotmachine::pawlane {

namespace {

constexpr MarkedStop Marks[] = {
    {0, 4, MarkEffect::Points, 2}, {0, 11, MarkEffect::Points, 1}, {0, 28, MarkEffect::Reset},
    {1, 5, MarkEffect::Points, 3}, {1, 12, MarkEffect::Hold},      {1, 18, MarkEffect::Points, 1},
    {2, 3, MarkEffect::Points, 1}, {2, 9, MarkEffect::Reset},      {2, 27, MarkEffect::Points, 2},
};

} // namespace

std::span<const MarkedStop> markedStops() {
    return Marks;
}

const MarkedStop* markedStopAt(int reel, int position) {
    for (const MarkedStop& mark : Marks) {
        if (mark.reel == reel && mark.position == position) {
            return &mark;
        }
    }
    return nullptr;
}

int symbolAt(int reel, int position) {
    return pawlaneValues().strips[static_cast<std::size_t>(reel)][static_cast<std::size_t>(position - 1)] -
           '0';
}

int cellAt(int reel, int position) {
    const int symbol = symbolAt(reel, position);
    return markedStopAt(reel, position) != nullptr ? symbol + MarkedCellOffset : symbol;
}

} // namespace slotmachine::pawlane
