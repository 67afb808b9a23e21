#include "engine/shell/MachineWindowPlacement.h"

#include "engine/core/ReelGeometry.h"

#include <QMainWindow>
#include <QMenuBar> // the menu's height
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace slotmachine {

int machineLayoutWidthOn(const QMainWindow& window, const QScreen& screen) {
    const QRect available = screen.availableGeometry();
    const int chrome =
        window.menuBar()->sizeHint().height() + window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const qreal ratio = screen.devicePixelRatio();
    const int width = layoutWidthFor(static_cast<int>((available.width() - 10) * ratio),
                                     static_cast<int>((available.height() - 10 - chrome) * ratio));
    return std::max(DesignWidth / 4, width);
}

void showMachineWindowCentred(QMainWindow& window, const QScreen& screen, QSize surfaceSize) {
    const QRect available = screen.availableGeometry();
    const QSizeF machine = QSizeF(surfaceSize) / screen.devicePixelRatio();
    window.resize(std::max(available.width() - 10, static_cast<int>(machine.width())),
                  std::max(available.height() - 10,
                           static_cast<int>(machine.height()) + window.menuBar()->sizeHint().height()));
    window.move(available.left() + (available.width() - window.frameGeometry().width()) / 2,
                available.top() + (available.height() - window.frameGeometry().height()) / 2);
    if (screen.logicalDotsPerInch() < 100) {
        window.showMaximized();
    } else {
        window.show();
    }
}

} // namespace slotmachine
