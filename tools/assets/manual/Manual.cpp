#include "tools/assets/manual/Manual.h"

#include "engine/state/ClampedMath.h"
#include "games/Catalog.h"

#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <algorithm>
#include <cstdio>

namespace slotmachine::manual {

namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int fail(const QString& message) {
    std::fprintf(stderr, "slots-assets manual: %s\n", message.toLocal8Bit().constData());
    return 1;
}

} // namespace

QString paytableHtml(const Game& game) {
    const QLocale english(QLocale::English);
    const std::int32_t coinLimit = game.values().coinLimit;
    QString html = QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"5\" style=\"border-color: #8a5f22;\">\n"
        "<tr bgcolor=\"#4a2c12\"><th align=\"left\" style=\"color: #f6dc8c;\">Payline</th>");
    // Where coins open lines, a line pays the same whatever the bet: one column says it.
    const auto rules = game.paytable().rules();
    const bool perLine = !rules.empty() && std::all_of(rules.begin(), rules.end(), [](const PayRule& r) {
        return r.payout == Payout::PerLine;
    });
    const std::int32_t columns = perLine ? 1 : coinLimit;
    for (std::int32_t coins = 1; coins <= columns; ++coins) {
        const QString heading = perLine      ? QStringLiteral("Each active line")
                                : coins == 1 ? QStringLiteral("1 coin")
                                             : QStringLiteral("%1 coins").arg(coins);
        html += QStringLiteral("<th align=\"right\" style=\"color: #f6dc8c;\">%1</th>").arg(heading);
    }
    html += QStringLiteral("</tr>\n");
    bool shaded = false;
    for (const PayRule& rule : game.paytable().rules()) {
        html +=
            shaded ? QStringLiteral("<tr bgcolor=\"#f3e4c0\">") : QStringLiteral("<tr bgcolor=\"#fbf3df\">");
        html += QStringLiteral("<td>%1</td>").arg(fromView(rule.description).toHtmlEscaped());
        for (std::int32_t coins = 1; coins <= columns; ++coins) {
            html += QStringLiteral("<td align=\"right\">%1</td>")
                        .arg(rule.payout == Payout::BonusGame ? QStringLiteral("Bonus game")
                                                              : english.toString(rule.credits(coins)));
        }
        html += QStringLiteral("</tr>\n");
        shaded = !shaded;
    }
    html += QStringLiteral("</table>");
    return html;
}

std::optional<QString> fillManual(const QString& templateText, const Game& game, QString& error) {
    const QString marker = QString::fromLatin1(PaytableMarker);
    if (!templateText.contains(marker)) {
        error = QStringLiteral("the template has no %1 marker where the pay table goes").arg(marker);
        return std::nullopt;
    }
    QString filled = templateText;
    filled.replace(marker, paytableHtml(game));
    return filled;
}

int runManualCommand(const QStringList& args) {
    if (args.size() != 3) {
        return fail(QStringLiteral("usage: slots-assets manual GAME TEMPLATE.html OUT.html"));
    }
    const std::unique_ptr<Game> game = makeGame(args[0].toStdString());
    if (!game) {
        QStringList names;
        for (const std::string_view name : gameNames()) {
            names.append(fromView(name));
        }
        return fail(
            QStringLiteral("'%1' is not a game (games: %2)").arg(args[0], names.join(QStringLiteral(", "))));
    }
    QFile in(args[1]);
    if (!in.open(QIODevice::ReadOnly)) {
        return fail(QStringLiteral("cannot read %1: %2").arg(args[1], in.errorString()));
    }
    QString error;
    const std::optional<QString> manual = fillManual(QString::fromUtf8(in.readAll()), *game, error);
    if (!manual) {
        return fail(QStringLiteral("%1: %2").arg(args[1], error));
    }
    QSaveFile out(args[2]);
    const QByteArray bytes = manual->toUtf8();
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        return fail(QStringLiteral("cannot write %1: %2").arg(args[2], out.errorString()));
    }
    return 0;
}

} // namespace slotmachine::manual
