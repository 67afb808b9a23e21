#include "engine/records/LoadSaveWindow.h"

#include "engine/records/GameRecords.h"
#include "engine/shell/Dialogs.h"
#include "engine/shell/HelpViewer.h"
#include "engine/state/GameState.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace slotmachine {

namespace {

constexpr int ClientWidth = 616;
constexpr int ClientHeight = 360;
constexpr int PanelWidth = 289;
constexpr int PanelHeight = 65;
constexpr int PanelLefts[] = {16, 312};
constexpr int PanelTops[] = {16, 88, 160, 232};

QLabel* label(QWidget* parent, const QRect& place, Qt::Alignment alignment) {
    auto* l = new QLabel(parent);
    l->setGeometry(place);
    l->setAlignment(alignment | Qt::AlignVCenter);
    QFont font = l->font();
    font.setBold(false);
    l->setFont(font);
    return l;
}

} // namespace

TLoadSave::TLoadSave(GameState& state, GameRecords& records, Dialogs& dialogs, HelpViewer& help,
                     const QString& gameTitle, bool saveMode, QWidget* parent)
    : QDialog(parent), state_(state), records_(records), dialogs_(dialogs), help_(help), saveMode_(saveMode) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    QFont font = QApplication::font();
    font.setPointSize(8);
    font.setBold(true);
    setFont(font);
    createControls(gameTitle);
    FormCreate();
    if (const QScreen* screen = QApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void TLoadSave::createControls(const QString& gameTitle) {
    auto* frame = new QFrame(this);
    frame->setGeometry(0, 8, 617, 297);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);

    const QIcon check = style()->standardIcon(QStyle::SP_DialogApplyButton);
    for (int slot = 1; slot <= GameSlotCount; ++slot) {
        SlotPanel& p = panels_[static_cast<std::size_t>(slot - 1)];
        const int column = (slot - 1) / 4;
        const int row = (slot - 1) % 4;
        p.panel = new QFrame(this);
        p.panel->setGeometry(PanelLefts[column], PanelTops[row], PanelWidth, PanelHeight);
        p.panel->setFrameShape(QFrame::Panel);
        p.panel->setFrameShadow(QFrame::Raised);

        p.name = new QLineEdit(p.panel);
        p.name->setGeometry(8, 8, 233, 20);
        p.name->setFrame(false);
        p.name->setObjectName(QStringLiteral("Name%1").arg(slot));
        QPalette palette = p.name->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        p.name->setPalette(palette);

        p.game = label(p.panel, {8, 28, 129, 20}, Qt::AlignLeft);
        p.game->setText(gameTitle);
        p.date = label(p.panel, {168, 28, 57, 20}, Qt::AlignRight);
        p.credits = label(p.panel, {8, 44, 105, 20}, Qt::AlignLeft);
        p.borrowed = label(p.panel, {112, 44, 113, 20}, Qt::AlignRight);

        p.button = new QPushButton(check, QString(), p.panel);
        p.button->setGeometry(232, 16, 49, 37);
        p.button->setIconSize(QSize(24, 24));
        p.button->setAutoDefault(false);
        p.button->setObjectName(slot == 1 ? QStringLiteral("OKBtn") : QStringLiteral("BitBtn%1").arg(slot - 1));
        p.button->setToolTip(saveMode_ ? QStringLiteral("Save the game into this slot")
                                       : QStringLiteral("Open the game of this slot"));
        connect(p.button, &QPushButton::clicked, this, [this, slot] { BitBtn7Click(slot); });
    }

    CancelBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("&Cancel"), this);
    CancelBtn->setGeometry(508, 316, 97, 37);
    CancelBtn->setAutoDefault(false);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    HelpBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogHelpButton), QStringLiteral("&Help"), this);
    HelpBtn->setGeometry(8, 316, 97, 37);
    HelpBtn->setAutoDefault(false);
    connect(HelpBtn, &QPushButton::clicked, this, [this] { help_.showTopic(HelpSaveOpenWindow); });
}

void TLoadSave::FormCreate() {
    try {
        records_.storeCurrentGame(state_);
    } catch (const RecordWriteError& e) {
        // Listing would overwrite the live game with nothing stored to bring it back.
        dialogs_.error(QString::fromStdString(e.what()));
        return;
    }
    listed_ = true;
    setWindowTitle(saveMode_ ? QStringLiteral("Save a Game -- Select Game Slot")
                             : QStringLiteral("Open a Game -- Select Game Slot"));
    for (int slot = 1; slot <= GameSlotCount; ++slot) {
        records_.readGame(slot - 1, state_);
        SlotPanel& p = panels_[static_cast<std::size_t>(slot - 1)];
        p.name->setText(records_.gameName());
        p.name->setCursorPosition(0);
        p.date->setText(records_.gameDate());
        p.credits->setText(QStringLiteral("%1 Credits").arg(state_.Credits));
        p.borrowed->setText(QStringLiteral("%1 Borrowed").arg(state_.Borrowed));
    }
}

void TLoadSave::BitBtn7Click(int slot) {
    if (!listed_ || slot < 1 || slot > GameSlotCount) {
        return;
    }
    try {
        if (saveMode_) {
            const QString proposed = panels_[static_cast<std::size_t>(slot - 1)].name->text();
            if (const std::optional<QString> name =
                    dialogs_.textInput(QStringLiteral("Name for this saved game?"), QString(), proposed)) {
                records_.readGame(CurrentGameIndex, state_);
                records_.writeGame(slot - 1, state_, *name);
            }
        } else {
            records_.readGame(slot - 1, state_);
            records_.storeCurrentGame(state_);
        }
    } catch (const RecordWriteError& e) {
        dialogs_.error(QString::fromStdString(e.what()));
    }
    accept();
}

void TLoadSave::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TLoadSave::FormClose() {
    if (closed_ || !listed_) {
        return;
    }
    closed_ = true;
    records_.loadCurrentGame(state_);
}

void TLoadSave::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        help_.showTopic(HelpSaveOpenWindow);
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace slotmachine
