#include "engine/records/StatisticsWindow.h"

#include "engine/display/WindowPlacement.h"
#include "engine/display/WindowScale.h"
#include "engine/records/GameStatistics.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace slotmachine {

namespace {

constexpr QSize ClientSize(632, 207);
// The totals' rows alone, above the player's figures.
constexpr QSize TotalsSize(632, 150);
constexpr QSize OkButtonSize(89, 33);
// The full window takes this share of the screen's free area when that is more than it
// needs, up to a size where the chart has room and the figures are not lost in it.
constexpr double ScreenShare = 0.6;
constexpr QSize LargestWanted(1280, 860);
constexpr int PointSize = 10;
// The least room between a caption and its value, and the smallest font a value
// may shrink to when even that room is too narrow for it.
constexpr int CaptionGap = 6;
constexpr qreal MinPointSize = 6.0;

} // namespace

StatisticsWindow::StatisticsWindow(const GameState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    addTotals(this);
    setFixedSize(scaledSize(ClientSize));

    okButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), this);
    okButton->setGeometry(scaledRect(QRect(QPoint(536, 168), OkButtonSize)));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    showValues(state);

    placeOnScreen(*this, size());
}

StatisticsWindow::StatisticsWindow(const GameState& state, const PlayFigures& figures, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    auto* totals = new QWidget(this);
    totals->setFixedSize(scaledSize(TotalsSize));
    addTotals(totals);
    playFigures = new PlayFiguresPanel(figures, this);

    okButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), this);
    okButton->setMinimumSize(scaledSize(OkButtonSize));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(totals, 0, Qt::AlignLeft);
    auto* below = new QVBoxLayout;
    below->setContentsMargins(scaledPixels(12), 0, scaledPixels(7), scaledPixels(6));
    below->addWidget(playFigures, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    below->addLayout(buttons);
    layout->addLayout(below, 1);

    showValues(state);

    QSize wanted = minimumSizeHint();
    if (const QScreen* screen = this->screen(); screen != nullptr) {
        wanted =
            wanted.expandedTo((screen->availableGeometry().size() * ScreenShare).boundedTo(scaledSize(LargestWanted)));
    }
    placeOnScreen(*this, wanted);
}

void StatisticsWindow::addTotals(QWidget* panel) {
    setWindowTitle(tr("Your Game Statistics"));
    QFont sans = font();
    sans.setPointSizeF(scaledPointSize(PointSize));
    sans.setBold(false);
    setFont(sans);

    spinsValue = addRow(panel, tr("Spins:"), {12, 14}, 225, 14, 56);
    creditsValue = addRow(panel, tr("Credits:"), {12, 70}, 225, 70, 56);
    borrowedValue = addRow(panel, tr("Borrowed:"), {12, 126}, 225, 126, 56);
    totalBetsValue = addRow(panel, tr("Total Bets:"), {340, 14}, 553, 14, 56);
    payoffsValue = addRow(panel, tr("Payoffs:"), {340, 46}, 553, 46, 56);
    //: Payoffs by the pay table alone, beside those of the bonus game.
    normalValue = addRow(panel, tr("Normal:"), {364, 70}, 475, 70, 110);
    bonusValue = addRow(panel, tr("Bonus:"), {364, 94}, 475, 94, 110);
    payoffPercentageValue =
        addRow(panel, tr("Overall Payoff Percentage:"), {340, 126}, 561, 126, 56);
}

QLabel* StatisticsWindow::addRow(QWidget* panel, const QString& caption, QPoint captionAt, int x, int y,
                                 int width) {
    auto* value = new QLabel(panel);
    QFont bold = font();
    bold.setBold(true);
    value->setFont(bold);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setGeometry(scaledPixels(x), scaledPixels(y), scaledPixels(width), value->fontMetrics().height());

    auto* label = new QLabel(caption, panel);
    label->move(scaledPixels(captionAt.x()), scaledPixels(captionAt.y()));
    label->adjustSize();
    label->resize(label->width(), value->height());

    rows_[rowCount_++] = Row{label, value, scaledPixels(x + width), scaledPixels(width)};
    return value;
}

void StatisticsWindow::showValues(const GameState& state) {
    const QLocale locale;
    const GameStatistics s = gameStatistics(state);
    setValue(spinsValue, statisticsNumber(s.Spins, locale));
    setValue(creditsValue, statisticsNumber(s.Credits, locale));
    setValue(borrowedValue, statisticsNumber(s.Borrowed, locale));
    setValue(payoffsValue, statisticsNumber(s.Payoffs, locale));
    setValue(normalValue, statisticsNumber(s.Normal, locale));
    setValue(payoffPercentageValue, statisticsPercentage(s.PayoffPercentage, locale));
    setValue(totalBetsValue, statisticsNumber(s.TotalBets, locale));
    setValue(bonusValue, statisticsNumber(s.BonusWon, locale));
}

// The design's widths were made for a narrower font: a value grows to the left
// as far as its caption allows, and only a value wider still gets a smaller font.
void StatisticsWindow::setValue(QLabel* value, const QString& text) {
    const auto row =
        std::find_if(rows_.begin(), rows_.end(), [value](const Row& r) { return r.value == value; });
    value->setText(text);
    const int room = row->right - (row->caption->geometry().right() + 1 + scaledPixels(CaptionGap));
    QFont f = value->font();
    while (value->sizeHint().width() > room && f.pointSizeF() > scaledPointSize(MinPointSize)) {
        f.setPointSizeF(f.pointSizeF() - 0.5);
        value->setFont(f);
    }
    const int width = std::min(std::max(value->sizeHint().width(), row->minWidth), std::max(room, 0));
    value->setGeometry(row->right - width, value->y(), width, value->height());
}

} // namespace slotmachine
