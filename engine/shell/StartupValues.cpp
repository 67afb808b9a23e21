#include "engine/shell/StartupValues.h"

#include "engine/core/GameValues.h"
#include "engine/display/MachinePictures.h"

#include <QDir>
#include <QFileInfo>
#include "engine/records/IniFile.h"

namespace slotmachine {

namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

StartupValues startupValuesFor(const GameValues& game, const QString& programPath) {
    const QFileInfo program(programPath);
    StartupValues v;
    v.ProgramDir = QDir::toNativeSeparators(program.absolutePath());
    if (!v.ProgramDir.endsWith(QDir::separator())) {
        v.ProgramDir += QDir::separator();
    }
    // Linux programs have no extension; a name with one (".exe") loses it.
    v.ProgramBaseName = program.fileName().contains(QLatin1Char('.')) ? program.completeBaseName() : program.fileName();
    v.GameTitle = fromView(game.title);
    v.VersionText = fromView(game.versionText);
    v.SoundPrefix = fromView(game.soundPrefix);
    return v;
}

void applyTestingIni(StartupValues& values) {
    const QString path = findFileIgnoringCase(QDir(values.ProgramDir), QStringLiteral("Testing.ini"));
    if (path.isEmpty()) {
        return;
    }
    CSimpleIniA ini; // case-insensitive sections and keys
    ini.SetUnicode(true);
    if (ini.LoadFile(QFile::encodeName(path).constData()) < 0) {
        return;
    }
    if (const char* root = ini.GetValue("Settings", "SoundRoot", nullptr)) {
        values.SoundPrefix = QString::fromUtf8(root).trimmed();
    }
    if (const char* name = ini.GetValue("Settings", "AboutName", nullptr)) {
        values.GameTitle = QString::fromUtf8(name).trimmed().left(MaxTitleLength);
    }
}

} // namespace slotmachine
