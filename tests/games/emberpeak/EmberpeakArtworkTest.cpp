// The Emberpeak cabinet script draws the places the engine draws over and takes
// presses on; its numbers must be the engine's and the game's.
#include "engine/display/MachineLayout.h"
#include "games/emberpeak/EmberpeakGame.h"
#include "games/emberpeak/NudgeButtons.h"
#include "games/emberpeak/NudgeCount.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <optional>

using namespace slotmachine;

namespace {

// The rectangle written in the script as `<name> = (l, t, r, b)` or `"<name>": (l, t, r, b)`.
std::optional<DesignRect> scriptRect(const QString& script, const QString& name) {
    const QRegularExpression pattern(
        QStringLiteral("\"?%1\"?\\s*[=:]\\s*\\((\\d+),\\s*(\\d+),\\s*(\\d+),\\s*(\\d+)\\)")
            .arg(QRegularExpression::escape(name)));
    const auto match = pattern.match(script);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return DesignRect{match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt(),
                      match.captured(4).toInt()};
}

} // namespace

TEST(EmberpeakArtwork, TheCabinetScriptUsesTheEnginesPlaces) {
    QFile file(QStringLiteral(SLOTS_SOURCE_DIR "/tools/artwork/emberpeak-cabinet/cabinet.py"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QString script = QString::fromUtf8(file.readAll());
    const std::pair<const char*, DesignRect> places[] = {
        {"TITLE_GLASS", emberpeak::emberpeakValues().titleGlass},
        {"COIN_SIGN", CoinSignPlace},
        {"spin", SpinButtonPlace},
        {"bet1", BetOneButtonPlace},
        {"bet5", BetFiveButtonPlace},
        {"TITLE_STRIP", TitleStripPlace},
        // The nudge keys above the three reels and the box the count is written in.
        {"nudge0", emberpeak::NudgeButtonPlaces[0]},
        {"nudge1", emberpeak::NudgeButtonPlaces[1]},
        {"nudge2", emberpeak::NudgeButtonPlaces[2]},
        {"NUDGE_COUNT", emberpeak::NudgeCountPlace},
    };
    for (const auto& [name, place] : places) {
        const auto drawn = scriptRect(script, QLatin1String(name));
        ASSERT_TRUE(drawn) << name;
        EXPECT_EQ(*drawn, place) << name;
    }
}
