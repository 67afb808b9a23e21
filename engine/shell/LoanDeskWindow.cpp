#include "engine/shell/LoanDeskWindow.h"

#include "engine/display/Digits.h"
#include "engine/display/WindowPlacement.h"
#include "engine/state/LoanDesk.h"

#include <QApplication>
#include <QFontMetrics>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>
#include <iterator>

namespace slotmachine {

namespace {

constexpr int ClientWidth = 582;
constexpr int ClientHeight = 300;

struct Chip {
    std::int32_t amount;
    const char* picture; // under ":/pictures/shared/"
    const char* label;   // shown instead when the picture is missing
    int left;
};
constexpr Chip Chips[] = {
    {1000, "Chip1000", "$1,000", 89},
    {100, "Chip100", "$100", 201},
    {10, "Chip10", "$10", 313},
    {1, "Chip1", "$1", 425},
};
constexpr int ChipTop = 104;
constexpr QSize ChipButton(80, 57);
constexpr QSize ChipPicture(72, 50);

// The meters: captions at the top, digits below them; Borrowed starts at the left
// margin, Credits ends at the right one.
constexpr int CaptionTop = 20;
constexpr int DigitsTop = 40;
constexpr int BorrowedLeft = 20;
constexpr int CreditsRightMargin = 30;
constexpr int CreditsCaptionRightMargin = 35;
constexpr int MaxDigits = 10; // the 32-bit limit
constexpr int SmallGlyphLayoutWidth = 800;

const QString HelpText = QStringLiteral(
    "Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button "
    "representing the amount to borrow (or pay back).\n\nTo switch between \"borrow\" and \"pay back\" select the "
    "mode.");

// The glyphs follow the machine's layout width, but the window has a fixed size:
// ten-digit values of both meters, each with the black cell DrawDigits clears
// beside it, must fit side by side. Large glyphs (32 wide) need 754 pixels, more
// than the window has, so a large machine shows the window's meters in the small
// glyphs of an 800-pixel layout.
int meterLayoutWidth(int layoutWidth) {
    const int cell = digitCellFor(layoutWidth).width;
    const int needed = BorrowedLeft + 2 * (MaxDigits + 1) * cell + CreditsRightMargin;
    return needed <= ClientWidth ? layoutWidth : SmallGlyphLayoutWidth;
}

// The chip on the button's face: the picture is drawn on black, which turns
// transparent (the drawing itself never uses pure black).
QIcon chipIcon(const char* name) {
    QImage image(QStringLiteral(":/pictures/shared/%1.png").arg(QLatin1String(name)));
    if (image.isNull()) {
        return {};
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::replace(line, line + image.width(), qRgb(0, 0, 0), qRgba(0, 0, 0, 0));
    }
    return QIcon(QPixmap::fromImage(image));
}

} // namespace

LoanDeskWindow::LoanDeskWindow(GameState& state, const MachinePictures& pictures, int layoutWidth, Dialogs& dialogs,
                   HelpViewer& help, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      state_(state), pictures_(pictures), digitLayoutWidth_(meterLayoutWidth(layoutWidth)), dialogs_(dialogs),
      help_(help) {
    setWindowTitle(QStringLiteral("Use this form to borrow or pay back credits"));
    setFixedSize(ClientWidth, ClientHeight);
    QFont font = QApplication::font();
    font.setPointSize(10);
    setFont(font);
    QPalette text = palette();
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        text.setColor(role, Qt::black);
    }
    setPalette(text);

    for (int tag = 0; tag < 4; ++tag) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("BitBtn%1").arg(tag + 1));
        button->setGeometry(QRect(QPoint(Chips[tag].left, ChipTop), ChipButton));
        button->setFocusPolicy(Qt::StrongFocus);
        const QIcon icon = chipIcon(Chips[tag].picture);
        if (icon.isNull()) {
            button->setText(QString::fromUtf8(Chips[tag].label));
        } else {
            button->setIcon(icon);
            button->setIconSize(ChipPicture);
        }
        button->setToolTip(QString::fromUtf8(Chips[tag].label));
        connect(button, &QToolButton::clicked, this, [this, tag] { chipClicked(tag); });
        chips_[tag] = button;
    }

    modeLabel_ = new QLabel(QStringLiteral("Mode:"), this);
    QFont modeFont = font;
    modeFont.setPointSize(14);
    modeLabel_->setFont(modeFont);
    QPalette red = modeLabel_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    modeLabel_->setPalette(red);
    modeLabel_->move(56, 192);
    modeLabel_->adjustSize();

    borrowButton_ = new QRadioButton(QStringLiteral("Borrow Credits"), this);
    borrowButton_->setGeometry(147, 192, 190, 33);
    borrowButton_->setChecked(true);
    payBackButton_ = new QRadioButton(QStringLiteral("Pay Back Credits"), this);
    payBackButton_->setGeometry(355, 192, 190, 33);

    // The desktop's icons where it has a theme; Qt's own help icon reads poorly this small.
    helpButton_ = new QPushButton(QIcon::fromTheme(QStringLiteral("help-contents")), QStringLiteral("&Help"), this);
    helpButton_->setGeometry(10, 246, 127, 46);
    helpButton_->setAutoDefault(false);
    connect(helpButton_, &QPushButton::clicked, this, [this] { showHelp(); });
    okButton_ = new QPushButton(QIcon::fromTheme(QStringLiteral("dialog-ok")), QStringLiteral("&OK"), this);
    okButton_->setGeometry(442, 246, 127, 46);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    placeOnScreen(*this, size());
}

void LoanDeskWindow::chipClicked(int tag) {
    if (tag < 0 || tag >= static_cast<int>(std::size(Chips))) {
        return;
    }
    const std::int32_t amount = Chips[tag].amount;
    const LoanResult result = payBackButton_->isChecked() ? payBack(state_, amount) : borrow(state_, amount);
    if (!result.done) {
        dialogs_.information(result.refusal);
        return;
    }
    update();
}

void LoanDeskWindow::showHelp() {
    dialogs_.information(HelpText);
}

void LoanDeskWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));

    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(palette().color(QPalette::ButtonText));
    const QFontMetrics metrics(bold);
    const QString credits = QStringLiteral("Credits:");
    const int baseline = CaptionTop + metrics.ascent();
    painter.drawText(width() - metrics.horizontalAdvance(credits) - CreditsCaptionRightMargin, baseline, credits);
    painter.drawText(BorrowedLeft, baseline, QStringLiteral("Borrowed:"));

    DrawDigits(painter, pictures_, digitLayoutWidth_, state_.Credits, width() - CreditsRightMargin, DigitsTop,
               false, true);
    DrawDigits(painter, pictures_, digitLayoutWidth_, state_.Borrowed, BorrowedLeft, DigitsTop, true, false);
}

void LoanDeskWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_F1) {
        QDialog::keyPressEvent(event);
        return;
    }
    const QWidget* focused = focusWidget();
    const bool onControls = std::find(chips_.begin(), chips_.end(), focused) != chips_.end() ||
                            focused == borrowButton_ || focused == payBackButton_;
    help_.showTopic(onControls ? HelpBorrowControls : HelpBorrowWindow);
}

void LoanDeskWindow::showEvent(QShowEvent* event) {
    // Every opening starts in borrow mode.
    borrowButton_->setChecked(true);
    QDialog::showEvent(event);
}

} // namespace slotmachine
