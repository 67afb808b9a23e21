#include "engine/shell/QtDialogs.h"

#include <QMessageBox>

namespace slotmachine {

void QtDialogs::information(const QString& text) {
    QMessageBox::information(parent_, title_, text);
}

void QtDialogs::plain(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title_, text, QMessageBox::Ok, parent_);
    box.exec();
}

void QtDialogs::error(const QString& text) {
    QMessageBox::critical(parent_, title_, text);
}

} // namespace slotmachine
