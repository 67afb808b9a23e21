// The cabinet artwork script draws the places the engine draws over and takes
// presses on; its numbers must be the engine's.
#include "engine/display/MachineLayout.h"
#include "games/orevein/OreveinGame.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace slotmachine;

namespace {

QString sourceRoot() {
    return QStringLiteral(SLOTS_SOURCE_DIR);
}

// The rectangle written in the script as `<name> = (l, t, r, b)` or `"<name>": (l, t, r, b)`.
std::optional<DesignRect> scriptRect(const QString& script, const QString& name) {
    const QRegularExpression pattern(QStringLiteral("\"?%1\"?\\s*[=:]\\s*\\((\\d+),\\s*(\\d+),\\s*(\\d+),\\s*(\\d+)\\)")
                                         .arg(QRegularExpression::escape(name)));
    const auto match = pattern.match(script);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return DesignRect{match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt(),
                      match.captured(4).toInt()};
}

} // namespace

TEST(OreveinArtwork, TheCabinetScriptUsesTheEnginesPlaces) {
    QFile file(sourceRoot() + QStringLiteral("/tools/artwork/orevein-cabinet/machine.py"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QString script = QString::fromUtf8(file.readAll());
    const std::pair<const char*, DesignRect> places[] = {
        {"TITLE_GLASS", orevein::oreveinValues().titleGlass},
        {"COIN_SIGN", CoinSignPlace},
        {"BONUS_BOX", BonusMeterBox},
        {"spin", SpinButtonPlace},
        {"bet1", BetOneButtonPlace},
        {"bet5", BetFiveButtonPlace},
        {"TITLE_STRIP", TitleStripPlace},
    };
    for (const auto& [name, place] : places) {
        const auto drawn = scriptRect(script, QLatin1String(name));
        ASSERT_TRUE(drawn) << name;
        EXPECT_EQ(*drawn, place) << name;
    }
}
