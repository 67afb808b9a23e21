// The engine's and the games' headers name what they declare: no window, timer,
// picture or handler goes by a number.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

// Every line of the headers below `folder` that `pattern` matches, as "path:line: text".
QStringList matchingLines(const QString& folder, const QRegularExpression& pattern) {
    QStringList found;
    const QString root = QStringLiteral(SLOTS_SOURCE_DIR "/");
    QDirIterator headers(root + folder, {QStringLiteral("*.h")}, QDir::Files, QDirIterator::Subdirectories);
    while (headers.hasNext()) {
        const QString path = headers.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            found << path + QStringLiteral(": cannot be read");
            continue;
        }
        int number = 0;
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            ++number;
            if (pattern.match(line).hasMatch()) {
                found << QStringLiteral("%1:%2: %3").arg(path.mid(root.size())).arg(number).arg(line);
            }
        }
    }
    return found;
}

// Numbered timers, pictures, window classes, menu handlers and window handlers.
QRegularExpression numberedName() {
    return QRegularExpression(QStringLiteral(
        R"(\b(Timer[0-9]\w*|Image[0-9]\w*|T[A-Z]\w*Form|\w+1Click|Form(Create|MouseDown|KeyDown|Close|Paint))\b)"));
}

TEST(NamedDeclarations, TheScanTellsNumberedNamesFromNamedOnes) {
    for (const char* numbered : {"class TStatsForm final : public QDialog {", "void Timer2Timer();", "Timer7,",
                                 "QImage Image3;", "void NewGame1Click();", "bool FormCreate();"}) {
        EXPECT_TRUE(numberedName().match(QLatin1String(numbered)).hasMatch()) << numbered;
    }
    for (const char* named : {"class StatisticsWindow final : public QDialog {", "void blinkButtons();",
                              "GameFeature2,", "QImage SymbolSheet;", "void newGame();", "class MachineTimers {"}) {
        EXPECT_FALSE(numberedName().match(QLatin1String(named)).hasMatch()) << named;
    }
}

TEST(NamedDeclarations, NoHeaderOfTheEngineOrTheGamesDeclaresANumberedName) {
    for (const QString& folder : {QStringLiteral("engine"), QStringLiteral("games")}) {
        const QStringList found = matchingLines(folder, numberedName());
        EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
    }
}

} // namespace
