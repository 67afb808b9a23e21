#include "engine/shell/DisplayCheck.h"

#include <QtGlobal>

namespace slotmachine {

QString missingDisplayMessage(const QString& gameTitle) {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        return {};
    }
    return gameTitle + QStringLiteral(" needs a desktop to open its window, but no display was found "
                                      "(neither DISPLAY nor WAYLAND_DISPLAY is set). Start it from a "
                                      "desktop session, or under a virtual display such as xvfb-run.");
}

} // namespace slotmachine
