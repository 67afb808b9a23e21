#include "engine/shell/LoanDeskWindow.h"

#include "engine/display/Digits.h"
#include "engine/display/FixedSizes.h"
#include "engine/display/VectorArt.h"
#include "engine/display/WindowPlacement.h"
#include "engine/display/WindowScale.h"
#include "engine/state/LoanDesk.h"

#include <QApplication>
#include <QFontMetrics>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
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
    const char* picture; // under ":/pictures/shared/", from the drawing "chip-<amount>.svg" there
    int left;
};
constexpr Chip Chips[] = {
    {1000, "Chip1000", 89},
    {100, "Chip100", 201},
    {10, "Chip10", 313},
    {1, "Chip1", 425},
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

// A chip's amount in words, its tooltip, and its face when the picture is missing:
// "$1,000", with the locale's group separator.
QString chipLabel(const Chip& chip) {
    QLocale grouped;
    grouped.setNumberOptions(grouped.numberOptions() & ~QLocale::OmitGroupSeparator);
    //: A chip's value in dollars: "$1,000".
    return LoanDeskWindow::tr("$%1").arg(grouped.toString(chip.amount));
}

// The width ten-digit values of both meters need side by side, each with the black
// cell DrawDigits clears beside it, at the glyphs of a layout width.
int metersWidth(int layoutWidth) {
    return scaledPixels(BorrowedLeft) + 2 * (MaxDigits + 1) * digitCellFor(layoutWidth).width +
           scaledPixels(CreditsRightMargin);
}

// The glyphs follow the machine's layout width. Up to 1024 pixels the window keeps its
// design size, where large glyphs (32 wide) would need 754 pixels, more than it has,
// so such a machine shows the window's meters in the small glyphs of an 800-pixel
// layout; a machine grown beyond that grows the glyphs and the window with it, and
// the window widens to hold them.
int meterLayoutWidth(int layoutWidth) {
    if (layoutWidth > FixedSizeLayoutWidth) {
        return layoutWidth;
    }
    return metersWidth(layoutWidth) <= ClientWidth ? layoutWidth : SmallGlyphLayoutWidth;
}

// The chip on the button's face: the picture is drawn on black, which turns
// transparent (the drawing itself never uses pure black). On a grown machine the
// chip is rendered from its drawing at the grown size.
QIcon chipIcon(const Chip& chip) {
    QImage image(QStringLiteral(":/pictures/shared/%1.png").arg(QLatin1String(chip.picture)));
    if (!image.isNull() && windowScale() > 1) {
        const QImage grown =
            renderVectorArt(QStringLiteral(":/pictures/shared/chip-%1.svg").arg(chip.amount), scaledSize(image.size()));
        image = grown.isNull() ? image : grown;
    }
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
    setWindowTitle(tr("Use this form to borrow or pay back credits"));
    // Grown with the machine; the controls keep the middle of a window widened for the meters.
    const int width = std::max(scaledPixels(ClientWidth), metersWidth(digitLayoutWidth_));
    const int shift = (width - scaledPixels(ClientWidth)) / 2;
    const auto place = [shift](const QRect& design) { return scaledRect(design).translated(shift, 0); };
    setFixedSize(width, scaledPixels(ClientHeight));
    QFont font = QApplication::font();
    font.setPointSizeF(scaledPointSize(10));
    setFont(font);

    for (int tag = 0; tag < 4; ++tag) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("BitBtn%1").arg(tag + 1));
        button->setGeometry(place(QRect(QPoint(Chips[tag].left, ChipTop), ChipButton)));
        button->setFocusPolicy(Qt::StrongFocus);
        const QIcon icon = chipIcon(Chips[tag]);
        if (icon.isNull()) {
            button->setText(chipLabel(Chips[tag]));
        } else {
            button->setIcon(icon);
            button->setIconSize(scaledSize(ChipPicture));
        }
        button->setToolTip(chipLabel(Chips[tag]));
        connect(button, &QToolButton::clicked, this, [this, tag] { chipClicked(tag); });
        chips_[tag] = button;
    }

    modeLabel_ = new QLabel(tr("Mode:"), this);
    QFont modeFont = font;
    modeFont.setPointSizeF(scaledPointSize(14));
    modeLabel_->setFont(modeFont);
    modeLabel_->setObjectName(QStringLiteral("Mode")); // in the finish's trim colour
    modeLabel_->move(place(QRect(56, 192, 0, 0)).topLeft());
    modeLabel_->adjustSize();

    borrowButton_ = new QRadioButton(tr("Borrow Credits"), this);
    borrowButton_->setGeometry(place(QRect(147, 192, 190, 33)));
    borrowButton_->setChecked(true);
    payBackButton_ = new QRadioButton(tr("Pay Back Credits"), this);
    payBackButton_->setGeometry(place(QRect(355, 192, 190, 33)));

    helpButton_ = new QPushButton(tr("&Help"), this);
    helpButton_->setGeometry(scaledRect(QRect(10, 246, 127, 46)));
    helpButton_->setAutoDefault(false);
    connect(helpButton_, &QPushButton::clicked, this, [this] { showHelp(); });
    okButton_ = new QPushButton(tr("&OK"), this);
    okButton_->setGeometry(scaledRect(QRect(442, 246, 127, 46)).translated(2 * shift, 0));
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
    dialogs_.information(tr("Use this screen to borrow credits or pay back credits that you borrowed previously.  "
                            "Click on the button representing the amount to borrow (or pay back).\n\nTo switch "
                            "between \"borrow\" and \"pay back\" select the mode."));
}

void LoanDeskWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));

    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(bold);
    const QString credits = tr("Credits:");
    const int baseline = scaledPixels(CaptionTop) + metrics.ascent();
    painter.drawText(width() - metrics.horizontalAdvance(credits) - scaledPixels(CreditsCaptionRightMargin), baseline,
                     credits);
    painter.drawText(scaledPixels(BorrowedLeft), baseline, tr("Borrowed:"));

    DrawDigits(painter, pictures_, digitLayoutWidth_, state_.Credits, width() - scaledPixels(CreditsRightMargin),
               scaledPixels(DigitsTop), false, true);
    DrawDigits(painter, pictures_, digitLayoutWidth_, state_.Borrowed, scaledPixels(BorrowedLeft),
               scaledPixels(DigitsTop), true, false);
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
