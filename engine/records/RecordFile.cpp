#include "engine/records/RecordFile.h"

#include "engine/shell/IniFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStandardPaths>
#include <QByteArrayView>
#include <algorithm>
#include <charconv>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace slotmachine {

QString sectionName(int index) {
    if (index == CurrentGameIndex) {
        return QStringLiteral("CurrentGame");
    }
    return QStringLiteral("GameNo%1").arg(index + 1);
}

namespace {

// The keys of a game section, in the order they are written.
constexpr const char* KeyName = "GameName";
constexpr const char* KeyDate = "GameDate";
constexpr const char* KeyCredits = "Credits";
constexpr const char* KeyBorrowed = "Borrowed";
constexpr const char* KeySpins = "Spins";
constexpr const char* KeyTotalBets = "TotalBets";
constexpr const char* KeyBonusWon = "BonusWon";
constexpr const char* KeyBonusPts = "BonusPts";
constexpr const char* KeyStock = "Nudges";
// Written only while a bonus game is due, so that other records stay as they were.
constexpr const char* KeyBonusDue = "BonusDue";

// The keys every store writes into a game section. A section without one of them
// was cut short; the stock's key alone may be missing, as older records lack it.
constexpr const char* KeysEveryStoreWrites[] = {KeyName,     KeyDate,      KeyCredits,  KeyBorrowed,
                                                KeySpins,    KeyTotalBets, KeyBonusWon, KeyBonusPts};

enum class FileState { Missing, Read, Unreadable };

// A file that exists but could not be read, and why.
struct LoadResult {
    FileState state = FileState::Missing;
    QString whyUnreadable;
};

// A section of the record file as a plain scan of its bytes finds it.
struct ScannedSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> keys; // in file order
    std::set<std::string> lowerKeys;
    bool whole = true; // every line of it could be read
};

// What a plain scan of the bytes finds: the sections (the first one holds the keys
// before any heading, under the name "") and the first thing that keeps the
// reader from taking the file whole.
struct ScannedFile {
    std::vector<ScannedSection> sections;
    std::optional<QString> problem;

    void fail(ScannedSection* section, const QString& why) {
        if (section != nullptr) {
            section->whole = false;
        }
        if (!problem) {
            problem = why;
        }
    }
};

std::string lowered(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return result;
}

std::string_view trimmed(std::string_view text) {
    const auto space = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && space(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && space(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool isUtf8(std::string_view text) {
    return QByteArrayView(text.data(), static_cast<qsizetype>(text.size())).isValidUtf8();
}

// Why a line cannot be stored as it is, if it cannot: bytes that end the reader's
// text early, control characters the writer never writes, text that is not UTF-8.
std::optional<QString> badBytes(std::string_view line) {
    for (const char c : line) {
        if (c == '\0') {
            return QStringLiteral("holds a NUL byte");
        }
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t') || byte == 0x7f) {
            return QStringLiteral("holds a control character");
        }
    }
    if (!isUtf8(line)) {
        return QStringLiteral("is not UTF-8 text");
    }
    return std::nullopt;
}

// "CurrentGame" and "GameNo1" to "GameNo8", in any case.
bool isGameSection(std::string_view name) {
    const std::string lower = lowered(name);
    for (int index = 0; index <= CurrentGameIndex; ++index) {
        if (lower == lowered(sectionName(index).toStdString())) {
            return true;
        }
    }
    return false;
}

// Reads the file's lines the simplest way the format allows: headings "[name]",
// "key=value" lines, comments after ';' or '#', lines ending in "\n", "\r\n" or "\r".
ScannedFile scanRecordText(std::string_view text) {
    ScannedFile file;
    file.sections.push_back({});
    std::map<std::string, std::size_t> byName{{std::string(), 0}};
    std::size_t current = 0;
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3); // a UTF-8 byte order mark
    }
    const bool clean = isUtf8(text) && std::none_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && c != '\t' && c != '\r' && c != '\n') || byte == 0x7f;
    });
    int number = 0;
    while (!text.empty()) {
        ++number;
        const std::size_t end = text.find_first_of("\r\n");
        const bool cut = end == std::string_view::npos;
        const std::string_view raw = text.substr(0, end);
        text.remove_prefix(cut ? text.size() : end + (text.substr(end).starts_with("\r\n") ? 2 : 1));
        const auto where = [number] { return QStringLiteral("line %1 ").arg(number); };
        const std::string_view line = trimmed(raw);
        const std::optional<QString> bad = clean ? std::nullopt : badBytes(raw);

        if (line.starts_with('[')) {
            const std::size_t close = line.find(']');
            const std::string name(trimmed(line.substr(1, close == std::string_view::npos ? line.npos : close - 1)));
            const auto [found, added] = byName.try_emplace(lowered(name), file.sections.size());
            if (added) {
                file.sections.push_back({name, {}, {}, true});
            }
            current = found->second;
            if (close == std::string_view::npos) {
                file.fail(&file.sections[current], where() + QStringLiteral("is a heading without its closing bracket"));
            }
        }
        ScannedSection& section = file.sections[current];
        if (bad) {
            // A comment holds no game: the file is damaged, the section is not.
            const bool comment = line.starts_with(';') || line.starts_with('#');
            file.fail(comment ? nullptr : &section, where() + *bad);
        }
        if (cut) {
            file.fail(&section, where() + QStringLiteral("is cut off"));
            break;
        }
        if (line.empty() || line.starts_with('[') || line.starts_with(';') || line.starts_with('#')) {
            continue;
        }
        const std::size_t equals = line.find('=');
        const std::string_view key = equals == std::string_view::npos ? std::string_view() : trimmed(line.substr(0, equals));
        if (key.empty()) {
            file.fail(&section, where() + QStringLiteral("is neither a heading nor a value"));
            continue;
        }
        if (!section.lowerKeys.insert(lowered(key)).second) {
            file.fail(&section, where() + QStringLiteral("repeats a value of [%1]").arg(QString::fromStdString(section.name)));
        }
        section.keys.emplace_back(key, trimmed(line.substr(equals + 1)));
    }
    for (ScannedSection& section : file.sections) {
        if (!isGameSection(section.name)) {
            continue;
        }
        for (const char* key : KeysEveryStoreWrites) {
            if (section.lowerKeys.count(lowered(key)) == 0) {
                file.fail(&section, QStringLiteral("[%1] lacks its value %2")
                                        .arg(QString::fromStdString(section.name), QLatin1String(key)));
                break;
            }
        }
    }
    return file;
}

// Finds where the reader did not take the file as the scan found it.
void compareWithReader(ScannedFile& file, const CSimpleIniA& ini) {
    std::set<std::string> scanned;
    for (ScannedSection& section : file.sections) {
        scanned.insert(lowered(section.name));
        if (section.name.empty() && section.keys.empty()) {
            continue;
        }
        // The scan decides which sections were whole; the reader only shows that
        // it did not take the file as the scan did.
        const auto lost = [&section] {
            return QStringLiteral("the reader lost part of [%1]").arg(QString::fromStdString(section.name));
        };
        if (ini.GetSection(section.name.c_str()) == nullptr) {
            file.fail(nullptr, lost());
            continue;
        }
        for (const auto& [key, value] : section.keys) {
            const char* read = ini.GetValue(section.name.c_str(), key.c_str(), nullptr);
            if (read == nullptr || value != read) {
                file.fail(nullptr, lost());
            }
        }
    }
    CSimpleIniA::TNamesDepend names;
    ini.GetAllSections(names);
    for (const CSimpleIniA::Entry& name : names) {
        if (scanned.count(lowered(name.pItem)) == 0) {
            file.fail(nullptr, QStringLiteral("the reader found a section that is not there"));
        }
    }
}

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
    return QStringLiteral("The saved games file %1 was damaged (%2).\n\nIt has been kept as %3. "
                          "The games that could be read are kept, and play goes on with them.")
        .arg(QDir::toNativeSeparators(path), *scan.problem, QDir::toNativeSeparators(aside));
}

// Loads the record file into `ini`; a missing file is an empty one. A file the
// reader cannot take whole is moved aside and replaced by what could be read,
// with a notice for the player; if that fails the file is unreadable.
LoadResult loadInto(CSimpleIniA& ini, const QString& path, std::optional<QString>& notice) {
    const auto unreadable = [](const QString& why) { return LoadResult{FileState::Unreadable, why}; };
    const QFileInfo info(path);
    if (!info.exists()) {
        return {};
    }
    if (info.isDir()) {
        return unreadable(QStringLiteral("a folder stands in its place"));
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
        return unreadable(QStringLiteral("it could not be taken in"));
    }
    ScannedFile scan = scanRecordText(std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
    compareWithReader(scan, ini);
    if (!scan.problem) {
        return {FileState::Read, {}};
    }
    notice = keepDamagedFile(path, data, scan, ini);
    return notice ? LoadResult{FileState::Read, {}}
                  : unreadable(QStringLiteral("it is damaged (%1), and could not be kept aside").arg(*scan.problem));
}

// Text that a settings line can hold: line breaks and other control characters
// (NUL among them) would end the value early or start a line of their own, and a
// lone surrogate would turn into bytes that are not UTF-8.
std::string settingsText(const QString& text) {
    QString clean = text;
    for (qsizetype i = 0; i < clean.size(); ++i) {
        const QChar c = clean[i];
        if (c.isHighSurrogate() && i + 1 < clean.size() && clean[i + 1].isLowSurrogate()) {
            ++i; // a pair is one character
        } else if (c.category() == QChar::Other_Control || c.isSurrogate()) {
            clean[i] = QLatin1Char(' ');
        }
    }
    return clean.toStdString();
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

RecordFile::RecordFile(QString path, std::int32_t GameState::*stock, QString dateSeparator,
                       std::function<QDate()> today)
    : path_(std::move(path)), stock_(stock), dateSeparator_(std::move(dateSeparator)), today_(std::move(today)) {}

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
        leaveNotice(QStringLiteral("The saved games in %1 cannot be read (%2).\n\nThey are left untouched. "
                                   "This game is not kept until the problem is fixed.")
                        .arg(QDir::toNativeSeparators(path_), *outcome.whyUnreadable));
    }
}

void RecordFile::readGame(int index, GameState& state) {
    CSimpleIniA ini;
    std::optional<QString> notice;
    const LoadResult loaded = loadInto(ini, path_, notice); // an unreadable file reads as an empty one
    noteLoad({notice, loaded.state == FileState::Unreadable ? std::optional(loaded.whyUnreadable) : std::nullopt});
    const std::string section = sectionName(index).toStdString();
    const SectionReader read(ini, section);

    gameName_ = read.text(KeyName).value_or(sectionName(index)).left(MaxGameNameLength);
    gameDate_ = read.text(KeyDate).value_or(formatGameDate(today_(), dateSeparator_)).left(MaxGameDateLength);
    state.Credits = read.integer(KeyCredits, NewGameCredits);
    state.Borrowed = read.integer(KeyBorrowed, NewGameCredits);
    state.Spins = read.integer(KeySpins, 0);
    state.TotalBets = read.integer(KeyTotalBets, 0);
    state.BonusWon = read.integer(KeyBonusWon, 0);
    state.BonusPts = std::min(read.integer(KeyBonusPts, 0), FullBonusPoints);
    state.BonusDue = read.integer(KeyBonusDue, 0);
    if (stock_ != nullptr) {
        const bool written = ini.GetSection(section.c_str()) != nullptr;
        state.*stock_ = read.integer(KeyStock, written ? 0 : stockOfAFreshGame_);
    }
}

void RecordFile::writeGame(int index, const GameState& state, const QString& name) {
    const auto failure = [this] {
        return RecordWriteError(QStringLiteral("Unable to write to %1").arg(path_).toStdString());
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
    set(KeyName, settingsText(name));
    set(KeyDate, settingsText(formatGameDate(today_(), dateSeparator_)));
    set(KeyCredits, std::to_string(state.Credits));
    set(KeyBorrowed, std::to_string(state.Borrowed));
    set(KeySpins, std::to_string(state.Spins));
    set(KeyTotalBets, std::to_string(state.TotalBets));
    set(KeyBonusWon, std::to_string(state.BonusWon));
    set(KeyBonusPts, std::to_string(state.BonusPts));
    if (stock_ != nullptr) {
        set(KeyStock, std::to_string(state.*stock_));
    }
    if (state.BonusDue > 0) {
        set(KeyBonusDue, std::to_string(state.BonusDue));
    } else {
        ini.Delete(section.c_str(), KeyBonusDue);
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

QString dateSeparatorOf(const QLocale& locale) {
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
        } else if (!quoted && !c.isLetterOrNumber() && !c.isSpace()) {
            return QString(c);
        }
    }
    return QStringLiteral("/");
}

QString formatGameDate(QDate date, const QString& separator) {
    const auto two = [](int value) { return QStringLiteral("%1").arg(value % 100, 2, 10, QLatin1Char('0')); };
    return two(date.month()) + separator + two(date.day()) + separator + two(date.year());
}

std::optional<std::int32_t> parseRecordInteger(std::string_view text) {
    int base = 10;
    bool negative = false;
    if (text.size() > 2 && (text.starts_with("0x") || text.starts_with("0X"))) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.starts_with('$')) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.starts_with('-')) {
        negative = true;
        text.remove_prefix(1);
    }
    // from_chars would take a second sign; a value only ever starts with a digit here.
    if (text.empty() || text.front() == '-' || text.front() == '+') {
        return std::nullopt;
    }
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    const std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    const std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    if (magnitude > static_cast<std::uint64_t>(negative ? -lowest : highest)) {
        return std::nullopt;
    }
    const std::int64_t value = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    return static_cast<std::int32_t>(value);
}

} // namespace slotmachine
