// Every include of an engine header goes down the layers that engine/layers.txt
// lists, or stays within its own layer.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

const QString Root = QStringLiteral(SLOTS_SOURCE_DIR "/");

// The layers' names, bottom first.
QStringList layerOrder() {
    QFile file(Root + QStringLiteral("engine/layers.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    QStringList layers;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#'))) {
            layers << line;
        }
    }
    return layers;
}

// The includes of `text` that reach above `highest` (an index into `layers`), as
// "path:line: include", and those of a folder the list does not name.
QStringList upwardIncludes(const QStringList& layers, int highest, const QString& path, const QString& text) {
    static const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s*[<"]engine/([^/">]+)/)"));
    QStringList found;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRegularExpressionMatch match = include.match(lines[i]);
        const qsizetype layer = match.hasMatch() ? layers.indexOf(match.captured(1)) : 0;
        if (layer < 0 || layer > highest) {
            found << QStringLiteral("%1:%2: %3").arg(path).arg(i + 1).arg(lines[i].trimmed());
        }
    }
    return found;
}

// Every source file below `folder`, by its path from the source folder.
QStringList sourcesBelow(const QString& folder) {
    QStringList paths;
    QDirIterator files(Root + folder, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        paths << files.next().mid(Root.size());
    }
    return paths;
}

QString readAll(const QString& path) {
    QFile file(Root + path);
    return file.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(Layers, TheCheckTellsAnUpwardIncludeFromADownwardOne) {
    const QStringList layers{QStringLiteral("core"), QStringLiteral("state"), QStringLiteral("shell")};
    const QString text = QStringLiteral("#include \"engine/core/Game.h\"\n#include <QString>\n"
                                        "#include \"engine/state/NewGame.h\"\n#include \"engine/shell/Dialogs.h\"\n"
                                        "#include \"engine/unlisted/Thing.h\"\n");
    EXPECT_EQ(upwardIncludes(layers, 1, QStringLiteral("f.cpp"), text).join(QLatin1Char('|')).toStdString(),
              "f.cpp:4: #include \"engine/shell/Dialogs.h\"|f.cpp:5: #include \"engine/unlisted/Thing.h\"");
    EXPECT_EQ(upwardIncludes(layers, 2, QStringLiteral("f.cpp"), text).join(QLatin1Char('|')).toStdString(),
              "f.cpp:5: #include \"engine/unlisted/Thing.h\"");
}

TEST(Layers, EveryEngineFolderIsALayer) {
    const QStringList layers = layerOrder();
    ASSERT_FALSE(layers.isEmpty()) << "engine/layers.txt lists no layers";
    for (const QString& folder : QDir(Root + QStringLiteral("engine")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        EXPECT_TRUE(layers.contains(folder)) << "engine/" << folder.toStdString() << " is in no layer";
    }
}

TEST(Layers, EveryEngineFileIncludesOnlyFromItsOwnLayerOrBelow) {
    const QStringList layers = layerOrder();
    QStringList found;
    for (const QString& path : sourcesBelow(QStringLiteral("engine"))) {
        const int own = static_cast<int>(layers.indexOf(path.section(QLatin1Char('/'), 1, 1)));
        found << upwardIncludes(layers, own, path, readAll(path));
    }
    EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
}

TEST(Layers, TheGameRulesIncludeNoMachineOrWindow) {
    // A game's rules and simulator strategies see the machine only through
    // GameContext; its program entry and its snapshot scenes drive the machine whole.
    const QStringList layers = layerOrder();
    const int highest = static_cast<int>(layers.indexOf(QStringLiteral("bonus")));
    static const QRegularExpression tools(QStringLiteral(R"(/(main\.cpp|snapshot/))"));
    QStringList found;
    for (const QString& path : sourcesBelow(QStringLiteral("games"))) {
        if (!tools.match(path).hasMatch()) {
            found << upwardIncludes(layers, highest, path, readAll(path));
        }
    }
    EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
}

} // namespace
