#include "engine/shell/HelpWindow.h"

#include "engine/core/Dialogs.h"
#include "engine/display/WindowPlacement.h"
#include "engine/display/WindowScale.h"
#include "engine/shell/PlayerLanguage.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

namespace slotmachine {

namespace {

constexpr QSize DefaultSize(720, 640);

} // namespace

QString manualInLanguage(const QString& manualPath, const QString& language) {
    if (language.isEmpty() || !manualPath.endsWith(QLatin1String(".html"))) {
        return manualPath;
    }
    const QString translated = manualPath.chopped(5) + QStringLiteral(".%1.html").arg(language);
    return QFileInfo(translated).isFile() ? translated : manualPath;
}

HelpWindow::HelpWindow(QString manualPath, QString title, Dialogs& dialogs, QWidget* parent)
    : manualPath_(manualInLanguage(manualPath, playerLanguage())), title_(std::move(title)),
      dialogs_(dialogs), parent_(parent) {}

HelpWindow::~HelpWindow() {
    // Null when the parent has deleted it already.
    delete window_;
}

void HelpWindow::showContents() {
    show(QUrl::fromLocalFile(manualPath_));
}

void HelpWindow::showTopic(int topic) {
    QUrl address = QUrl::fromLocalFile(manualPath_);
    address.setFragment(QString::number(topic));
    show(address);
}

bool HelpWindow::show(const QUrl& address) {
    const QFileInfo manual(manualPath_);
    if (!manual.isFile()) {
        dialogs_.error(QCoreApplication::translate("HelpWindow", "The manual %1 could not be found.")
                           .arg(QDir::toNativeSeparators(manualPath_)));
        return false;
    }
    if (!manual.isReadable()) {
        dialogs_.error(QCoreApplication::translate("HelpWindow", "The manual %1 could not be read.")
                           .arg(QDir::toNativeSeparators(manualPath_)));
        return false;
    }
    if (window_ == nullptr) {
        createWindow();
    }
    // Shown before the page is set, so the anchor is found in the page as laid
    // out at the window's width.
    if (window_->isMinimized()) {
        window_->showNormal();
    } else {
        window_->show();
    }
    keepUsableOverModalWindow();
    window_->raise();
    window_->activateWindow();

    browser_->setSource(address);
    if (!address.hasFragment()) {
        browser_->verticalScrollBar()->setValue(0);
        browser_->horizontalScrollBar()->setValue(0);
    }
    return true;
}

void HelpWindow::createWindow() {
    window_ = new QWidget(parent_, Qt::Window);
    window_->setObjectName(QStringLiteral("HelpWindow")); // the finish's style sheet names it
    //: The help window's title; %1 is the game's name.
    window_->setWindowTitle(QCoreApplication::translate("HelpWindow", "%1 Help").arg(title_));

    QStyle* style = window_->style();
    auto* contents = new QPushButton(QCoreApplication::translate("HelpWindow", "&Contents"));
    auto* back = new QPushButton(style->standardIcon(QStyle::SP_ArrowBack),
                                 QCoreApplication::translate("HelpWindow", "&Back"));
    auto* forward = new QPushButton(style->standardIcon(QStyle::SP_ArrowForward),
                                    QCoreApplication::translate("HelpWindow", "&Forward"));
    back->setEnabled(false);
    forward->setEnabled(false);
    for (QPushButton* button : {contents, back, forward}) {
        button->setAutoDefault(false);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();

    browser_ = new QTextBrowser;
    // Links are followed here: pages of the manual in this window, anything
    // else in the desktop's browser, with a message when that fails.
    browser_->setOpenLinks(false);
    QObject::connect(browser_, &QTextBrowser::anchorClicked, window_,
                     [this](const QUrl& link) { followLink(link); });
    QObject::connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    QObject::connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    QObject::connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    QObject::connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    QObject::connect(contents, &QPushButton::clicked, window_, [this] { showContents(); });
    QObject::connect(new QShortcut(QKeySequence::Back, window_), &QShortcut::activated, browser_,
                     &QTextBrowser::backward);
    QObject::connect(new QShortcut(QKeySequence::Forward, window_), &QShortcut::activated, browser_,
                     &QTextBrowser::forward);
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_Escape), window_), &QShortcut::activated, window_,
                     &QWidget::close);

    auto* layout = new QVBoxLayout(window_);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    // On a small screen the window shrinks so that its frame fits too.
    placeOnScreen(*window_, scaledSize(DefaultSize));
}

void HelpWindow::followLink(const QUrl& link) {
    const QUrl target = browser_->source().resolved(link);
    if (target.isLocalFile() || target.scheme() == QLatin1String("qrc")) {
        browser_->setSource(target);
        return;
    }
    if (!QDesktopServices::openUrl(target)) {
        dialogs_.error(
            QCoreApplication::translate("HelpWindow", "No web browser could be started to show %1.")
                .arg(target.toString()));
    }
}

// A modal window blocks input to every other window, and the pay chart, which is
// modal, opens its topic here. As the modal window's transient the help window
// stays usable above it; it returns to its own parent when that window hides.
void HelpWindow::keepUsableOverModalWindow() {
    QWindow* own = window_->windowHandle();
    QWindow* modal = QGuiApplication::modalWindow();
    if (own == nullptr || modal == nullptr || modal == own ||
        modal->isAncestorOf(own, QWindow::IncludeTransients)) {
        return;
    }
    const QPointer<QWindow> previous = own->transientParent();
    own->setTransientParent(modal);
    QObject::connect(
        modal, &QWindow::visibleChanged, own,
        [own, modal, previous](bool visible) {
            if (!visible && own->transientParent() == modal) {
                own->setTransientParent(previous);
            }
        },
        Qt::SingleShotConnection);
}

} // namespace slotmachine
