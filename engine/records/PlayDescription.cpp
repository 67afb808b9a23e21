#include "engine/records/PlayDescription.h"

#include "engine/core/Game.h"

#include <QDateTime>

namespace slotmachine {

namespace {

// "1 coin", "3 coins".
QString counted(std::int64_t n, const QString& one, const QString& many) {
    return QString::number(n) + QLatin1Char(' ') + (n == 1 ? one : many);
}

QString credits(std::int64_t n) {
    return counted(n, QStringLiteral("credit"), QStringLiteral("credits"));
}

QString capitalised(QString text) {
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}

QString betText(const PlayRecord& play) {
    return counted(play.coins, QStringLiteral("coin"), QStringLiteral("coins")) + QStringLiteral(" on ") +
           counted(static_cast<std::int64_t>(play.lines.size()), QStringLiteral("line"), QStringLiteral("lines"));
}

QString moveText(const ReelMove& move) {
    const int reel = move.reel + 1;
    switch (move.by) {
    case ReelMover::Held:
        return QStringLiteral("Reel %1 held at stop %2").arg(reel).arg(move.to);
    case ReelMover::Up:
        return QStringLiteral("Reel %1 moved up from stop %2 to %3").arg(reel).arg(move.from).arg(move.to);
    case ReelMover::Down:
        return QStringLiteral("Reel %1 moved down from stop %2 to %3").arg(reel).arg(move.from).arg(move.to);
    case ReelMover::Nudge:
        break;
    }
    return QStringLiteral("Reel %1 nudged from stop %2 to %3").arg(reel).arg(move.from).arg(move.to);
}

QString stopsText(const PlayRecord& play) {
    return QStringLiteral("Reels at rest at stops %1, %2 and %3").arg(play.stops[0]).arg(play.stops[1]).arg(play.stops[2]);
}

// The box is numbered from 1, as the player counts them. A box that paid nothing
// but held a prize gave the game's stock instead (the stock line says how much).
QString bonusText(const BoxPick& pick, const PlayTerms& terms) {
    const QString box = QStringLiteral("Bonus game: box %1 ").arg(pick.box + 1);
    if (pick.paid > 0) {
        return box + QStringLiteral("held %1 and paid %2").arg(pick.held).arg(credits(pick.paid));
    }
    if (pick.held > 0 && !terms.stockName.isEmpty()) {
        return box + QStringLiteral("gave a prize of ") + terms.stockName;
    }
    return box + QStringLiteral("held nothing");
}

QString headingOf(const PlayRecord& play) {
    const QString after = play.spin > 0 ? QStringLiteral(" after spin %1").arg(play.spin)
                                        : QStringLiteral(" before the first spin");
    switch (play.kind) {
    case PlayKind::Spin:
        return QStringLiteral("Spin %1").arg(play.spin);
    case PlayKind::Nudge:
        return QStringLiteral("Nudge") + after;
    case PlayKind::Loan:
        return QStringLiteral("Loan") + after;
    case PlayKind::Payback:
        return QStringLiteral("Payback") + after;
    case PlayKind::Bonus:
        break;
    }
    return QStringLiteral("Bonus game played later,") + after;
}

// The reels, the lines and what the stock, the bonus meter and the bonus game did:
// everything but the loan desk's plays has them.
void addPlaySteps(QStringList& steps, const PlayRecord& play, const PlayTerms& terms) {
    if (play.kind == PlayKind::Spin) {
        steps << QStringLiteral("Bet ") + betText(play);
    } else if (play.kind == PlayKind::Nudge) {
        steps << QStringLiteral("Last bet: ") + betText(play);
    }
    for (const ReelMove& move : play.moves) {
        steps << moveText(move);
    }
    if (play.kind != PlayKind::Bonus) {
        steps << stopsText(play);
        bool paid = false;
        for (const LineResult& line : play.paylines) {
            if (line.pay > 0) {
                steps << capitalised(lineName(line.row)) + QStringLiteral(" line paid ") + credits(line.pay);
                paid = true;
            }
        }
        if (!paid) {
            steps << QStringLiteral("No line paid");
        }
    }
    if (terms.bonusMeter) {
        steps << QStringLiteral("Bonus points %1 → %2").arg(play.bonusPointsBefore).arg(play.bonusPointsAfter);
    }
    if (play.bonus) {
        steps << bonusText(*play.bonus, terms);
    }
    if (!terms.stockName.isEmpty()) {
        steps << capitalised(terms.stockName) +
                     QStringLiteral(": %1 before, %2 earned, %3 used")
                         .arg(play.stockBefore)
                         .arg(play.stockEarned)
                         .arg(play.stockUsed);
    }
}

} // namespace

PlayTerms playTermsOf(const Game& game) {
    PlayTerms terms;
    const std::string_view stock = stockName(game.values());
    terms.stockName = QString::fromUtf8(stock.data(), static_cast<qsizetype>(stock.size()));
    terms.bonusMeter = game.showsBonusMeter();
    return terms;
}

QString lineName(int row) {
    switch (row) {
    case 0:
        return QStringLiteral("top");
    case 2:
        return QStringLiteral("bottom");
    default:
        return QStringLiteral("middle");
    }
}

PlayDescription describePlay(const PlayRecord& play, const PlayTerms& terms) {
    PlayDescription d;
    d.heading = headingOf(play);
    d.time = QDateTime::fromSecsSinceEpoch(play.time, terms.zone).toString(QStringLiteral("d MMM yyyy 'at' HH:mm:ss"));
    switch (play.kind) {
    case PlayKind::Loan:
        d.steps << QStringLiteral("Borrowed ") + credits(play.loan);
        break;
    case PlayKind::Payback:
        d.steps << QStringLiteral("Paid back ") + credits(play.loan);
        break;
    default:
        addPlaySteps(d.steps, play, terms);
        break;
    }
    d.steps << QStringLiteral("Credits %1 → %2").arg(play.creditsBefore).arg(play.creditsAfter);
    if (play.kind != PlayKind::Loan && play.kind != PlayKind::Payback) {
        d.steps << (play.win > 0 ? QStringLiteral("Won ") + credits(play.win) : QStringLiteral("No win"));
    }
    return d;
}

} // namespace slotmachine
