// The pay chart: the picture of each symbol, the rows made from the pay rules, the
// drawing and the command the build runs.
#include "tools/assets/paychart/Paychart.h"

#include "games/emberpeak/EmberpeakGame.h"
#include "games/orevein/OreveinGame.h"
#include "games/pawlane/PawlaneGame.h"
#include "tests/support/SyntheticPictures.h"
#include "tools/assets/paychart/PaychartRows.h"

#include <QImage>
#include <QTemporaryDir>
#include <cstdint>
#include <gtest/gtest.h>

namespace slotmachine::orevein {
// Orevein's pay chart panel (games/orevein/paychart/), as its docs program declares it.
const paychart::ChartExtras& oreveinChartExtras();
} // namespace slotmachine::orevein

// A namespace of its own: the unity build compiles this file together with others.
namespace paychart_test {

using namespace slotmachine;
using namespace slotmachine::paychart;

namespace {

// Orevein's strips and sheet cells with pay rules and a coin limit of a test's choosing.
class RuledGame final : public Game {
public:
    RuledGame(std::vector<PayRule> rules, std::int32_t coinLimit)
        : rules_(std::move(rules)), paytable_(rules_), values_(orevein::oreveinValues()) {
        values_.coinLimit = coinLimit;
    }

    const GameValues& values() const override { return values_; }
    const Paytable& paytable() const override { return paytable_; }
    int symbolNumber(int reel, int position) const override { return orevein_.symbolNumber(reel, position); }

private:
    std::vector<PayRule> rules_;
    Paytable paytable_;
    GameValues values_;
    orevein::OreveinGame orevein_;
};

std::vector<PayRule> oreveinRules() {
    const auto rules = orevein::oreveinPayRules();
    return {rules.begin(), rules.end()};
}

// Pixels of exactly this colour: a tile cut from a flat-coloured sheet cell keeps its
// colour in the middle, so each cell drawn leaves a patch of its own colour.
int pixelsOf(const QImage& image, QColor colour) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            count += rgb.pixelColor(x, y) == colour;
        }
    }
    return count;
}

// The sheet cell of each reel's picture in a row, -1 for the "any" mark.
std::vector<int> sheetCells(const ChartRow& row) {
    std::vector<int> cells;
    for (const ChartCell& cell : row.cells) {
        cells.push_back(cell.kind == ChartCell::Kind::AnyOther ? -1 : cell.sheetCell);
    }
    return cells;
}

QImage syntheticSheet(int rows = 4) {
    return slotmachine::testing::cells(4, rows, 76, 76, slotmachine::testing::symbolColour);
}

} // namespace

TEST(PaychartSymbols, EachOreveinCodeGetsItsPlainPicture) {
    const SymbolCells cells = symbolCells(orevein::OreveinGame());
    for (int code = orevein::Nugget; code <= orevein::Pickaxe; ++code) {
        EXPECT_EQ(cells[static_cast<std::size_t>(code)], code) << "code " << code;
    }
    EXPECT_EQ(cells[orevein::Blank], orevein::BlankCell);
    // Codes on no strip have no picture.
    for (const int code : {5, 6, 7, 8, NoSymbol}) {
        EXPECT_EQ(cells[static_cast<std::size_t>(code)], -1) << "code " << code;
    }
}

TEST(PaychartRows, OneRowPerRuleInOrderWithItsPayForEachCoin) {
    const orevein::OreveinGame game;
    const std::vector<ChartRow> rows = chartRows(game, symbolCells(game));
    const auto rules = game.paytable().rules();
    ASSERT_EQ(rows.size(), rules.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].description.toStdString(), rules[i].description);
        ASSERT_EQ(rows[i].pays.size(), 5u);
        for (std::size_t c = 0; c < 5; ++c) {
            EXPECT_EQ(rows[i].pays[c], rules[i].pay * static_cast<std::int32_t>(c + 1)) << "row " << i;
        }
    }
    EXPECT_EQ(rows[0].pays, (std::vector<std::int32_t>{1500, 3000, 4500, 6000, 7500}));
}

TEST(PaychartRows, PicturesShowWhatEachRuleMatches) {
    const orevein::OreveinGame game;
    const std::vector<ChartRow> rows = chartRows(game, symbolCells(game));
    EXPECT_EQ(sheetCells(rows[1]), (std::vector<int>{1, 1, 1})); // three ingots
    EXPECT_FALSE(rows[1].mixed);
    EXPECT_EQ(sheetCells(rows[2]), (std::vector<int>{0, 0, -1})); // two nuggets and any other
    EXPECT_EQ(sheetCells(rows[6]), (std::vector<int>{2, 3, 4}));  // any mix of cart, lantern, pickaxe
    EXPECT_TRUE(rows[6].mixed);
    EXPECT_EQ(sheetCells(rows[7]), (std::vector<int>{0, -1, -1})); // one nugget
}

TEST(PaychartRows, AWildShowsTheSymbolItStandsInForAndEverySymbolShowsTheMark) {
    const emberpeak::EmberpeakGame game;
    const std::vector<ChartRow> rows = chartRows(game, symbolCells(game));
    ASSERT_EQ(rows.size(), 10u);
    // Two 7s and a 7 or the wild: three 7s, with the wild named for the legend.
    EXPECT_EQ(sheetCells(rows[7]), (std::vector<int>{7, 7, 7}));
    EXPECT_FALSE(rows[7].mixed);
    EXPECT_EQ(rows[7].wildCell, 9);
    // The bet back: any symbol on the left and centre reels, the wild alone on the right.
    EXPECT_EQ(sheetCells(rows[9]), (std::vector<int>{-1, -1, 9}));
    EXPECT_EQ(rows[9].wildCell, -1);

    // Orevein's mix accepts a symbol on every reel that no other rule shares: no wild.
    // Pawlane's wild stands on every reel: each line row shows three of its animal.
    const pawlane::PawlaneGame pawlane;
    const std::vector<ChartRow> lines = chartRows(pawlane, symbolCells(pawlane));
    EXPECT_EQ(lines[0].wildCell, -1); // the wilds' own row
    for (std::size_t row = 1; row < lines.size(); ++row) {
        EXPECT_FALSE(lines[row].mixed) << row;
        EXPECT_EQ(lines[row].wildCell, 0) << row;
        for (const ChartCell& cell : lines[row].cells) {
            EXPECT_EQ(cell.code, static_cast<int>(row)) << row;
        }
    }

    const orevein::OreveinGame orevein;
    for (const ChartRow& row : chartRows(orevein, symbolCells(orevein))) {
        EXPECT_EQ(row.wildCell, -1) << row.description.toStdString();
    }
}

TEST(PaychartRows, FollowTheGamesOwnRulesAndCoinLimit) {
    const RuledGame game(
        {exactCount(orevein::Ingot, 3, 7, "Ingots"), eachReelIn(symbolSet({3, 4}), 1'000'000'000, "Mix")}, 3);
    const std::vector<ChartRow> rows = chartRows(game, symbolCells(game));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].pays, (std::vector<std::int32_t>{7, 14, 21}));
    // Clamped as the evaluation pays it, not wrapped around.
    EXPECT_EQ(rows[1].pays, (std::vector<std::int32_t>{1'000'000'000, 2'000'000'000, INT32_MAX}));
    EXPECT_TRUE(rows[1].mixed);

    const RuledGame unpictured({eachReelIn(symbolSet({6}), 5, "Sixes")}, 3);
    EXPECT_THROW(chartRows(unpictured, symbolCells(unpictured)), std::invalid_argument);
}

TEST(PaychartDrawing, FillsTheWindowsSizeWithEveryPictureItNeeds) {
    const orevein::OreveinGame game;
    QString error;
    const QImage chart = drawPaychart(game, syntheticSheet(), &orevein::oreveinChartExtras(), error);
    ASSERT_FALSE(chart.isNull()) << error.toStdString();
    EXPECT_EQ(chart.size(), QSize(632, 413));
    // The symbols of the rules and of Orevein's extras, cut from their own cells...
    for (const int cell : {0, 1, 2, 3, 4, 5, 8, 11, 12, 13, 14}) {
        EXPECT_GT(pixelsOf(chart, slotmachine::testing::symbolColour(cell)), 200) << "cell " << cell;
    }
    // ...and nothing else: the blank and the other variants appear in no row (a
    // stray pixel of the same colour may come from blending, a tile gives hundreds).
    for (const int cell : {6, 7, 9, 10, 15}) {
        EXPECT_LT(pixelsOf(chart, slotmachine::testing::symbolColour(cell)), 20) << "cell " << cell;
    }
}

TEST(PaychartDrawing, AChangedPaytableChangesTheChart) {
    QString error;
    const QImage sheet = syntheticSheet();
    const QImage original = drawPaychart(RuledGame(oreveinRules(), 5), sheet, nullptr, error);
    EXPECT_EQ(drawPaychart(RuledGame(oreveinRules(), 5), sheet, nullptr, error), original);

    std::vector<PayRule> changed = oreveinRules();
    changed[3].pay = 21;
    EXPECT_NE(drawPaychart(RuledGame(changed, 5), sheet, nullptr, error), original);
    EXPECT_NE(drawPaychart(RuledGame(oreveinRules(), 3), sheet, nullptr, error), original);
}

TEST(PaychartDrawing, RefusesWhatCannotBeDrawn) {
    QString error;
    // Two rows of cells: no Down, bonus or blank symbols.
    EXPECT_TRUE(drawPaychart(orevein::OreveinGame(), syntheticSheet(2), &orevein::oreveinChartExtras(), error)
                    .isNull());
    EXPECT_NE(error.indexOf(QStringLiteral("no cell 8")), -1) << error.toStdString();

    EXPECT_TRUE(drawPaychart(RuledGame(oreveinRules(), 0), syntheticSheet(), nullptr, error).isNull());
    EXPECT_NE(error.indexOf(QStringLiteral("coin limit")), -1) << error.toStdString();
}

TEST(PaychartCommand, WritesTheChartOrSaysWhyNot) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString sheet = dir.filePath(QStringLiteral("Orev.bmp"));
    ASSERT_TRUE(syntheticSheet().save(sheet));
    const QString out = dir.filePath(QStringLiteral("Paychart.bmp"));

    const orevein::OreveinGame game;
    const ChartExtras* extras = &orevein::oreveinChartExtras();

    EXPECT_EQ(runPaychartCommand(game, extras, {sheet, out}), 0);
    EXPECT_EQ(QImage(out).size(), QSize(632, 413));

    EXPECT_EQ(runPaychartCommand(game, extras, {dir.filePath(QStringLiteral("none.bmp")), out}), 1);
    EXPECT_EQ(runPaychartCommand(game, extras, {sheet}), 1);
    EXPECT_EQ(runPaychartCommand(game, extras, {sheet, dir.filePath(QStringLiteral("no/such/Paychart.bmp"))}),
              1);
}

} // namespace paychart_test
