#include "engine/display/PictureChecks.h"

#include "engine/core/Dialogs.h"

#include <QCoreApplication>

namespace slotmachine {

std::optional<MachinePictures> prepareMachinePictures(MachinePictures pictures, const QDir& programDir,
                                                      const QString& prefix, int colourDepth, Dialogs& dialogs) {
    loadReplacementPictures(pictures, programDir);
    std::optional<QImage> sheet = loadSymbolSheet(programDir, prefix);
    if (colourDepth < 16) {
        dialogs.information(QCoreApplication::translate(
            "PictureChecks", "This program is optimized for at least 16-bit color.  The "
                             "graphics may be distorted with your current display settings."));
    }
    if (!sheet) {
        dialogs.plain(
            QCoreApplication::translate("PictureChecks", "Missing a file (%1.bmp).  Program will close.")
                .arg(prefix));
        dialogs.plain(QCoreApplication::translate("PictureChecks",
                                                  "There are BMP files missing which may cause this "
                                                  "program to not function properly!"));
        return std::nullopt;
    }
    pictures.SymbolSheet = std::move(*sheet);
    return pictures;
}

} // namespace slotmachine
