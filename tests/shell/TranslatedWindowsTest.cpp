// Every text a player reads in the windows and menus comes out in German and in
// Spanish: each window is opened in English and again in the language, and a text
// that reads the same in both was left out of the translation. The words that are
// the same in a language on purpose are listed below.
#include "engine/records/RecordFile.h"
#include "engine/records/SaveOpenWindow.h"
#include "engine/records/SessionTally.h"
#include "engine/records/StatisticsWindow.h"
#include "engine/shell/AutoplayWindow.h"
#include "engine/shell/GameHistoryWindow.h"
#include "engine/shell/LoanDeskWindow.h"
#include "engine/shell/PlayerLanguage.h"
#include "games/orevein/OreveinGame.h"
#include "games/pawlane/PawlaneGame.h"
#include "tests/support/Recorders.h"
#include "tests/support/SyntheticPictures.h"
#include "tests/support/TestWindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <set>
#include <vector>

namespace translated_windows_test {

using namespace slotmachine;
using namespace slotmachine::testing;

namespace {

struct Shown {
    QString where;
    QString text;
};

void addText(std::vector<Shown>& texts, const QString& where, const QString& text) {
    texts.push_back({where, text});
}

void addMenu(std::vector<Shown>& texts, const QMenu& menu) {
    for (QAction* action : menu.actions()) {
        addText(texts, QStringLiteral("menu item"), action->text());
        if (action->menu() != nullptr) {
            addMenu(texts, *action->menu());
        }
    }
}

// Every text the window shows or a screen reader reads, in the order the window made them.
std::vector<Shown> textsOf(const QWidget& window) {
    std::vector<Shown> texts;
    addText(texts, QStringLiteral("caption"), window.windowTitle());
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        const QString kind = QString::fromLatin1(w->metaObject()->className());
        addText(texts, kind + QStringLiteral(" tooltip"), w->toolTip());
        addText(texts, kind + QStringLiteral(" accessible name"), w->accessibleName());
        addText(texts, kind + QStringLiteral(" accessible description"), w->accessibleDescription());
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            addText(texts, kind, label->text());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            addText(texts, kind, button->text());
        } else if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
            addText(texts, kind, group->title());
        } else if (const auto* field = qobject_cast<const QLineEdit*>(w)) {
            addText(texts, kind + QStringLiteral(" placeholder"), field->placeholderText());
        } else if (const auto* list = qobject_cast<const QComboBox*>(w)) {
            for (int i = 0; i < list->count(); ++i) {
                addText(texts, kind, list->itemText(i));
            }
        } else if (const auto* view = qobject_cast<const QAbstractItemView*>(w); view != nullptr && view->model() != nullptr) {
            const QAbstractItemModel& model = *view->model();
            for (int column = 0; column < model.columnCount(); ++column) {
                addText(texts, kind + QStringLiteral(" heading"), model.headerData(column, Qt::Horizontal).toString());
                for (int row = 0; row < model.rowCount(); ++row) {
                    addText(texts, kind, model.index(row, column).data().toString());
                }
            }
        } else if (const auto* bar = qobject_cast<const QMenuBar*>(w)) {
            for (QAction* action : bar->actions()) {
                addText(texts, QStringLiteral("menu"), action->text());
                if (action->menu() != nullptr) {
                    addMenu(texts, *action->menu());
                }
            }
        }
    }
    return texts;
}

// Texts that read the same in a language on purpose: names, and words the
// language has taken from English.
const std::set<QString>& sameInLanguage(const QString& language) {
    static const std::set<QString> german = {
        QStringLiteral("Version"), QStringLiteral("OK"),       QStringLiteral("&OK"),       QStringLiteral("Normal:"),
        QStringLiteral("Bonus:"),  QStringLiteral("Credits:"), QStringLiteral("Autoplay"), QStringLiteral("&Autoplay…"),
    };
    static const std::set<QString> spanish;
    return language == QLatin1String("de") ? german : spanish;
}

struct TranslatedWindows : ::testing::Test {
    EventLog log;
    ScriptedDialogs dialogs{log};
    RecordingHelp help;
    QTemporaryDir dir;
    GameState state;
    RecallLog recall;
    SessionTally session;
    pawlane::PawlaneGame game;
    orevein::OreveinGame machineGame; // the game whose symbol sheet openTestWindow draws
    NoRecords noRecords;
    EventLog audioLog;
    RecordingEffects effects{audioLog};
    RecordingMusic music{audioLog};

    void TearDown() override { installPlayerLanguage(QString()); }
};

} // namespace

TEST_F(TranslatedWindows, EveryTextOfEveryWindowReadsInGermanAndSpanish) {
    // A game with a loan, a few plays and a won line, so that the windows fill in.
    state.Credits = 1234;
    state.Borrowed = 1000;
    state.Spins = 3;
    PlayRecord spin;
    spin.spin = 3;
    spin.coins = 3;
    spin.lines = {1, 0, 2};
    spin.win = 20;
    spin.creditsBefore = 1217;
    spin.creditsAfter = 1234;
    PlayRecord loan;
    loan.kind = PlayKind::Loan;
    loan.loan = 1000;
    recall.add(loan);
    recall.add(spin);
    RecordFile records(dir.filePath(QStringLiteral("pawlane-slots.ini")), true, QStringLiteral("/"),
                       [] { return QDate(2026, 12, 7); });
    const std::pair<const char*, std::function<std::unique_ptr<QWidget>()>> windows[] = {
        {"machine", [&]() -> std::unique_ptr<QWidget> {
             return openTestWindow(QDir(dir.path()), machineGame, noRecords, {effects, music});
         }},
        {"loan desk", [&] { return std::make_unique<LoanDeskWindow>(state, syntheticPictures(), 800, dialogs, help); }},
        {"statistics",
         [&] { return std::make_unique<StatisticsWindow>(state, PlayFigures{recall, session, game.values(), QString()}); }},
        {"save and open",
         [&] {
             return std::make_unique<SaveOpenWindow>(state, recall, records, dialogs, help,
                                                     QStringLiteral("Pawlane Slots"), true);
         }},
        {"game history",
         [&] { return std::make_unique<GameHistoryWindow>(recall, game, syntheticPictures().SymbolSheet, 800); }},
        {"autoplay", [] { return std::make_unique<AutoplayWindow>(AutoplayChoices{}, nullptr); }},
    };
    const QRegularExpression letters(QStringLiteral("[A-Za-z]{2}"));
    for (const auto& [name, make] : windows) {
        installPlayerLanguage(QString());
        const std::vector<Shown> english = textsOf(*make());
        for (const QString& language : translatedLanguages()) {
            ASSERT_EQ(installPlayerLanguage(language), language);
            const std::vector<Shown> translated = textsOf(*make());
            ASSERT_EQ(translated.size(), english.size()) << name << " in " << language.toStdString();
            for (std::size_t i = 0; i < english.size(); ++i) {
                const QString& text = english[i].text;
                if (text == translated[i].text && text.contains(letters) && !text.contains(QLatin1String("Slots")) &&
                    sameInLanguage(language).count(text) == 0) {
                    ADD_FAILURE() << name << ", " << english[i].where.toStdString() << ", not in "
                                  << language.toStdString() << ": " << text.toStdString();
                }
            }
        }
    }
}

} // namespace translated_windows_test
