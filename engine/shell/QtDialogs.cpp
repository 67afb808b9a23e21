#include "engine/shell/QtDialogs.h"

#include <QMessageBox>

namespace slotmachine {

void QtDialogs::information(const QString& text) {
    QMessageBox::information(parent_, title_, text);
}

void QtDialogs::error(const QString& text) {
    QMessageBox::critical(parent_, title_, text);
}

} // namespace slotmachine
