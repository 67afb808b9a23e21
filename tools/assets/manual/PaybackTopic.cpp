// The manual's Payback topic: the game's return at every bet from its PAR sheets,
// in words and tables in the manual's language, and the same returns for the
// statistics window.
#include "tools/assets/manual/Manual.h"

#include "engine/core/GameText.h"
#include "tools/assets/manual/ManualText.h"
#include "tools/par/ParSheet.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace slotmachine::manual {

namespace {

// A count of spins or ways in the manual's language. Qt 6.4 leaves out the first
// digit group's separator of a number of seven digits where the language groups only
// numbers of five digits or more, as Spanish does ("1000.000"); from a million on the
// digits are grouped in threes throughout, as every language the games speak does.
QString countText(const QLocale& locale, qlonglong count) {
    if (count < 1'000'000) {
        return locale.toString(count);
    }
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = plain.toString(count);
    for (qsizetype at = text.size() - 3; at > 0; at -= 3) {
        text.insert(at, locale.groupSeparator());
    }
    return text;
}

// "once in" so many spins: the number, or "never".
QString onceIn(const QLocale& locale, double probability) {
    if (probability <= 0) {
        return QCoreApplication::translate("Manual", "never",
                                           "how often a win comes: once in ... spins, or never");
    }
    const double spins = 1.0 / probability;
    return locale.toString(spins, 'f', spins < 100 ? 1 : 0);
}

// "%1 spins" for onceIn's number.
QString onceInSpins(const QLocale& locale, double probability) {
    return QCoreApplication::translate("Manual", "%1 spins",
                                       "once in so many spins (%1 is a number, or the word for never)")
        .arg(onceIn(locale, probability));
}

// A return as the manual shows it: "98.01%" for an exact one, "about 105%" for an
// estimate (machineReturnText, in the manual's language).
QString returnText(const MachineReturn& value, const QLocale& locale) {
    return value.exact ? QCoreApplication::translate("Manual", "%1%", "an exact return")
                             .arg(locale.toString(100.0 * value.rtp, 'f', 2))
                       : QCoreApplication::translate("Manual", "about %1%", "an estimated return")
                             .arg(locale.toString(100.0 * value.rtp, 'f', 0));
}

// The caption of a column of the return table, in the manual's language; `strategy`
// empty for the column that spends nothing.
QString returnCaption(std::string_view strategy, const QString& stock) {
    if (strategy.empty()) {
        return QCoreApplication::translate("Manual", "Pays back",
                                           "the return of a game that spends no holds or nudges");
    }
    return strategy == "advice" ? QCoreApplication::translate("Manual", "With the machine's advice")
                                : QCoreApplication::translate("Manual", "With %1 played well",
                                                              "%1: the game's holds or nudges")
                                      .arg(stock);
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
    const QLocale locale = manualLocale();
    const std::vector<par::ParSheet>& sheets = figures.plain;
    const std::vector<std::vector<par::ParSheet>>& played = figures.played;
    const PaybackReturns returns = paybackReturns(figures);
    const QString stock = sheets.front().stockName.empty() ? QString() : gameText(sheets.front().stockName);
    // The returns' captions as the manual's language writes them (the returns file
    // keeps its English ones).
    QStringList captions{returnCaption({}, stock)};
    for (const std::vector<par::ParSheet>& strategy : played) {
        captions.append(returnCaption(strategy.front().strategy, stock));
    }
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

    QString html = QStringLiteral("<p>%1</p>\n")
                       .arg(QCoreApplication::translate(
                           "Manual", "Over a long run of play, this is what the machine gives back for every "
                                     "credit you bet, and how often good things happen:"));
    html += head + th(QCoreApplication::translate("Manual", "Coins bet"), true);
    for (const QString& caption : captions) {
        html += th(caption);
    }
    html += th(QCoreApplication::translate("Manual", "A winning line, once in")) +
            th(QCoreApplication::translate("Manual", "The bonus game, once in")) + QStringLiteral("</tr>\n");
    bool shaded = false;
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const par::ParSheet& sheet = sheets[i];
        html += rowStart(shaded) + QStringLiteral("<td>%1</td>").arg(sheet.coins);
        for (const ReturnColumn& column : returns) {
            html += QStringLiteral("<td align=\"right\">%1</td>").arg(returnText(column.byCoins[i], locale));
        }
        html += QStringLiteral("<td align=\"right\">%1</td><td align=\"right\">%2</td></tr>\n")
                    .arg(onceInSpins(locale, sheet.hitFrequency), onceInSpins(locale, sheet.bonusFrequency));
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
    html +=
        QStringLiteral("<p>%1</p>\n")
            .arg(QCoreApplication::translate(
                "Manual", "How often each line of the pay table comes up on a line you play, on average:"));
    html += head + th(QCoreApplication::translate(
                          "Manual", "Payline", "the pay table's first column: the symbols a line pays for"),
                      true);
    if (oneColumn) {
        html += th(QCoreApplication::translate("Manual", "Once in"));
    } else {
        for (const par::ParSheet& sheet : sheets) {
            html += th(sheet.coins == 1
                           ? QCoreApplication::translate("Manual", "1 coin: once in")
                           : QCoreApplication::translate("Manual", "%1 coins: once in").arg(sheet.coins));
        }
    }
    html += QStringLiteral("</tr>\n");
    shaded = false;
    for (std::size_t rule = 0; rule < sheets.front().rules.size(); ++rule) {
        html += rowStart(shaded) + QStringLiteral("<td>%1</td>")
                                       .arg(gameText(sheets.front().rules[rule].description).toHtmlEscaped());
        for (const par::ParSheet& sheet : sheets) {
            html += QStringLiteral("<td align=\"right\">%1</td>")
                        .arg(onceInSpins(locale, sheet.rules[rule].probability));
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
    const QString ways = countText(locale, static_cast<qlonglong>(top.cycle));
    const QString carried =
        top.carriedPoints.empty()
            ? QString()
            : QCoreApplication::translate("Manual", ", with the bonus points carried from spin to spin",
                                          "added to the end of the sentence 'These figures are exact...'");
    html +=
        QStringLiteral("<p>") +
        (anyEstimate
             ? QCoreApplication::translate(
                   "Manual",
                   "These figures are exact where they do not say &ldquo;about&rdquo;: they come from "
                   "playing "
                   "every one of the %1 ways the three reels can stop through the machine's own rules%2.",
                   "%2: nothing, or the words about bonus points carried from spin to spin")
             : QCoreApplication::translate(
                   "Manual",
                   "These figures are exact, not guessed: they come from playing every one of the %1 ways "
                   "the three reels can stop through the machine's own rules%2.",
                   "%2: nothing, or the words about bonus points carried from spin to spin"))
            .arg(ways, carried);
    html += QLatin1Char(' ') +
            QCoreApplication::translate(
                "Manual", "A bonus game is counted at its average prize, %1 credits for a box opened at "
                          "random.")
                .arg(locale.toString(top.bonusCredits, 'f', 2));
    if (!top.stockName.empty()) {
        html += QLatin1Char(' ') + QCoreApplication::translate("Manual",
                                                               "&ldquo;Pays back&rdquo; counts no %1 spent.",
                                                               "%1: the game's holds or nudges")
                                       .arg(stock);
    }
    for (std::size_t i = 0; i < played.size(); ++i) {
        const par::ParSheet& well = played[i].back();
        // One sentence in two halves: how the column plays, then how far its figures go.
        html +=
            QLatin1Char(' ') +
            (well.strategy == "advice"
                 ? QCoreApplication::translate(
                       "Manual",
                       "&ldquo;With the machine's advice&rdquo; spends them after each losing spin as Show "
                       "Advice advises",
                       "first half of a sentence; 'Show Advice' is the menu item")
                 : QCoreApplication::translate(
                       "Manual",
                       "&ldquo;With %1 played well&rdquo; spends them after each losing spin as a careful "
                       "player would",
                       "first half of a sentence; %1: the game's holds or nudges")
                       .arg(stock)) +
            QStringLiteral("; ");
        if (!well.exact) {
            html += QCoreApplication::translate(
                        "Manual", "it is an estimate from %1 simulated spins, give or take about %2 points.",
                        "second half of a sentence, after a semicolon")
                        .arg(countText(locale, static_cast<qlonglong>(well.simulatedSpins)),
                             locale.toString(200.0 * well.rtpStandardError, 'f', 0));
        } else if (well.stockEarned >= well.stockUsed) {
            html += QCoreApplication::translate(
                        "Manual",
                        "it is exact as long as you have %1 left, and such play earns more of them than it "
                        "spends.",
                        "second half of a sentence, after a semicolon; %1: the game's holds or nudges")
                        .arg(stock);
        } else {
            html += QCoreApplication::translate(
                        "Manual",
                        "it is exact as long as you have %1 left, and such play spends more of them than it "
                        "earns, so a long session pays back less.",
                        "second half of a sentence, after a semicolon; %1: the game's holds or nudges")
                        .arg(stock);
        }
    }
    html +=
        QLatin1Char(' ') +
        QCoreApplication::translate(
            "Manual", "Any single session can run well above or below them: that is the luck of the reels.") +
        QStringLiteral("</p>");
    return html;
}

} // namespace slotmachine::manual
