#include "engine/records/PlayDescription.h"

#include "engine/core/Game.h"
#include "engine/core/GameText.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

namespace slotmachine {

namespace {

// The words of a play, translated in the context "PlayDescription".
struct Words {
    Q_DECLARE_TR_FUNCTIONS(PlayDescription)
};

// Amounts of credits: English writes the digits as they are, a translation's %L1 groups them.
QString credits(std::int64_t n) {
    return n == 1 ? Words::tr("%1 credit").arg(n) : Words::tr("%1 credits").arg(n);
}

QString betText(const PlayRecord& play) {
    const auto lines = static_cast<std::int64_t>(play.lines.size());
    const QString coins = play.coins == 1 ? Words::tr("%1 coin").arg(play.coins) : Words::tr("%1 coins").arg(play.coins);
    const QString open = lines == 1 ? Words::tr("%1 line").arg(lines) : Words::tr("%1 lines").arg(lines);
    //: The bet of a spin: "3 coins on 3 lines".
    return Words::tr("%1 on %2").arg(coins, open);
}

QString moveText(const ReelMove& move) {
    const int reel = move.reel + 1;
    switch (move.by) {
    case ReelMover::Held:
        return Words::tr("Reel %1 held at stop %2").arg(reel).arg(move.to);
    case ReelMover::Up:
        return Words::tr("Reel %1 moved up from stop %2 to %3").arg(reel).arg(move.from).arg(move.to);
    case ReelMover::Down:
        return Words::tr("Reel %1 moved down from stop %2 to %3").arg(reel).arg(move.from).arg(move.to);
    case ReelMover::Nudge:
        break;
    }
    return Words::tr("Reel %1 nudged from stop %2 to %3").arg(reel).arg(move.from).arg(move.to);
}

QString stopsText(const PlayRecord& play) {
    return Words::tr("Reels at rest at stops %1, %2 and %3").arg(play.stops[0]).arg(play.stops[1]).arg(play.stops[2]);
}

// The box is numbered from 1, as the player counts them. A box that paid nothing
// but held a prize gave the game's stock instead (the stock line says how much).
QString bonusText(const BoxPick& pick, const PlayTerms& terms) {
    const int box = pick.box + 1;
    if (pick.paid > 0) {
        return Words::tr("Bonus game: box %1 held %2 and paid %3").arg(box).arg(pick.held).arg(credits(pick.paid));
    }
    if (pick.held > 0 && !terms.stockName.isEmpty()) {
        //: %2 is the game's stock: "holds", "nudges".
        return Words::tr("Bonus game: box %1 gave a prize of %2").arg(box).arg(gameText(terms.stockName.toStdString()));
    }
    return Words::tr("Bonus game: box %1 held nothing").arg(box);
}

QString headingOf(const PlayRecord& play) {
    const bool first = play.spin <= 0;
    switch (play.kind) {
    case PlayKind::Spin:
        //: The heading of a spin: "Spin 57".
        return Words::tr("Spin %1").arg(play.spin);
    case PlayKind::Nudge:
        return first ? Words::tr("Nudge before the first spin") : Words::tr("Nudge after spin %1").arg(play.spin);
    case PlayKind::Loan:
        return first ? Words::tr("Loan before the first spin") : Words::tr("Loan after spin %1").arg(play.spin);
    case PlayKind::Payback:
        return first ? Words::tr("Payback before the first spin") : Words::tr("Payback after spin %1").arg(play.spin);
    case PlayKind::Bonus:
        break;
    }
    return first ? Words::tr("Bonus game played later, before the first spin")
                 : Words::tr("Bonus game played later, after spin %1").arg(play.spin);
}

QString linePaidText(int row, std::int64_t pay) {
    switch (row) {
    case 0:
        return Words::tr("Top line paid %1").arg(credits(pay));
    case 2:
        return Words::tr("Bottom line paid %1").arg(credits(pay));
    default:
        return Words::tr("Middle line paid %1").arg(credits(pay));
    }
}

// The reels, the lines and what the stock, the bonus meter and the bonus game did:
// everything but the loan desk's plays has them.
void addPlaySteps(QStringList& steps, const PlayRecord& play, const PlayTerms& terms) {
    if (play.kind == PlayKind::Spin) {
        //: What a spin bet: "Bet 3 coins on 3 lines".
        steps << Words::tr("Bet %1").arg(betText(play));
    } else if (play.kind == PlayKind::Nudge) {
        steps << Words::tr("Last bet: %1").arg(betText(play));
    }
    for (const ReelMove& move : play.moves) {
        steps << moveText(move);
    }
    if (play.kind != PlayKind::Bonus) {
        steps << stopsText(play);
        bool paid = false;
        for (const LineResult& line : play.paylines) {
            if (line.pay > 0) {
                steps << linePaidText(line.row, line.pay);
                paid = true;
            }
        }
        if (!paid) {
            steps << Words::tr("No line paid");
        }
    }
    if (terms.bonusMeter) {
        steps << Words::tr("Bonus points %1 → %2").arg(play.bonusPointsBefore).arg(play.bonusPointsAfter);
    }
    if (play.bonus) {
        steps << bonusText(*play.bonus, terms);
    }
    if (!terms.stockName.isEmpty()) {
        QString stock = gameText(terms.stockName.toStdString());
        if (!stock.isEmpty()) {
            stock[0] = stock[0].toUpper();
        }
        //: %1 is the game's stock, capitalised: "Holds", "Nudges".
        steps << Words::tr("%1: %2 before, %3 earned, %4 used")
                     .arg(stock)
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
        //: A row of the reels, as a screen reader names a symbol in it: "top Cherry".
        return Words::tr("top");
    case 2:
        return Words::tr("bottom");
    default:
        return Words::tr("middle");
    }
}

PlayDescription describePlay(const PlayRecord& play, const PlayTerms& terms) {
    PlayDescription d;
    d.heading = headingOf(play);
    //: How a play's time is shown, in QDateTime's format letters: "8 Dec 2026 at 13:00:05".
    const QString timeFormat = Words::tr("d MMM yyyy 'at' HH:mm:ss");
    d.time = QLocale().toString(QDateTime::fromSecsSinceEpoch(play.time, terms.zone), timeFormat);
    switch (play.kind) {
    case PlayKind::Loan:
        d.steps << Words::tr("Borrowed %1").arg(credits(play.loan));
        break;
    case PlayKind::Payback:
        d.steps << Words::tr("Paid back %1").arg(credits(play.loan));
        break;
    default:
        addPlaySteps(d.steps, play, terms);
        break;
    }
    d.steps << Words::tr("Credits %1 → %2").arg(play.creditsBefore).arg(play.creditsAfter);
    if (play.kind != PlayKind::Loan && play.kind != PlayKind::Payback) {
        d.steps << (play.win > 0 ? Words::tr("Won %1").arg(credits(play.win)) : Words::tr("No win"));
    }
    return d;
}

} // namespace slotmachine
