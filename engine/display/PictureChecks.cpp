#include "engine/display/PictureChecks.h"

#include "engine/core/Dialogs.h"

namespace slotmachine {

std::optional<MachinePictures> prepareMachinePictures(MachinePictures pictures, const QDir& programDir,
                                                      const QString& prefix, int colourDepth, Dialogs& dialogs) {
    loadReplacementPictures(pictures, programDir);
    std::optional<QImage> sheet = loadSymbolSheet(programDir, prefix);
    if (colourDepth < 16) {
        dialogs.information(QStringLiteral("This program is optimized for at least 16-bit color.  The graphics "
                                           "may be distorted with your current display settings."));
    }
    if (!sheet) {
        dialogs.plain(QStringLiteral("Missing a file (") + prefix + QStringLiteral(".bmp).  Program will close."));
        dialogs.plain(QStringLiteral("There are BMP files missing which may cause this program to not function "
                                     "properly!"));
        return std::nullopt;
    }
    pictures.SymbolSheet = std::move(*sheet);
    return pictures;
}

} // namespace slotmachine
