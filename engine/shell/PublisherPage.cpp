#include "engine/shell/PublisherPage.h"

#include "engine/core/Dialogs.h"
#include "engine/shell/StartupValues.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace slotmachine {

void openPublisherPage(const StartupValues& values, Dialogs& dialogs) {
    const QString address = QStringLiteral(SLOTS_PUBLISHER_PAGE);
    QUrl url(address);
    if (url.isRelative()) {
        const QString path = QDir(values.ProgramDir).filePath(address);
        if (!QFileInfo::exists(path)) {
            dialogs.error(QCoreApplication::translate("PublisherPage", "The publisher's page (%1) could not be found.").arg(path));
            return;
        }
        url = QUrl::fromLocalFile(path);
    }
    if (!QDesktopServices::openUrl(url)) {
        dialogs.error(QCoreApplication::translate("PublisherPage", "Could not find a web browser on your system!"));
        dialogs.information(QCoreApplication::translate("PublisherPage", "Please visit Brightplay, the makers of this game, at\n%1")
                                .arg(url.toDisplayString()));
    }
}

} // namespace slotmachine
