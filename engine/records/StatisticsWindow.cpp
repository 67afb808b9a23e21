#include "engine/records/StatisticsWindow.h"

#include "engine/display/WindowPlacement.h"
#include "engine/records/GameStatistics.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

namespace slotmachine {

namespace {

constexpr QSize ClientSize(632, 207);
constexpr int PointSize = 10;
// The least room between a caption and its value, and the smallest font a value
// may shrink to when even that room is too narrow for it.
constexpr int CaptionGap = 6;
constexpr qreal MinPointSize = 6.0;

} // namespace

StatisticsWindow::StatisticsWindow(const GameState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(QStringLiteral("Your Game Statistics"));
    QFont sans = font();
    sans.setPointSize(PointSize);
    sans.setBold(false);
    setFont(sans);
    setFixedSize(ClientSize);

    spinsValue = addRow(QStringLiteral("Spins:"), {12, 14}, 225, 14, 56);
    creditsValue = addRow(QStringLiteral("Credits:"), {12, 70}, 225, 70, 56);
    borrowedValue = addRow(QStringLiteral("Borrowed:"), {12, 126}, 225, 126, 56);
    totalBetsValue = addRow(QStringLiteral("Total Bets:"), {340, 14}, 553, 14, 56);
    payoffsValue = addRow(QStringLiteral("Payoffs:"), {340, 46}, 553, 46, 56);
    normalValue = addRow(QStringLiteral("Normal:"), {364, 70}, 475, 70, 110);
    bonusValue = addRow(QStringLiteral("Bonus:"), {364, 94}, 475, 94, 110);
    payoffPercentageValue = addRow(QStringLiteral("Overall Payoff Percentage:"), {340, 126}, 561, 126, 56);

    okButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    okButton->setGeometry(536, 168, 89, 33);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    showValues(state);

    placeOnScreen(*this, size());
}

QLabel* StatisticsWindow::addRow(const QString& caption, QPoint captionAt, int x, int y, int width) {
    auto* value = new QLabel(this);
    QFont bold = font();
    bold.setBold(true);
    value->setFont(bold);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setGeometry(x, y, width, value->fontMetrics().height());

    auto* label = new QLabel(caption, this);
    label->move(captionAt);
    label->adjustSize();
    label->resize(label->width(), value->height());

    rows_[rowCount_++] = Row{label, value, x + width, width};
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
    const int room = row->right - (row->caption->geometry().right() + 1 + CaptionGap);
    QFont f = value->font();
    while (value->sizeHint().width() > room && f.pointSizeF() > MinPointSize) {
        f.setPointSizeF(f.pointSizeF() - 0.5);
        value->setFont(f);
    }
    const int width = std::min(std::max(value->sizeHint().width(), row->minWidth), std::max(room, 0));
    value->setGeometry(row->right - width, value->y(), width, value->height());
}

} // namespace slotmachine
