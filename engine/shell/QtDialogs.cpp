#include "engine/shell/QtDialogs.h"

#include "engine/shell/WindowFinish.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <cstdio>

namespace slotmachine {

namespace {

void printMessage(const QString& title, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", title.toLocal8Bit().constData(), text.toLocal8Bit().constData());
}

} // namespace

void QtDialogs::information(const QString& text) {
    if (unattended_) {
        printMessage(title_, text);
        return;
    }
    QMessageBox::information(parent_, title_, text);
}

void QtDialogs::plain(const QString& text) {
    if (unattended_) {
        printMessage(title_, text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title_, text, QMessageBox::Ok, parent_);
    box.exec();
}

void QtDialogs::error(const QString& text) {
    if (unattended_) {
        printMessage(title_, text);
        return;
    }
    QMessageBox::critical(parent_, title_, text);
}

std::optional<QString> QtDialogs::textInput(const QString& title, const QString& prompt, const QString& value) {
    if (unattended_) {
        return std::nullopt;
    }
    QInputDialog box(parent_);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(value);
    keepCaptionWhole(box);
    if (box.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return box.textValue();
}

} // namespace slotmachine
