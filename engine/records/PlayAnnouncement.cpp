#include "engine/records/PlayAnnouncement.h"

#include "engine/core/Game.h"
#include "engine/core/GameText.h"

#include <QCoreApplication>
#include <QStringList>

namespace slotmachine {

namespace {

// What a screen reader says after a play, translated in the context "PlayAnnouncement".
struct Words {
    Q_DECLARE_TR_FUNCTIONS(PlayAnnouncement)
};

QString credits(std::int64_t n) {
    return n == 1 ? Words::tr("%1 credit").arg(n) : Words::tr("%1 credits").arg(n);
}

// A line that paid, or that started the bonus game, by the rule it matched.
QString lineAnnouncement(const LineResult& line, const Game& game) {
    const PayRule* rule = game.paytable().match(line.symbols[0], line.symbols[1], line.symbols[2]);
    if (rule == nullptr || (line.pay <= 0 && rule->payout != Payout::BonusGame)) {
        return {};
    }
    //: %1 is what won, as the pay chart names it: "Three Horses on the middle line".
    const QString where = line.row == 0   ? Words::tr("%1 on the top line")
                          : line.row == 2 ? Words::tr("%1 on the bottom line")
                                          : Words::tr("%1 on the middle line");
    const QString won = where.arg(gameText(rule->description));
    return line.pay > 0 ? won + QStringLiteral(", ") + credits(line.pay) : won;
}

// The stock is shown by its name in the player's language (`stock`).
QString bonusAnnouncement(const BoxPick& pick, const QString& stock) {
    const int box = pick.box + 1;
    if (pick.paid > 0) {
        return Words::tr("bonus box %1, %2").arg(box).arg(credits(pick.paid));
    }
    if (pick.held > 0 && !stock.isEmpty()) {
        //: %2 is the game's stock: "holds", "nudges".
        return Words::tr("bonus box %1, a prize of %2").arg(box).arg(stock);
    }
    return Words::tr("bonus box %1 held nothing").arg(box);
}

// "1 nudge earned", "2 nudges earned". The game names its stock in the plural; in
// English one drops the plural s, a translation takes the name as it stands.
QString stockAnnouncement(std::int32_t earned, std::string_view stockName) {
    const QString english = QString::fromUtf8(stockName.data(), static_cast<qsizetype>(stockName.size()));
    const QString shown = gameText(stockName);
    const QString name = earned == 1 && shown == english ? english.chopped(1) : shown;
    //: %2 is the game's stock ("holds", "nudges"), in your language's plural even for one.
    return Words::tr("%1 %2 earned").arg(earned).arg(name);
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
        return Words::tr("Borrowed %1").arg(credits(play.loan));
    }
    if (play.kind == PlayKind::Payback) {
        return Words::tr("Paid back %1").arg(credits(play.loan));
    }
    const std::string_view stock = stockName(game.values());
    QStringList parts;
    if (play.kind != PlayKind::Bonus) {
        for (const LineResult& line : play.paylines) {
            if (const QString text = lineAnnouncement(line, game); !text.isEmpty()) {
                parts << text;
            }
        }
    }
    if (play.bonus) {
        parts << bonusAnnouncement(*play.bonus, stock.empty() ? QString() : gameText(stock));
    }
    if (parts.isEmpty()) {
        parts << Words::tr("No win");
    }
    if (play.stockEarned > 0 && !stock.empty()) {
        parts << stockAnnouncement(play.stockEarned, stock);
    }
    return capitalised(parts.join(QStringLiteral("; ")));
}

} // namespace slotmachine
