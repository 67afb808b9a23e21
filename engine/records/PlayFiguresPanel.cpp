#include "engine/records/PlayFiguresPanel.h"

#include "engine/display/WindowScale.h"
#include "engine/records/CreditsChart.h"
#include "engine/records/GameStatistics.h"
#include "engine/records/PaybackReturns.h"
#include "engine/records/RecallFigures.h"
#include "engine/records/SessionTally.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace slotmachine {

namespace {

const QString Dash = QStringLiteral("\u2013");

QString credits(std::int64_t value) {
    return statisticsNumber(value, QLocale()).trimmed();
}

QLabel* valueLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// A group box never narrower than its title: the finish draws the title inset from
// the box's left edge and padded on both sides, and a title wider than the box's
// contents would otherwise be cut off at its right edge.
class TitledBox final : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

    QSize minimumSizeHint() const override {
        constexpr int TitleRoom = 20; // the inset, the padding and the border
        const QSize least = QGroupBox::minimumSizeHint();
        return {std::max(least.width(), fontMetrics().horizontalAdvance(title()) + scaledPixels(TitleRoom)),
                least.height()};
    }
};

// A caption and its value on the next row of `grid`; the value label.
QLabel* addRow(QGridLayout* grid, const QString& caption, const QString& value) {
    const int row = grid->rowCount();
    QWidget* parent = grid->parentWidget();
    grid->addWidget(new QLabel(caption, parent), row, 0);
    QLabel* label = valueLabel(value, parent);
    grid->addWidget(label, row, 1);
    return label;
}

} // namespace

PlayFiguresPanel::PlayFiguresPanel(const PlayFigures& figures, QWidget* parent)
    : QWidget(parent), session_(figures.session) {
    auto* left = new QVBoxLayout;
    left->addWidget(returnsBox(figures));
    left->addWidget(sessionBox());
    left->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(left);
    layout->addWidget(chartBox(figures), 1);
}

QWidget* PlayFiguresPanel::returnsBox(const PlayFigures& figures) {
    auto* box = new TitledBox(tr("The machine's return over a long run"), this);
    auto* grid = new QGridLayout(box);
    const std::optional<PaybackReturns> returns = readPaybackReturns(figures.returnsFile);
    // Without its figures the window still shows every bet, with a dash for its return.
    const PaybackReturns shown =
        returns ? *returns : PaybackReturns{ReturnColumn{QStringLiteral("Pays back"), {}}};
    grid->addWidget(new QLabel(tr("Coins"), box), 0, 0);
    for (std::size_t column = 0; column < shown.size(); ++column) {
        auto* caption = new QLabel(returnCaptionText(shown[column].caption), box);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(caption, 0, static_cast<int>(column) + 1);
    }
    const QLocale locale;
    for (std::int32_t coins = 1; coins <= figures.values.coinLimit; ++coins) {
        grid->addWidget(new QLabel(QLocale().toString(coins), box), coins, 0);
        std::vector<QLabel*>& row = returnValues.emplace_back();
        for (std::size_t column = 0; column < shown.size(); ++column) {
            const std::vector<MachineReturn>& byCoins = shown[column].byCoins;
            const auto index = static_cast<std::size_t>(coins - 1);
            row.push_back(
                valueLabel(index < byCoins.size() ? machineReturnText(byCoins[index], locale) : Dash, box));
            grid->addWidget(row.back(), coins, static_cast<int>(column) + 1);
        }
    }
    // The player's own return is the Overall Payoff Percentage above: it is not
    // repeated here, where an 800 by 600 screen has no room to spare.
    return box;
}

QWidget* PlayFiguresPanel::sessionBox() {
    auto* box = new TitledBox(tr("This session, since the program started"), this);
    auto* grid = new QGridLayout(box);
    sessionTimeValue = addRow(grid, tr("Playing time:"), QString());
    const std::int64_t net = session_.net();
    //: This session's winnings less its bets.
    sessionNetValue = addRow(grid, tr("Won less bet:"),
                             (net > 0 ? QStringLiteral("+") : QString()) + credits(net));
    sessionBiggestWinValue = addRow(grid, tr("Biggest win:"), credits(session_.biggestWin()));
    showSessionTime();
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, [this] { showSessionTime(); });
    clock->start(1000);
    return box;
}

QWidget* PlayFiguresPanel::chartBox(const PlayFigures& figures) {
    const QString title =
        figures.log.size() > 1
            ? tr("Credits over this game's last %1 plays").arg(figures.log.size())
            : tr("Credits over this game's plays");
    auto* box = new TitledBox(title, this);
    auto* layout = new QVBoxLayout(box);
    chart = new CreditsChart(creditsCourse(figures.log), figures.values.colours, box);
    layout->addWidget(chart, 1);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    recallBiggestWinValue =
        addRow(grid, tr("Biggest win (last %1 plays):").arg(RecallLog::Capacity),
               credits(biggestWin(figures.log)));
    return box;
}

void PlayFiguresPanel::showSessionTime() {
    sessionTimeValue->setText(sessionTimeText(session_.seconds()));
}

} // namespace slotmachine
