#include "engine/records/PlayAnnouncement.h"

#include "engine/core/Game.h"
#include "engine/records/PlayDescription.h"

#include <QStringList>

namespace slotmachine {

namespace {

QString credits(std::int64_t n) {
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? QStringLiteral("credit") : QStringLiteral("credits"));
}

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A line that paid, or that started the bonus game, by the rule it matched.
QString lineAnnouncement(const LineResult& line, const Game& game) {
    const PayRule* rule = game.paytable().match(line.symbols[0], line.symbols[1], line.symbols[2]);
    if (rule == nullptr || (line.pay <= 0 && rule->payout != Payout::BonusGame)) {
        return {};
    }
    const QString where = fromView(rule->description) + QStringLiteral(" on the ") + lineName(line.row) +
                          QStringLiteral(" line");
    return line.pay > 0 ? where + QStringLiteral(", ") + credits(line.pay) : where;
}

QString bonusAnnouncement(const BoxPick& pick, const QString& stock) {
    const QString box = QStringLiteral("bonus box %1").arg(pick.box + 1);
    if (pick.paid > 0) {
        return box + QStringLiteral(", ") + credits(pick.paid);
    }
    if (pick.held > 0 && !stock.isEmpty()) {
        return box + QStringLiteral(", a prize of ") + stock;
    }
    return box + QStringLiteral(" held nothing");
}

QString capitalised(QString text) {
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}

} // namespace

QString playAnnouncement(const PlayRecord& play, const Game& game) {
    if (play.kind == PlayKind::Loan) {
        return QStringLiteral("Borrowed ") + credits(play.loan);
    }
    if (play.kind == PlayKind::Payback) {
        return QStringLiteral("Paid back ") + credits(play.loan);
    }
    const QString stock = fromView(stockName(game.values()));
    QStringList parts;
    if (play.kind != PlayKind::Bonus) {
        for (const LineResult& line : play.paylines) {
            if (const QString text = lineAnnouncement(line, game); !text.isEmpty()) {
                parts << text;
            }
        }
    }
    if (play.bonus) {
        parts << bonusAnnouncement(*play.bonus, stock);
    }
    if (parts.isEmpty()) {
        parts << QStringLiteral("No win");
    }
    if (play.stockEarned > 0 && !stock.isEmpty()) {
        // "1 nudge", "2 nudges": the stock's name without its plural s for one.
        parts << QStringLiteral("%1 %2 earned").arg(play.stockEarned).arg(play.stockEarned == 1 ? stock.chopped(1) : stock);
    }
    return capitalised(parts.join(QStringLiteral("; ")));
}

} // namespace slotmachine
