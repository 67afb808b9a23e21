// The manual: the pay table made from the pay rules, each game's template with its
// topics, and the command the build runs.
#include "tools/assets/manual/Manual.h"

#include "engine/core/GameText.h"
#include "engine/shell/GamepadMapping.h"
#include "engine/shell/PlayerLanguage.h"
#include "games/Catalog.h"
#include "games/orevein/OreveinGame.h"
#include "tools/assets/manual/GamepadPicture.h"
#include "tools/assets/manual/GamepadTable.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <gtest/gtest.h>

using namespace slotmachine;
using namespace slotmachine::manual;

namespace {

// A table's cells as the help window's document reads them.
std::vector<QStringList> tableCells(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    std::vector<QStringList> rows;
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame)) {
            for (int r = 0; r < table->rows(); ++r) {
                QStringList row;
                for (int c = 0; c < table->columns(); ++c) {
                    const QTextTableCell cell = table->cellAt(r, c);
                    QTextCursor cursor = cell.firstCursorPosition();
                    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
                    row.append(cursor.selectedText());
                }
                rows.push_back(row);
            }
            break;
        }
    }
    return rows;
}

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The game's manual template, games/<name>/manual/<program>.html, or in a language
// <program>.<language>.html; empty when there is none.
QString manualTemplate(const Game& game, std::string_view name, const QString& language = {}) {
    // The test's own place in the source tree leads to the template.
    const QString path = QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
                         QStringLiteral("/../../games/%1/manual/%2%3.html")
                             .arg(fromView(name), fromView(game.values().programName),
                                  language.isEmpty() ? QString() : QLatin1Char('.') + language);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Installs a language for a test's length.
struct LanguageInstalled {
    explicit LanguageInstalled(const QString& language) { installPlayerLanguage(language); }
    ~LanguageInstalled() { installPlayerLanguage({}); }
    LanguageInstalled(const LanguageInstalled&) = delete;
    LanguageInstalled& operator=(const LanguageInstalled&) = delete;
};

// Orevein with other pay rules.
class RuledGame final : public Game {
public:
    explicit RuledGame(std::vector<PayRule> rules) : rules_(std::move(rules)), paytable_(rules_) {}
    const GameValues& values() const override { return orevein_.values(); }
    const Paytable& paytable() const override { return paytable_; }
    int symbolNumber(int reel, int position) const override { return orevein_.symbolNumber(reel, position); }

private:
    std::vector<PayRule> rules_;
    Paytable paytable_;
    orevein::OreveinGame orevein_;
};

} // namespace

TEST(ManualPaytable, ListsEveryRuleWithItsPayForEachCoin) {
    const orevein::OreveinGame game;
    const std::vector<QStringList> rows = tableCells(paytableHtml(game));
    const auto rules = game.paytable().rules();
    ASSERT_EQ(rows.size(), rules.size() + 1);
    EXPECT_EQ(rows[0], (QStringList{"Payline", "1 coin", "2 coins", "3 coins", "4 coins", "5 coins"}));
    const QLocale english(QLocale::English);
    for (std::size_t i = 0; i < rules.size(); ++i) {
        QStringList expected{QString::fromUtf8(rules[i].description.data(),
                                               static_cast<qsizetype>(rules[i].description.size()))};
        for (int coins = 1; coins <= 5; ++coins) {
            expected.append(english.toString(rules[i].pay * coins));
        }
        EXPECT_EQ(rows[i + 1], expected);
    }
    EXPECT_EQ(rows[1].last(), QStringLiteral("7,500"));
}

TEST(ManualPaytable, LinesThatCoinsOpenGetOnePayColumn) {
    const RuledGame game({eachReelIn(symbolSet({1, 0}), 50, "Bars").paying(Payout::PerLine)});
    const std::vector<QStringList> rows = tableCells(paytableHtml(game));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (QStringList{"Payline", "Each active line"}));
    EXPECT_EQ(rows[1], (QStringList{"Bars", "50"}));
}

TEST(ManualPaytable, DescriptionsAreTextNotMarkup) {
    const RuledGame game({eachReelIn(symbolSet({1}), 9, "Bars & <b>Stars</b>")});
    const std::vector<QStringList> rows = tableCells(paytableHtml(game));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].first(), QStringLiteral("Bars & <b>Stars</b>"));
}

// In English, and in each language whose template the game has, with the same
// topics and anchors as the English manual and the pictures of that language.
TEST(ManualTemplate, EachGamesManualHasEveryTopicAndItsPayTable) {
    for (const std::string_view name : gameNames()) {
        const std::unique_ptr<Game> game = makeGame(name);
        QSet<QString> englishNames;
        for (const QString& language : QStringList{QString()} + translatedLanguages()) {
            SCOPED_TRACE(std::string(name) + " " + language.toStdString());
            const QString text = manualTemplate(*game, name, language);
            if (!language.isEmpty() && text.isEmpty()) {
                continue; // not translated yet
            }
            ASSERT_FALSE(text.isEmpty());
            const LanguageInstalled installed(language);
            QString error;
            const std::optional<QString> manual = fillManual(text, *game, error);
            ASSERT_TRUE(manual) << error.toStdString();
            for (const int topic : {41003, 41005, 41008, 41009, 41010}) {
                EXPECT_TRUE(manual->contains(QStringLiteral("<a name=\"%1\"></a>").arg(topic))) << topic;
            }
            EXPECT_FALSE(manual->contains(QString::fromLatin1(PaytableMarker)));
            for (const PayRule& rule : game->paytable().rules()) {
                EXPECT_TRUE(manual->contains(gameText(rule.description).toHtmlEscaped())) << rule.description;
            }
            const QString suffix = language.isEmpty() ? QString() : QLatin1Char('-') + language;
            EXPECT_TRUE(manual->contains(language.isEmpty()
                                             ? QStringLiteral("<img src=\"Paychart.bmp\"")
                                             : QStringLiteral("<img src=\"Paychart%1.png\"").arg(suffix)));
            EXPECT_TRUE(
                manual->contains(QStringLiteral("<img src=\"Gamepad%1.png\" width=\"%2\" height=\"%3\"")
                                     .arg(suffix)
                                     .arg(GamepadPictureSize.width())
                                     .arg(GamepadPictureSize.height())))
                << "the picture at the size it is drawn";
            EXPECT_FALSE(manual->contains(QString::fromLatin1(GamepadMarker)));

            // Every link inside the manual leads to an anchor it has.
            QSet<QString> names;
            for (const auto& m :
                 QRegularExpression(QStringLiteral("<a name=\"([^\"]+)\"")).globalMatch(*manual)) {
                names.insert(m.captured(1));
            }
            for (const auto& m :
                 QRegularExpression(QStringLiteral("href=\"#([^\"]+)\"")).globalMatch(*manual)) {
                EXPECT_TRUE(names.contains(m.captured(1)))
                    << "href=\"#" << m.captured(1).toStdString() << "\" leads to no <a name=\""
                    << m.captured(1).toStdString() << "\"> in the template or its shared sections";
            }
            if (language.isEmpty()) {
                englishNames = names;
            } else {
                EXPECT_EQ(names, englishNames) << "the English manual's anchors";
            }
        }
    }
}

TEST(ManualGamepad, TheTableHasARowPerControlInTheGamesWordsAndThePictureItsSize) {
    const std::pair<std::string_view, QString> reelOne[] = {{"orevein", QStringLiteral("\u2014")},
                                                            {"pawlane", QStringLiteral("Hold reel 1")},
                                                            {"emberpeak", QStringLiteral("Nudge reel 1")}};
    for (const auto& [name, action] : reelOne) {
        SCOPED_TRACE(std::string(name));
        const std::unique_ptr<Game> game = makeGame(name);
        const std::vector<QStringList> rows = tableCells(gamepadTableHtml(*game));
        ASSERT_EQ(rows.size(), padBindings().size() + 1);
        EXPECT_EQ(rows[5], QStringList({"D-pad left", "Left; 1 on the machine", action, "Move left"}));
        EXPECT_EQ(drawGamepadPicture(*game).size(), GamepadPictureSize);
    }
}

TEST(ManualTemplate, ATemplateWithoutTheMarkerIsAnError) {
    QString error;
    EXPECT_FALSE(fillManual(QStringLiteral("<html><body><p>No table</p></body></html>"),
                            orevein::OreveinGame(), error));
    EXPECT_TRUE(error.contains(QStringLiteral("<!-- paytable -->"))) << error.toStdString();
}

TEST(ManualTemplate, ASharedSectionBecomesThePagesOwnAndAnUnknownOneIsAnError) {
    const orevein::OreveinGame game;
    QString error;
    const std::optional<QString> manual = fillManual(
        QStringLiteral("<h2 style=\"color: red;\">Pays</h2>\n<!-- paytable -->\n<!-- common: storage -->\n"),
        game, error);
    ASSERT_TRUE(manual) << error.toStdString();
    EXPECT_TRUE(manual->contains(QStringLiteral("<h2 style=\"color: red;\"><a name=\"storage\"></a>")));
    EXPECT_TRUE(manual->contains(QStringLiteral("<b>~/.config/orevein-slots.ini</b>")));
    EXPECT_FALSE(manual->contains(QStringLiteral("{{")));
    EXPECT_TRUE(manual->endsWith(QStringLiteral("start over.</p>\n")));

    EXPECT_FALSE(fillManual(QStringLiteral("<!-- paytable -->\n<!-- common: nowhere -->"), game, error));
    EXPECT_TRUE(error.contains(QStringLiteral("'nowhere'"))) << error.toStdString();
}

// With a language installed, as `<game>-docs --language de manual` runs it.
TEST(ManualCommand, InALanguageThePayTableHasItsWordsAndNumbers) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile in(dir.filePath(QStringLiteral("in.html")));
    ASSERT_TRUE(in.open(QIODevice::WriteOnly) && in.write("<!-- paytable -->") > 0);
    in.close();
    const QString out = dir.filePath(QStringLiteral("out.html"));
    bool translated = false;
    {
        const LanguageInstalled german(QStringLiteral("de"));
        ASSERT_EQ(playerLanguage(), QStringLiteral("de"));
        ASSERT_EQ(runManualCommand(*findGame("orevein"), {in.fileName(), out}), 0);
        translated = QCoreApplication::translate("Manual", "1 coin") != QLatin1String("1 coin");
    }
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const std::vector<QStringList> rows = tableCells(QString::fromUtf8(written.readAll()));
    ASSERT_EQ(rows.size(), orevein::oreveinPayRules().size() + 1);
    EXPECT_EQ(rows[1].last(), QStringLiteral("7.500")) << "German digit groups";
    if (!translated) {
        GTEST_SKIP() << "the German translation does not have the manual's words yet";
    }
    EXPECT_EQ(rows[0].first(), QStringLiteral("Gewinnlinie"));
    EXPECT_EQ(rows[0][2], QStringLiteral("2 Münzen"));
}

TEST(ManualCommand, WritesTheManualOrSaysWhyNot) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto write = [&](const QString& name, const QByteArray& text) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() ? file.fileName()
                                                                                  : QString();
    };
    const QString good = write(QStringLiteral("good.html"), "<h1>Pays</h1>\n<!-- paytable -->\n<p>End</p>");
    const QString bare = write(QStringLiteral("bare.html"), "<p>No table</p>");
    ASSERT_FALSE(good.isEmpty() || bare.isEmpty());
    const QString out = dir.filePath(QStringLiteral("out.html"));
    const PlayableGame& orevein = *findGame("orevein");

    EXPECT_EQ(runManualCommand(orevein, {bare, out}), 1);
    EXPECT_FALSE(QFile::exists(out));
    ASSERT_EQ(runManualCommand(orevein, {good, out}), 0);
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QString manual = QString::fromUtf8(written.readAll());
    EXPECT_TRUE(manual.startsWith(QStringLiteral("<h1>Pays</h1>\n<table")));
    EXPECT_TRUE(manual.endsWith(QStringLiteral("</table>\n<p>End</p>")));
    EXPECT_EQ(runManualCommand(orevein, {dir.filePath(QStringLiteral("none.html")), out}), 1);
    EXPECT_EQ(runManualCommand(orevein, {good}), 1);
}
