#include "engine/shell/QtDialogs.h"

#include <QInputDialog>
#include <QLineEdit>
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

std::optional<QString> QtDialogs::textInput(const QString& title, const QString& prompt, const QString& value) {
    bool ok = false;
    QString text = QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, value, &ok);
    if (!ok) {
        return std::nullopt;
    }
    return text;
}

} // namespace slotmachine
