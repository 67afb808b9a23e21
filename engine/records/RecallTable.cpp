#include "engine/records/RecallTable.h"

#include "engine/records/RecallText.h"

#include <QDateTime>
#include <QStringList>

namespace slotmachine {

namespace {

QString stopsText(const std::array<std::int32_t, ReelCount>& stops) {
    QStringList parts;
    for (const std::int32_t stop : stops) {
        parts << QString::number(stop);
    }
    return parts.join(QLatin1Char('-'));
}

// The features, the stock, the bonus game and the loan of a play, in a few words.
QString noteOf(const PlayRecord& play, const QString& stockName) {
    QStringList parts;
    for (const ReelMove& move : play.moves) {
        parts << (move.by == ReelMover::Held ? QStringLiteral("reel %1 held").arg(move.reel + 1)
                                             : QStringLiteral("reel %1 %2 %3→%4")
                                                   .arg(move.reel + 1)
                                                   .arg(moverName(move.by))
                                                   .arg(move.from)
                                                   .arg(move.to));
    }
    if (play.stockEarned != 0 || play.stockUsed != 0) {
        parts << QStringLiteral("%1 %2 +%3 -%4")
                     .arg(stockName)
                     .arg(play.stockBefore)
                     .arg(play.stockEarned)
                     .arg(play.stockUsed);
    }
    if (play.bonusPointsAfter != play.bonusPointsBefore) {
        parts << QStringLiteral("points %1→%2").arg(play.bonusPointsBefore).arg(play.bonusPointsAfter);
    }
    if (play.bonus) {
        parts << QStringLiteral("box %1 held %2 paid %3")
                     .arg(play.bonus->box + 1)
                     .arg(play.bonus->held)
                     .arg(play.bonus->paid);
    }
    if (play.kind == PlayKind::Loan) {
        parts << QStringLiteral("borrowed %1").arg(play.loan);
    } else if (play.kind == PlayKind::Payback) {
        parts << QStringLiteral("paid back %1").arg(play.loan);
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace

QString recallTable(const RecallLog& log, const QString& stockName) {
    const auto row = [](const QString& number, const QString& time, const QString& kind, const QString& spin,
                        const QString& coins, const QString& stops, const QString& win,
                        const QString& credits, const QString& note) {
        QString line = QStringLiteral("%1  %2  %3  %4  %5  %6  %7  %8  %9")
                           .arg(number, 3)
                           .arg(time, -19)
                           .arg(kind, -7)
                           .arg(spin, 6)
                           .arg(coins, 5)
                           .arg(stops, -8)
                           .arg(win, 6)
                           .arg(credits, -23)
                           .arg(note);
        while (line.endsWith(QLatin1Char(' '))) {
            line.chop(1); // a play without a note
        }
        return line + QLatin1Char('\n');
    };
    QString table =
        row(QStringLiteral("#"), QStringLiteral("time (UTC)"), QStringLiteral("kind"), QStringLiteral("spin"),
            QStringLiteral("coins"), QStringLiteral("stops"), QStringLiteral("win"),
            QStringLiteral("credits before → after"), QStringLiteral("note"));
    std::size_t number = 0;
    for (const PlayRecord& play : log) {
        table += row(
            QString::number(++number),
            QDateTime::fromSecsSinceEpoch(play.time, Qt::UTC).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
            kindName(play.kind), QString::number(play.spin), QString::number(play.coins),
            stopsText(play.stops), QString::number(play.win),
            QStringLiteral("%1 → %2").arg(play.creditsBefore).arg(play.creditsAfter), noteOf(play, stockName));
    }
    return table;
}

} // namespace slotmachine
