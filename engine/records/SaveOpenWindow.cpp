#include "engine/records/SaveOpenWindow.h"

#include "engine/core/Dialogs.h"
#include "engine/core/GameState.h"
#include "engine/core/HelpViewer.h"
#include "engine/core/RecallLog.h"
#include "engine/display/WindowPlacement.h"
#include "engine/display/WindowScale.h"
#include "engine/records/GameRecords.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <algorithm>

namespace slotmachine {

namespace {

// The longest name a slot holds, in the widest letters.
const QString LongestName(30, QLatin1Char('W'));

// The slot panels, in two columns of four. A panel holds the name field across its
// top, and below it two lines of labels beside the slot's button.
constexpr int Margin = 16;      // around the panels and the window's buttons
constexpr int PanelGap = 8;     // between panels
constexpr int Inset = 8;        // inside a panel
constexpr int NameTop = 6;
constexpr int NameHeight = 22;
constexpr int LineTops[] = {30, 50};
constexpr int LineHeight = 20;
constexpr QSize SlotButton(49, 37);
constexpr int SlotButtonTop = 32;
constexpr int PanelHeight = 78;
constexpr int MinimumNameWidth = 233;
constexpr QSize WindowButton(97, 37);

// A slot's date as the player reads it. The record keeps it as "mm/dd/yy" with the
// separator of the desktop's date format, and English shows it as it is kept; a
// translation that asks for it shows the date in its locale's short form. A date
// that does not read as one is shown as it stands.
QString shownDate(const QString& stored) {
    //: Answer "yes" to show a saved game's date in your locale's short form
    //: ("07.12.26"); "no" shows it as the record keeps it, month first ("12/07/26").
    const bool localeForm = SaveOpenWindow::tr("no", "saved game dates in the locale's form") == QLatin1String("yes");
    static const QRegularExpression pattern(QStringLiteral("^(\\d\\d)\\D(\\d\\d)\\D(\\d\\d)$"));
    const QRegularExpressionMatch match = pattern.match(stored);
    if (!localeForm || !match.hasMatch()) {
        return stored;
    }
    const QDate date(2000 + match.captured(3).toInt(), match.captured(1).toInt(), match.captured(2).toInt());
    return date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : stored;
}

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

SaveOpenWindow::SaveOpenWindow(GameState& state, RecallLog& log, GameRecords& records, Dialogs& dialogs, HelpViewer& help,
                     const QString& gameTitle, bool saveMode, QWidget* parent)
    : QDialog(parent), state_(state), log_(log), records_(records), dialogs_(dialogs), help_(help), saveMode_(saveMode) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QFont font = QApplication::font();
    font.setPointSizeF(scaledPointSize(8));
    font.setBold(true);
    setFont(font);
    createControls(gameTitle);
    listSlots();
    placeOnScreen(*this, size());
}

void SaveOpenWindow::createControls(const QString& gameTitle) {
    // The name fields are as wide as the longest name in their own font, so that no
    // name is cut off; everything else is laid out around them.
    QFont nameFont = font();
    nameFont.setBold(false);
    const int frameWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    // Beyond the text a line edit keeps its frame, a margin of 2 on each side and the cursor.
    // Every design size grows with the machine (WindowScale.h).
    const auto px = scaledPixels;
    const int nameWidth = std::max(px(MinimumNameWidth),
                                   QFontMetrics(nameFont).horizontalAdvance(LongestName) + 2 * frameWidth + px(8));
    const int inset = px(Inset);
    const QSize slotButton = scaledSize(SlotButton);
    const QSize windowButton = scaledSize(WindowButton);
    const int panelWidth = nameWidth + 2 * inset;
    const int buttonLeft = panelWidth - inset - slotButton.width();
    const int labelsWidth = buttonLeft - inset - inset;
    const int clientWidth = 2 * px(Margin) + 2 * panelWidth + px(PanelGap);
    const int panelsBottom = px(Margin + 4 * PanelHeight + 3 * PanelGap);

    auto* frame = new QFrame(this);
    frame->setGeometry(0, px(8), clientWidth, panelsBottom);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);

    const QIcon check = style()->standardIcon(QStyle::SP_DialogApplyButton);
    for (int slot = 1; slot <= GameSlotCount; ++slot) {
        SlotPanel& p = panels_[static_cast<std::size_t>(slot - 1)];
        const int column = (slot - 1) / 4;
        const int row = (slot - 1) % 4;
        p.panel = new QFrame(this);
        p.panel->setGeometry(px(Margin) + column * (panelWidth + px(PanelGap)),
                             px(Margin + row * (PanelHeight + PanelGap)), panelWidth, px(PanelHeight));
        p.panel->setFrameShape(QFrame::Panel);
        p.panel->setFrameShadow(QFrame::Raised);

        // A framed field in regular weight: it reads as a place to type.
        p.name = new QLineEdit(p.panel);
        p.name->setGeometry(inset, px(NameTop), nameWidth, px(NameHeight));
        p.name->setFont(nameFont);
        p.name->setObjectName(QStringLiteral("Name%1").arg(slot));

        const int half = labelsWidth / 2;
        p.game = label(p.panel, {inset, px(LineTops[0]), half, px(LineHeight)}, Qt::AlignLeft);
        p.game->setText(gameTitle);
        p.date = label(p.panel, {inset + half, px(LineTops[0]), labelsWidth - half, px(LineHeight)}, Qt::AlignRight);
        p.credits = label(p.panel, {inset, px(LineTops[1]), half, px(LineHeight)}, Qt::AlignLeft);
        p.borrowed =
            label(p.panel, {inset + half, px(LineTops[1]), labelsWidth - half, px(LineHeight)}, Qt::AlignRight);

        p.button = new QPushButton(check, QString(), p.panel);
        p.button->setGeometry(QRect(QPoint(buttonLeft, px(SlotButtonTop)), slotButton));
        p.button->setIconSize(scaledSize(QSize(24, 24)));
        p.button->setAutoDefault(false);
        p.button->setObjectName(slot == 1 ? QStringLiteral("OKBtn") : QStringLiteral("BitBtn%1").arg(slot - 1));
        p.button->setToolTip(saveMode_ ? tr("Save the game into this slot") : tr("Open the game of this slot"));
        connect(p.button, &QPushButton::clicked, this, [this, slot] { slotChosen(slot); });
    }

    const int buttonsTop = px(8) + panelsBottom + px(11);
    CancelBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), tr("&Cancel"), this);
    CancelBtn->setGeometry(QRect(QPoint(clientWidth - px(8) - windowButton.width(), buttonsTop), windowButton));
    CancelBtn->setAutoDefault(false);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    HelpBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogHelpButton), tr("&Help"), this);
    HelpBtn->setGeometry(QRect(QPoint(px(8), buttonsTop), windowButton));
    HelpBtn->setAutoDefault(false);
    connect(HelpBtn, &QPushButton::clicked, this, [this] { help_.showTopic(HelpSaveOpenWindow); });
    // Tab goes through the slots, then Help and Cancel as they stand, left to right.
    setTabOrder(HelpBtn, CancelBtn);
    setFixedSize(clientWidth, buttonsTop + windowButton.height() + px(7));
}

void SaveOpenWindow::listSlots() {
    try {
        records_.storeCurrentGame(state_, log_);
    } catch (const RecordWriteError& e) {
        // Listing would overwrite the live game with nothing stored to bring it back.
        dialogs_.error(QString::fromStdString(e.what()));
        return;
    }
    listed_ = true;
    setWindowTitle(saveMode_ ? tr("Save a Game -- Select Game Slot") : tr("Open a Game -- Select Game Slot"));
    for (int slot = 1; slot <= GameSlotCount; ++slot) {
        records_.readGame(slot - 1, state_);
        SlotPanel& p = panels_[static_cast<std::size_t>(slot - 1)];
        p.name->setText(records_.gameName());
        p.name->setCursorPosition(0);
        p.date->setText(shownDate(records_.gameDate()));
        p.credits->setText(tr("%1 Credits").arg(state_.Credits));
        p.borrowed->setText(tr("%1 Borrowed").arg(state_.Borrowed));
    }
}

void SaveOpenWindow::slotChosen(int slot) {
    if (!listed_ || slot < 1 || slot > GameSlotCount) {
        return;
    }
    try {
        if (saveMode_) {
            const QString proposed = panels_[static_cast<std::size_t>(slot - 1)].name->text();
            if (const std::optional<QString> name =
                    dialogs_.textInput(tr("Name for this saved game?"), QString(), proposed)) {
                records_.readGame(CurrentGameIndex, state_, log_);
                records_.writeGame(slot - 1, state_, log_, *name);
            }
        } else {
            records_.readGame(slot - 1, state_, log_);
            records_.storeCurrentGame(state_, log_);
        }
    } catch (const RecordWriteError& e) {
        dialogs_.error(QString::fromStdString(e.what()));
    }
    accept();
}

void SaveOpenWindow::done(int result) {
    restoreRunningGame();
    QDialog::done(result);
}

void SaveOpenWindow::restoreRunningGame() {
    if (closed_ || !listed_) {
        return;
    }
    closed_ = true;
    records_.loadCurrentGame(state_, log_);
}

void SaveOpenWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        help_.showTopic(HelpSaveOpenWindow);
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace slotmachine
