#include "tools/assets/manual/Manual.h"

#include "engine/core/GameText.h"
#include "engine/shell/PlayerLanguage.h"
#include "tools/assets/manual/GamepadTable.h"
#include "tools/assets/manual/ManualText.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>
#include <cstdio>

namespace slotmachine::manual {

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "manual: %s\n", message.toLocal8Bit().constData());
    return 1;
}

// The opening tag of the first `tag` element in the page, or the bare tag.
QString firstOpeningTag(const QString& page, const QString& tag) {
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("<%1( [^>]*)?>").arg(tag)).match(page);
    return m.hasMatch() ? m.captured(0) : QStringLiteral("<%1>").arg(tag);
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        fail(QStringLiteral("cannot write %1: %2").arg(path, out.errorString()));
        return false;
    }
    return true;
}

// Every shared section marker replaced by its section, made the game's own.
bool fillCommonSections(QString& page, const Game& game, QString& error) {
    const QString title = fromView(game.values().title);
    const QList<std::pair<QString, QString>> replacements = {
        {QStringLiteral("<h2>"), firstOpeningTag(page, QStringLiteral("h2"))},
        {QStringLiteral("<h3>"), firstOpeningTag(page, QStringLiteral("h3"))},
        {QStringLiteral("{{title}}"), title},
        {QStringLiteral("{{title-unbroken}}"),
         QString(title).replace(QLatin1Char(' '), QStringLiteral("&nbsp;"))},
        {QStringLiteral("{{program}}"), fromView(game.values().programName)},
    };
    const QRegularExpression marker(QString::fromLatin1(CommonSectionPattern));
    // The installed language's sections are in a folder of their own: common/de/.
    const QString folder = playerLanguage().isEmpty() ? QString() : playerLanguage() + QLatin1Char('/');
    qsizetype from = 0;
    for (QRegularExpressionMatch m = marker.match(page); m.hasMatch(); m = marker.match(page, from)) {
        QFile file(QStringLiteral(":/manual/common/%1%2.html").arg(folder, m.captured(1)));
        if (!file.open(QIODevice::ReadOnly)) {
            error = QStringLiteral("there is no shared section '%1'").arg(m.captured(1));
            if (!folder.isEmpty()) {
                error += QStringLiteral(" in %1").arg(playerLanguage());
            }
            return false;
        }
        QString section = QString::fromUtf8(file.readAll());
        section.chop(section.endsWith(QLatin1Char('\n')) ? 1 : 0);
        for (const auto& [placeholder, text] : replacements) {
            section.replace(placeholder, text);
        }
        page.replace(m.capturedStart(), m.capturedLength(), section);
        from = m.capturedStart() + section.size(); // a section is not searched for markers
    }
    return true;
}

} // namespace

QString paytableHtml(const Game& game) {
    const QLocale locale = manualLocale();
    const std::int32_t coinLimit = game.values().coinLimit;
    QString html =
        QStringLiteral(
            "<table border=\"1\" cellspacing=\"0\" cellpadding=\"5\" style=\"border-color: #8a5f22;\">\n"
            "<tr bgcolor=\"#4a2c12\"><th align=\"left\" style=\"color: #f6dc8c;\">%1</th>")
            .arg(QCoreApplication::translate("Manual", "Payline",
                                             "the pay table's first column: the symbols a line pays for"));
    // Where coins open lines, a line pays the same whatever the bet: one column says it.
    const auto rules = game.paytable().rules();
    const bool perLine = !rules.empty() && std::all_of(rules.begin(), rules.end(), [](const PayRule& r) {
        return r.payout == Payout::PerLine;
    });
    const std::int32_t columns = perLine ? 1 : coinLimit;
    for (std::int32_t coins = 1; coins <= columns; ++coins) {
        const QString heading = perLine      ? QCoreApplication::translate("Manual", "Each active line")
                                : coins == 1 ? QCoreApplication::translate("Manual", "1 coin")
                                             : QCoreApplication::translate("Manual", "%1 coins").arg(coins);
        html += QStringLiteral("<th align=\"right\" style=\"color: #f6dc8c;\">%1</th>").arg(heading);
    }
    html += QStringLiteral("</tr>\n");
    bool shaded = false;
    for (const PayRule& rule : game.paytable().rules()) {
        html +=
            shaded ? QStringLiteral("<tr bgcolor=\"#f3e4c0\">") : QStringLiteral("<tr bgcolor=\"#fbf3df\">");
        html += QStringLiteral("<td>%1</td>").arg(gameText(rule.description).toHtmlEscaped());
        for (std::int32_t coins = 1; coins <= columns; ++coins) {
            html += QStringLiteral("<td align=\"right\">%1</td>")
                        .arg(rule.payout == Payout::BonusGame
                                 ? QCoreApplication::translate("Manual", "Bonus game")
                                 : locale.toString(rule.credits(coins)));
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
    if (!fillCommonSections(filled, game, error)) {
        return std::nullopt;
    }
    filled.replace(QString::fromLatin1(GamepadMarker), gamepadTableHtml(game));
    return filled;
}

int runManualCommand(const PlayableGame& playable, const QStringList& args) {
    if (args.size() != 2 && args.size() != 3) {
        return fail(QStringLiteral("usage: manual TEMPLATE.html OUT.html [RETURNS.json]"));
    }
    const std::unique_ptr<Game> game = playable.make();
    QFile in(args[0]);
    if (!in.open(QIODevice::ReadOnly)) {
        return fail(QStringLiteral("cannot read %1: %2").arg(args[0], in.errorString()));
    }
    QString error;
    std::optional<QString> manual = fillManual(QString::fromUtf8(in.readAll()), *game, error);
    if (!manual) {
        return fail(QStringLiteral("%1: %2").arg(args[0], error));
    }
    // The sheets are worked out once, for the Payback topic and the returns file alike.
    const QString payback = QString::fromLatin1(PaybackMarker);
    std::optional<PaybackSheets> sheets;
    if (manual->contains(payback) || args.size() == 3) {
        sheets = paybackSheets(playable);
    }
    if (manual->contains(payback)) {
        manual->replace(payback, paybackHtml(*sheets));
    }
    if (!writeFile(args[1], manual->toUtf8())) {
        return 1;
    }
    return args.size() == 3 && !writeFile(args[2], paybackReturnsJson(paybackReturns(*sheets))) ? 1 : 0;
}

} // namespace slotmachine::manual
