#include "engine/records/RecordFile.h"

#include "engine/records/IniFile.h"
#include "engine/records/RecordKeys.h"
#include "engine/records/RecallSections.h"
#include "engine/records/RecordScan.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <string>
#include <utility>

namespace slotmachine {

QString sectionName(int index) {
    if (index == CurrentGameIndex) {
        return QStringLiteral("CurrentGame");
    }
    return QStringLiteral("GameNo%1").arg(index + 1);
}

QString recallSectionName(int index) {
    return sectionName(index) + QLatin1String(recordkeys::RecallSectionSuffix);
}

void GameRecords::readGame(int index, GameState& state) {
    RecallLog dropped;
    readGame(index, state, dropped);
}

void GameRecords::writeGame(int index, const GameState& state, const QString& name) {
    writeGame(index, state, RecallLog{}, name);
}

namespace {

enum class FileState { Missing, Read, Unreadable };

// A file that exists but could not be read, and why.
struct LoadResult {
    FileState state = FileState::Missing;
    QString whyUnreadable;
};

// Replaces the file at `path` at once; false when it could not.
bool replaceFile(const QString& path, std::string_view text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) &&
           file.commit();
}

// Keeps the damaged bytes under a name that says so and when, and replaces the
// record file with the sections that were whole, which `ini` then holds. Nothing
// when the damaged bytes could not be kept: then the file stays as it is.
std::optional<QString> keepDamagedFile(const QString& path, const QByteArray& data, const ScannedFile& scan,
                                       CSimpleIniA& ini) {
    ini.Reset();
    for (const ScannedSection& section : scan.sections) {
        if (!section.whole || (section.name.empty() && section.keys.empty())) {
            continue;
        }
        ini.SetValue(section.name.c_str(), nullptr, nullptr);
        for (const auto& [key, value] : section.keys) {
            ini.SetValue(section.name.c_str(), key.c_str(), value.c_str());
        }
    }
    std::string recovered;
    if (ini.Save(recovered) < 0) {
        return std::nullopt;
    }
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString aside = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n) {
        aside = path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    }
    if (!replaceFile(aside, std::string_view(data.constData(), static_cast<std::size_t>(data.size())))) {
        return std::nullopt;
    }
    if (!replaceFile(path, recovered)) {
        QFile::remove(aside);
        return std::nullopt;
    }
    //: %2 says what was wrong: "line 5 is cut off".
    return QCoreApplication::translate("RecordFile", "The saved games file %1 was damaged (%2).\n\nIt has been kept as "
                                                     "%3. The games that could be read are kept, and play goes on "
                                                     "with them.")
        .arg(QDir::toNativeSeparators(path), *scan.problem, QDir::toNativeSeparators(aside));
}

// Loads the record file into `ini`; a missing file is an empty one. A file the
// reader cannot take whole is moved aside and replaced by what could be read,
// with a notice for the player; if that fails the file is unreadable. With
// `recallSection`, every game's recall log is checked (a damaged one is damage like
// any other) and that section's is read into `recall`.
LoadResult loadInto(CSimpleIniA& ini, const QString& path, std::optional<QString>& notice,
                    const QString& recallSection = {}, std::optional<RecallLog>* recall = nullptr) {
    const auto unreadable = [](const QString& why) { return LoadResult{FileState::Unreadable, why}; };
    const QFileInfo info(path);
    if (!info.exists()) {
        return {};
    }
    if (info.isDir()) {
        return unreadable(QCoreApplication::translate("RecordFile", "a folder stands in its place"));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return unreadable(file.errorString());
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return unreadable(file.errorString());
    }
    if (ini.LoadData(data.constData(), static_cast<std::size_t>(data.size())) < 0) {
        return unreadable(QCoreApplication::translate("RecordFile", "it could not be taken in"));
    }
    ScannedFile scan = scanRecordText(std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
    compareWithReader(scan, ini);
    if (recall != nullptr) {
        *recall = checkRecallSections(scan, recallSection);
    }
    if (!scan.problem) {
        return {FileState::Read, {}};
    }
    notice = keepDamagedFile(path, data, scan, ini);
    return notice ? LoadResult{FileState::Read, {}}
                  : unreadable(QCoreApplication::translate("RecordFile", "it is damaged (%1), and could not be kept aside")
                                   .arg(*scan.problem));
}

class SectionReader {
public:
    SectionReader(const CSimpleIniA& ini, const std::string& section) : ini_(ini), section_(section) {}

    // The text of a key, at most its first 1023 characters; nothing when it is absent.
    std::optional<QString> text(const char* key) const {
        const char* value = ini_.GetValue(section_.c_str(), key, nullptr);
        if (value == nullptr) {
            return std::nullopt;
        }
        QString result = QString::fromUtf8(value);
        if (result.size() > MaxTextValueLength) {
            // Never half a character: a pair cut in two would be no text at all.
            const bool pairCut = result[MaxTextValueLength - 1].isHighSurrogate();
            result.truncate(pairCut ? MaxTextValueLength - 1 : MaxTextValueLength);
        }
        return result;
    }

    // An integer from `lowest` up; anything else reads as the default.
    std::int32_t integer(const char* key, std::int32_t fallback, std::int32_t lowest = 0) const {
        const char* value = ini_.GetValue(section_.c_str(), key, nullptr);
        if (value == nullptr) {
            return fallback;
        }
        const std::optional<std::int32_t> parsed = parseRecordInteger(value);
        return parsed && *parsed >= lowest ? *parsed : fallback;
    }

private:
    const CSimpleIniA& ini_;
    const std::string& section_;
};

} // namespace

RecordFile::RecordFile(QString path, bool keepsStock, QString dateSeparator,
                       std::function<QDate()> today)
    : path_(std::move(path)), keepsStock_(keepsStock), dateSeparator_(std::move(dateSeparator)), today_(std::move(today)) {}

void RecordFile::noteLoad(const LoadOutcome& outcome) {
    if (outcome.notice) {
        leaveNotice(*outcome.notice);
    }
    if (!outcome.whyUnreadable) {
        unreadableTold_ = false;
        return;
    }
    // Said once, until the file can be read again.
    if (!unreadableTold_) {
        unreadableTold_ = true;
        leaveNotice(QCoreApplication::translate("RecordFile", "The saved games in %1 cannot be read (%2).\n\nThey are "
                                                              "left untouched. This game is not kept until the problem "
                                                              "is fixed.")
                        .arg(QDir::toNativeSeparators(path_), *outcome.whyUnreadable));
    }
}

void RecordFile::readGame(int index, GameState& state, RecallLog& log) {
    CSimpleIniA ini;
    std::optional<QString> notice;
    std::optional<RecallLog> recall;
    // An unreadable file reads as an empty one.
    const LoadResult loaded = loadInto(ini, path_, notice, recallSectionName(index), &recall);
    log = std::move(recall).value_or(RecallLog{});
    noteLoad({notice, loaded.state == FileState::Unreadable ? std::optional(loaded.whyUnreadable) : std::nullopt});
    const std::string section = sectionName(index).toStdString();
    const SectionReader read(ini, section);

    gameName_ = read.text(recordkeys::GameName).value_or(sectionName(index)).left(MaxGameNameLength);
    gameDate_ = read.text(recordkeys::GameDate).value_or(formatGameDate(today_(), dateSeparator_)).left(MaxGameDateLength);
    state.Credits = read.integer(recordkeys::Credits, NewGameCredits);
    state.Borrowed = read.integer(recordkeys::Borrowed, NewGameCredits);
    state.Spins = read.integer(recordkeys::Spins, 0);
    state.TotalBets = read.integer(recordkeys::TotalBets, 0);
    state.BonusWon = read.integer(recordkeys::BonusWon, 0);
    state.BonusPts = std::min(read.integer(recordkeys::BonusPts, 0), FullBonusPoints);
    state.BonusDue = read.integer(recordkeys::BonusDue, 0);
    if (keepsStock_) {
        const bool written = ini.GetSection(section.c_str()) != nullptr;
        state.Stock = read.integer(recordkeys::Stock, written ? 0 : stockOfAFreshGame_);
    }
}

void RecordFile::writeGame(int index, const GameState& state, const RecallLog& log, const QString& name) {
    const auto failure = [this] {
        return RecordWriteError(QCoreApplication::translate("RecordFile", "Unable to write to %1").arg(path_).toStdString());
    };
    CSimpleIniA ini;
    ini.SetSpaces(false);
    // A file that exists but cannot be read is not replaced: that would lose its games.
    std::optional<QString> notice;
    const LoadResult loaded = loadInto(ini, path_, notice);
    const bool unreadable = loaded.state == FileState::Unreadable;
    const bool alreadyTold = unreadable && unreadableTold_;
    noteLoad({notice, unreadable ? std::optional(loaded.whyUnreadable) : std::nullopt});
    if (unreadable) {
        throw RecordWriteError(failure().what(), alreadyTold);
    }

    const std::string section = sectionName(index).toStdString();
    const auto set = [&](const char* key, const std::string& value) {
        ini.SetValue(section.c_str(), key, value.c_str());
    };
    set(recordkeys::GameName, settingsText(name));
    set(recordkeys::GameDate, settingsText(formatGameDate(today_(), dateSeparator_)));
    set(recordkeys::Credits, std::to_string(state.Credits));
    set(recordkeys::Borrowed, std::to_string(state.Borrowed));
    set(recordkeys::Spins, std::to_string(state.Spins));
    set(recordkeys::TotalBets, std::to_string(state.TotalBets));
    set(recordkeys::BonusWon, std::to_string(state.BonusWon));
    set(recordkeys::BonusPts, std::to_string(state.BonusPts));
    if (keepsStock_) {
        set(recordkeys::Stock, std::to_string(state.Stock));
    }
    if (state.BonusDue > 0) {
        set(recordkeys::BonusDue, std::to_string(state.BonusDue));
    } else {
        ini.Delete(section.c_str(), recordkeys::BonusDue);
    }
    // The log is written whole each time, beside the game it belongs to; a game
    // without plays has no log section.
    const std::string recall = recallSectionName(index).toStdString();
    ini.Delete(recall.c_str(), nullptr);
    std::size_t number = 0;
    for (const PlayRecord& play : log) {
        const std::string key = recordkeys::RecallPlayKey + std::to_string(++number);
        ini.SetValue(recall.c_str(), key.c_str(), playToJson(play).toStdString().c_str());
    }

    std::string text;
    if (ini.Save(text) < 0 || !replaceFile(path_, text)) {
        throw failure();
    }
}

QString recordFilePath(const QString& programBaseName) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(folder).filePath(programBaseName + QStringLiteral(".ini"));
}

} // namespace slotmachine
