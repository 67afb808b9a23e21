// The player's settings file: what it reads back, and that a damaged or absurd value
// reads as the fallback.
#include "engine/shell/PlayerSettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace slotmachine;

TEST(PlayerSettings, ChoicesReadBackAndDamagedOrAbsurdValuesReadAsTheFallback) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("synthetic-slots-settings.ini"));
    PlayerSettings settings(path);
    EXPECT_TRUE(settings.flag(QStringLiteral("QuickSpin"), true)) << "a fresh file";
    settings.setFlag(QStringLiteral("QuickSpin"), false);
    settings.setNumber(QStringLiteral("Autoplay/Spins"), 25);
    EXPECT_FALSE(PlayerSettings(path).flag(QStringLiteral("QuickSpin"), true));
    EXPECT_EQ(PlayerSettings(path).number(QStringLiteral("Autoplay/Spins"), 10, 100), 25);
    settings.setNumber(QStringLiteral("Autoplay/Spins"), std::nullopt);
    EXPECT_EQ(settings.number(QStringLiteral("Autoplay/Spins"), 10, 100), std::nullopt);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[General]\nQuickSpin=perhaps\nCredits=99999999999999\n[Autoplay]\nSpins=7\n");
    file.close();
    EXPECT_TRUE(settings.flag(QStringLiteral("QuickSpin"), true));
    EXPECT_EQ(settings.number(QStringLiteral("Credits"), 0, 1000000), std::nullopt);
    EXPECT_EQ(settings.number(QStringLiteral("Autoplay/Spins"), 10, 100), std::nullopt);
}
