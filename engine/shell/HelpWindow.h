#pragma once

#include "engine/core/HelpViewer.h"

#include <QPointer>
#include <QString>
#include <QUrl>

class QTextBrowser;
class QWidget;

namespace slotmachine {

class Dialogs;

// The manual in `language` beside the English one at `manualPath`
// ("orevein-slots.de.html" beside "orevein-slots.html") when there is one, else the
// English manual.
QString manualInLanguage(const QString& manualPath, const QString& language);

// The program's help viewer: the game's HTML manual in a window of its own, each
// topic an anchor named by its number; the manual in the player's language
// (playerLanguage()) where the program has one. The window is created on first use,
// then reused and raised; it is not modal, so the player can read and play at once.
class HelpWindow final : public HelpViewer {
public:
    HelpWindow(QString manualPath, QString title, Dialogs& dialogs, QWidget* parent = nullptr);
    ~HelpWindow() override;
    HelpWindow(const HelpWindow&) = delete;
    HelpWindow& operator=(const HelpWindow&) = delete;

    void showContents() override;
    void showTopic(int topic) override;

    // The window and its browser, or nullptr before the first use.
    QWidget* window() const { return window_; }
    QTextBrowser* browser() const { return browser_; }

private:
    // Shows `address` (the manual, perhaps with a topic's anchor); false, after
    // telling the player, when the manual cannot be read.
    bool show(const QUrl& address);
    void createWindow();
    void followLink(const QUrl& link);
    void keepUsableOverModalWindow();

    QString manualPath_;
    QString title_;
    Dialogs& dialogs_;
    QPointer<QWidget> parent_;
    QPointer<QWidget> window_;
    QPointer<QTextBrowser> browser_;
};

} // namespace slotmachine
