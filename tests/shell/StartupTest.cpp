// What a program settles at start: its folder and names, the developer settings
// file, and the pictures with their replacement files and start-up checks.
#include "engine/display/MachineSurface.h"
#include "engine/display/PictureChecks.h"
#include "engine/shell/StartupValues.h"
#include "games/orevein/OreveinGame.h"
#include "tests/support/Recorders.h"
#include "tests/support/SyntheticPictures.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace {

struct Startup : ::testing::Test {
    QTemporaryDir dir;
    EventLog log;
    ScriptedDialogs dialogs{log};

    QString path(const QString& name) const { return dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void writePicture(const QString& name, const QImage& image) const { ASSERT_TRUE(image.save(path(name), "BMP")); }
    StartupValues valuesWithIni(const QByteArray& ini) {
        write(QStringLiteral("Testing.ini"), ini);
        StartupValues v = startupValuesFor(orevein::oreveinValues(), path(QStringLiteral("orevein-slots")));
        applyTestingIni(v);
        return v;
    }
};

} // namespace

TEST_F(Startup, NamesComeFromTheProgramFile) {
    const StartupValues v = startupValuesFor(orevein::oreveinValues(), path(QStringLiteral("orevein-slots")));
    EXPECT_EQ(v.ProgramDir, dir.path() + QStringLiteral("/"));
    EXPECT_EQ(v.ProgramBaseName, QStringLiteral("orevein-slots"));
    EXPECT_EQ(v.GameTitle, QStringLiteral("Orevein Slots"));
    EXPECT_EQ(v.SoundPrefix, QStringLiteral("Orev"));
    EXPECT_EQ(v.VersionText, QStringLiteral("2.0"));
    EXPECT_EQ(startupValuesFor(orevein::oreveinValues(), path(QStringLiteral("Orevein.exe"))).ProgramBaseName,
              QStringLiteral("Orevein"));
}

TEST_F(Startup, TestingIniRenamesTheGameAndItsFiles) {
    StartupValues v = valuesWithIni("[Settings]\nAboutName=My Slots\n");
    EXPECT_EQ(v.GameTitle, QStringLiteral("My Slots"));
    EXPECT_EQ(v.SoundPrefix, QStringLiteral("Orev")); // absent key: the default stays

    v = valuesWithIni("[settings]\nsoundroot=Test\naboutname=A title far longer than thirty characters\n");
    EXPECT_EQ(v.SoundPrefix, QStringLiteral("Test"));
    EXPECT_EQ(v.GameTitle, QStringLiteral("A title far longer than thirty"));

    // A file that is not a settings file changes nothing.
    v = valuesWithIni(QByteArray("\x00\xff\xfe garbage", 11));
    EXPECT_EQ(v.GameTitle, QStringLiteral("Orevein Slots"));
}

TEST_F(Startup, ReplacementPicturesAreFoundWithoutRegardToCase) {
    writePicture(QStringLiteral("TESTER.BMP"), filled(800, 600, Qt::red));
    writePicture(QStringLiteral("motionX.bmp"), cells(1, 8, 76, 76, motionColour));
    write(QStringLiteral("bet1but.bmp"), "this is not a picture");
    writePicture(QStringLiteral("Orev.bmp"), cells(4, 4, 76, 76, symbolColour));

    const auto pictures =
        prepareMachinePictures(syntheticPictures(), QDir(dir.path()), QStringLiteral("orev"), 24, dialogs);
    ASSERT_TRUE(pictures.has_value());
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(pictures->MachineBackground.pixelColor(10, 10), QColor(Qt::red));
    // An unreadable replacement keeps the built-in picture.
    EXPECT_EQ(pictures->BetOneButton.pixelColor(10, 100), litHalf());
    // A taller motion picture changes the strip height the animation runs on.
    GameState state;
    orevein::OreveinGame game;
    MachineSurface surface(state, game, *pictures, SurfaceScreen{1024, 96});
    EXPECT_EQ(surface.geometry().StripHeight, scaleUnit(1024, 608));
}

TEST_F(Startup, TheFilePrefixMayNameAFolder) {
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Art/Mine")));
    writePicture(QStringLiteral("Art/Mine/Ore.bmp"), cells(4, 4, 76, 76, symbolColour));
    EXPECT_TRUE(loadSymbolSheet(QDir(dir.path()), QStringLiteral("art/mine/ore")));
    EXPECT_TRUE(loadSymbolSheet(QDir(dir.filePath(QStringLiteral("Art"))), QStringLiteral("../Art/Mine/Ore")));
    EXPECT_FALSE(loadSymbolSheet(QDir(dir.path()), QStringLiteral("art/ore")));
}

TEST_F(Startup, AMissingSymbolSheetEndsTheProgramAfterTwoMessages) {
    const auto pictures = prepareMachinePictures(syntheticPictures(), QDir(dir.path()), QStringLiteral("Orev"), 8, dialogs);
    EXPECT_FALSE(pictures.has_value());
    EXPECT_EQ(log, (EventLog{"Message This program is optimized for at least 16-bit color.  The graphics may be "
                             "distorted with your current display settings.",
                             "Plain Missing a file (Orev.bmp).  Program will close.",
                             "Plain There are BMP files missing which may cause this program to not function "
                             "properly!"}));
}

TEST_F(Startup, AnUnreadableSymbolSheetCountsAsMissing) {
    write(QStringLiteral("Orev.bmp"), "BM but not really");
    EXPECT_FALSE(prepareMachinePictures(syntheticPictures(), QDir(dir.path()), QStringLiteral("Orev"), 24, dialogs));
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(Startup, ALowColourDepthIsOnlyAWarning) {
    writePicture(QStringLiteral("Orev.bmp"), cells(4, 4, 76, 76, symbolColour));
    EXPECT_TRUE(prepareMachinePictures(syntheticPictures(), QDir(dir.path()), QStringLiteral("Orev"), 8, dialogs));
    EXPECT_EQ(log.size(), 1u);
}
