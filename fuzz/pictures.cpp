// Pictures beside the program: any bytes as a replacement machine picture, as the
// symbol sheet and as a bonus game picture, loaded as the window and the bonus game
// load them. Promises checked: no crash or sanitizer report; a file that is read is
// ready to draw (32-bit), one that is not leaves the built-in picture in place.
#include "engine/bonus/BonusPictures.h"
#include "engine/core/Dialogs.h"
#include "engine/display/PictureChecks.h"
#include "fuzz/FuzzFolder.h"

#include <QFile>
#include <QGuiApplication>
#include <QFileInfo>
#include <QImageReader>
#include <cstdint>
#include <initializer_list>
#include <cstdlib>

using namespace slotmachine;
using namespace slotmachine::fuzz;

namespace {

class SilentDialogs final : public Dialogs {
public:
    void information(const QString&) override {}
    void plain(const QString&) override {}
    void error(const QString&) override {}
};

// The one input file, under every name the games look for.
const QString Input = QStringLiteral("tester.bmp");

// The built-in picture each loader starts from. Whether a loader replaced it is told by
// the image's identity, not its pixels: an input may well decode to the same 2×2 magenta.
QImage marker() {
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    return image;
}

bool replaced(const QImage& image, const QImage& builtIn) { return image.cacheKey() != builtIn.cacheKey(); }

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    (void)QImageReader::supportedImageFormats(); // loads the format plugins once, not inside an input
    // Pictures that claim hundreds of megabytes cost the run its speed and show
    // nothing that a small one does not: the game's own limit is Qt's default.
    QImageReader::setAllocationLimit(16);
    writeInput(Input, QByteArray());
    for (const char* link : {"Orev.bmp", "bonus1.bmp"}) {
        if (!QFile::link(fuzzFolder().filePath(Input), fuzzFolder().filePath(QLatin1String(link))) &&
            !QFileInfo::exists(fuzzFolder().filePath(QLatin1String(link)))) {
            fail("cannot link the input file");
        }
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    writeInput(Input, QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));

    const QImage builtInPicture = marker();
    MachinePictures builtIn;
    builtIn.MachineBackground = builtInPicture;
    SilentDialogs dialogs;
    const std::optional<MachinePictures> machine =
        prepareMachinePictures(builtIn, fuzzFolder(), QStringLiteral("Orev"), 32, dialogs);
    BonusPictures bonus;
    bonus.Board = builtInPicture;
    loadBonusOverrides(bonus, fuzzFolder());

    // The symbol sheet is taken exactly when the file is a picture.
    const bool picture = machine.has_value();
    if (picture != replaced(bonus.Board, builtInPicture) || (picture && !replaced(machine->MachineBackground, builtInPicture))) {
        fail("one loader took the file as a picture and another did not");
    }
    for (const QImage* loaded : std::initializer_list<const QImage*>{machine ? &machine->MachineBackground : nullptr, machine ? &machine->SymbolSheet : nullptr,
                                 &bonus.Board}) {
        if (loaded != nullptr && loaded->format() != QImage::Format_RGB32) {
            fail("a picture is not ready to draw");
        }
    }
    return 0;
}
