#include "tools/assets/manual/Manual.h"

#include "engine/core/ClampedMath.h"
#include "tools/assets/manual/GamepadTable.h"
#include "tools/par/ParSheet.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace slotmachine::manual {

namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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
    qsizetype from = 0;
    for (QRegularExpressionMatch m = marker.match(page); m.hasMatch(); m = marker.match(page, from)) {
        QFile file(QStringLiteral(":/manual/common/%1.html").arg(m.captured(1)));
        if (!file.open(QIODevice::ReadOnly)) {
            error = QStringLiteral("there is no shared section '%1'").arg(m.captured(1));
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

namespace {

QString onceIn(const QLocale& english, double probability) {
    if (probability <= 0) {
        return QStringLiteral("never");
    }
    const double spins = 1.0 / probability;
    return english.toString(spins, 'f', spins < 100 ? 1 : 0);
}

} // namespace

PaybackSheets paybackSheets(const PlayableGame& playable) {
    const std::unique_ptr<Game> game = playable.make();
    PaybackSheets sheets;
    for (std::int32_t coins = 1; coins <= game->values().coinLimit; ++coins) {
        sheets.plain.push_back(par::computeParSheet(playable, {coins}));
    }
    // The game's own ways of spending its holds or nudges, each a column of its own.
    for (const SimStrategy& strategy : simStrategies(playable)) {
        if (strategy.afterSpin == nullptr) {
            continue;
        }
        sheets.played.emplace_back();
        for (std::int32_t coins = 1; coins <= game->values().coinLimit; ++coins) {
            // An estimated figure comes from a million spins, about 3 s of the build.
            sheets.played.back().push_back(
                par::computeParSheet(playable, {coins, std::string(strategy.name), 1'000'000}));
        }
    }
    return sheets;
}

PaybackReturns paybackReturns(const PaybackSheets& sheets) {
    PaybackReturns returns(1);
    returns.front().caption = QStringLiteral("Pays back");
    for (const par::ParSheet& sheet : sheets.plain) {
        returns.front().byCoins.push_back(MachineReturn{sheet.rtp, true});
    }
    for (const std::vector<par::ParSheet>& strategy : sheets.played) {
        ReturnColumn& column = returns.emplace_back();
        column.caption =
            strategy.front().strategy == "advice"
                ? QStringLiteral("With the machine's advice")
                : QStringLiteral("With %1 played well").arg(fromView(sheets.plain.front().stockName));
        for (const par::ParSheet& well : strategy) {
            column.byCoins.push_back(MachineReturn{well.rtp, well.exact});
        }
    }
    return returns;
}

QString paybackHtml(const PlayableGame& playable) {
    return paybackHtml(paybackSheets(playable));
}

QString paybackHtml(const PaybackSheets& figures) {
    const QLocale english(QLocale::English);
    const std::vector<par::ParSheet>& sheets = figures.plain;
    const std::vector<std::vector<par::ParSheet>>& played = figures.played;
    const PaybackReturns returns = paybackReturns(figures);
    const QString stock = fromView(sheets.front().stockName);
    const QString head = QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"5\" style=\"border-color: #8a5f22;\">\n"
        "<tr bgcolor=\"#4a2c12\">");
    auto th = [](const QString& text, bool left = false) {
        return QStringLiteral("<th align=\"%1\" style=\"color: #f6dc8c;\">%2</th>")
            .arg(left ? QStringLiteral("left") : QStringLiteral("right"), text);
    };
    auto rowStart = [](bool shaded) {
        return shaded ? QStringLiteral("<tr bgcolor=\"#f3e4c0\">")
                      : QStringLiteral("<tr bgcolor=\"#fbf3df\">");
    };

    QString html = QStringLiteral("<p>Over a long run of play, this is what the machine gives back for every "
                                  "credit you bet, and how often good things happen:</p>\n");
    html += head + th(QStringLiteral("Coins bet"), true);
    for (const ReturnColumn& column : returns) {
        html += th(column.caption);
    }
    html += th(QStringLiteral("A winning line, once in")) + th(QStringLiteral("The bonus game, once in")) +
            QStringLiteral("</tr>\n");
    bool shaded = false;
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const par::ParSheet& sheet = sheets[i];
        html += rowStart(shaded) + QStringLiteral("<td>%1</td>").arg(sheet.coins);
        for (const ReturnColumn& column : returns) {
            html += QStringLiteral("<td align=\"right\">%1</td>")
                        .arg(machineReturnText(column.byCoins[i], english));
        }
        html += QStringLiteral("<td align=\"right\">%1 spins</td><td align=\"right\">%2 spins</td></tr>\n")
                    .arg(onceIn(english, sheet.hitFrequency), onceIn(english, sheet.bonusFrequency));
        shaded = !shaded;
    }
    html += QStringLiteral("</table>\n");

    // The chance of each rule; one column when it does not depend on the bet.
    const auto sameOdds = [&](std::size_t rule) {
        for (const par::ParSheet& sheet : sheets) {
            if (std::abs(sheet.rules[rule].probability - sheets.front().rules[rule].probability) > 1e-12) {
                return false;
            }
        }
        return true;
    };
    bool oneColumn = true;
    for (std::size_t rule = 0; rule < sheets.front().rules.size(); ++rule) {
        oneColumn = oneColumn && sameOdds(rule);
    }
    html += QStringLiteral("<p>How often each line of the pay table comes up on a line you play, on "
                           "average:</p>\n");
    html += head + th(QStringLiteral("Payline"), true);
    if (oneColumn) {
        html += th(QStringLiteral("Once in"));
    } else {
        for (const par::ParSheet& sheet : sheets) {
            html += th(sheet.coins == 1 ? QStringLiteral("1 coin: once in")
                                        : QStringLiteral("%1 coins: once in").arg(sheet.coins));
        }
    }
    html += QStringLiteral("</tr>\n");
    shaded = false;
    for (std::size_t rule = 0; rule < sheets.front().rules.size(); ++rule) {
        html += rowStart(shaded) + QStringLiteral("<td>%1</td>")
                                       .arg(fromView(sheets.front().rules[rule].description).toHtmlEscaped());
        for (const par::ParSheet& sheet : sheets) {
            html += QStringLiteral("<td align=\"right\">%1 spins</td>")
                        .arg(onceIn(english, sheet.rules[rule].probability));
            if (oneColumn) {
                break;
            }
        }
        html += QStringLiteral("</tr>\n");
        shaded = !shaded;
    }
    html += QStringLiteral("</table>\n");

    const par::ParSheet& top = sheets.back();
    const bool anyEstimate = std::any_of(played.begin(), played.end(),
                                         [](const auto& strategy) { return !strategy.back().exact; });
    html += QStringLiteral("<p>These figures are exact%1: they come from playing every one of the %2 ways "
                           "the three reels can stop through the machine's own rules")
                .arg(anyEstimate ? QStringLiteral(" where they do not say &ldquo;about&rdquo;")
                                 : QStringLiteral(", not guessed"),
                     english.toString(static_cast<qlonglong>(top.cycle)));
    if (!top.carriedPoints.empty()) {
        html += QStringLiteral(", with the bonus points carried from spin to spin");
    }
    html += QStringLiteral(". A bonus game is counted at its average prize, %1 credits for a box opened at "
                           "random.")
                .arg(english.toString(top.bonusCredits, 'f', 2));
    if (!top.stockName.empty()) {
        html += QStringLiteral(" &ldquo;Pays back&rdquo; counts no %1 spent.").arg(stock);
    }
    for (const std::vector<par::ParSheet>& strategy : played) {
        const par::ParSheet& well = strategy.back();
        html +=
            well.strategy == "advice"
                ? QStringLiteral(
                      " &ldquo;With the machine's advice&rdquo; spends them after each losing spin "
                      "as Show Advice advises; ")
                : QStringLiteral(" &ldquo;With %1 played well&rdquo; spends them after each losing spin as a "
                                 "careful player would; ")
                      .arg(stock);
        html +=
            well.exact
                ? QStringLiteral("it is exact as long as you have %1 left, and such play %2.")
                      .arg(stock, well.stockEarned >= well.stockUsed
                                      ? QStringLiteral("earns more of them than it spends")
                                      : QStringLiteral("spends more of them than it earns, so a long "
                                                       "session pays back less"))
                : QStringLiteral("it is an estimate from %1 simulated spins, give or take about %2 points.")
                      .arg(english.toString(static_cast<qlonglong>(well.simulatedSpins)),
                           english.toString(200.0 * well.rtpStandardError, 'f', 0));
    }
    html += QStringLiteral(" Any single session can run well above or below them: that is the luck of "
                           "the reels.</p>");
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
