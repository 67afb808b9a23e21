#include "games/orevein/OreveinSymbols.h"

#include <QtGlobal>
#include <iterator>
#include <stdexcept>
#include <string>

namespace slotmachine::orevein {

namespace {

constexpr MarkedPosition Marks[] = {
    // reel 0
    {0, 1, Mark::Up},
    {0, 7, Mark::Up},
    {0, 9, Mark::Up},
    {0, 29, Mark::Up},
    {0, 15, Mark::Down},
    {0, 19, Mark::Down},
    {0, 25, Mark::Down},
    {0, 21, Mark::Bonus},
    {0, 11, Mark::Clear},
    // reel 1
    {1, 3, Mark::Up},
    {1, 7, Mark::Up},
    {1, 19, Mark::Up},
    {1, 11, Mark::Down},
    {1, 23, Mark::Down},
    {1, 29, Mark::Down},
    {1, 5, Mark::Bonus},
    {1, 13, Mark::Bonus},
    {1, 25, Mark::Bonus},
    // reel 2
    {2, 7, Mark::Up},
    {2, 11, Mark::Up},
    {2, 17, Mark::Up},
    {2, 1, Mark::Down},
    {2, 21, Mark::Down},
    {2, 23, Mark::Down},
    {2, 25, Mark::Down},
    {2, 3, Mark::Bonus},
    {2, 27, Mark::Bonus},
    {2, 15, Mark::Clear},
};

int markedCell(Mark mark, int code, int reel, int position) {
    const bool minor = code >= Cart && code <= Pickaxe;
    switch (mark) {
    case Mark::Up:
        if (minor) {
            return FirstUpCell + code - Cart;
        }
        break;
    case Mark::Down:
        if (minor) {
            return FirstDownCell + code - Cart;
        }
        break;
    case Mark::Bonus:
        if (minor) {
            return FirstBonusCell + code - Cart;
        }
        break;
    case Mark::Clear:
        if (code == Nugget) {
            return ClearCell;
        }
        break;
    }
    throw std::logic_error("marked position " + std::to_string(position) + " of reel " +
                           std::to_string(reel) + " holds a symbol that cannot carry its mark");
}

} // namespace

std::string_view cellName(int cell) {
    // Each name whole, as a translator sees it; gameText() shows it in the player's language.
    static constexpr std::string_view Names[] = {
        QT_TRANSLATE_NOOP("GameText", "Nugget"),
        QT_TRANSLATE_NOOP("GameText", "Ingot"),
        QT_TRANSLATE_NOOP("GameText", "Ore Cart"),
        QT_TRANSLATE_NOOP("GameText", "Lantern"),
        QT_TRANSLATE_NOOP("GameText", "Pickaxe"),
        QT_TRANSLATE_NOOP("GameText", "Ore Cart with an Up arrow"),
        QT_TRANSLATE_NOOP("GameText", "Lantern with an Up arrow"),
        QT_TRANSLATE_NOOP("GameText", "Pickaxe with an Up arrow"),
        QT_TRANSLATE_NOOP("GameText", "Ore Cart with a Down arrow"),
        QT_TRANSLATE_NOOP("GameText", "Lantern with a Down arrow"),
        QT_TRANSLATE_NOOP("GameText", "Pickaxe with a Down arrow"),
        //: a symbol with a badge worth 3 bonus points
        QT_TRANSLATE_NOOP("GameText", "Ore Cart with a 3 star"),
        //: a symbol with a badge worth 2 bonus points
        QT_TRANSLATE_NOOP("GameText", "Lantern with a 2 star"),
        //: a symbol with a badge worth 1 bonus point
        QT_TRANSLATE_NOOP("GameText", "Pickaxe with a 1 star"),
        QT_TRANSLATE_NOOP("GameText", "Dynamite"),
        QT_TRANSLATE_NOOP("GameText", "Blank"),
    };
    static_assert(std::size(Names) == BlankCell + 1);
    return Names[static_cast<std::size_t>(cell >= 0 && cell <= BlankCell ? cell : BlankCell)];
}

std::span<const MarkedPosition> markedPositions() {
    return Marks;
}

CellTable buildCellTable(const std::array<std::string_view, ReelCount>& strips) {
    CellTable cells{};
    for (int reel = 0; reel < ReelCount; ++reel) {
        const std::string_view strip = strips[static_cast<std::size_t>(reel)];
        for (int position = 1; position <= StripLength; ++position) {
            const int code = strip[static_cast<std::size_t>(position - 1)] - '0';
            cells[static_cast<std::size_t>(reel)][static_cast<std::size_t>(position)] =
                static_cast<std::int8_t>(code == Blank ? BlankCell : code);
        }
    }
    for (const MarkedPosition& m : Marks) {
        const int code =
            strips[static_cast<std::size_t>(m.reel)][static_cast<std::size_t>(m.position - 1)] - '0';
        cells[static_cast<std::size_t>(m.reel)][static_cast<std::size_t>(m.position)] =
            static_cast<std::int8_t>(markedCell(m.mark, code, m.reel, m.position));
    }
    return cells;
}

} // namespace slotmachine::orevein
