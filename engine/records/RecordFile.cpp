#include "engine/records/RecordFile.h"

#include "engine/shell/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStandardPaths>
#include <charconv>
#include <limits>
#include <string>

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

enum class FileState { Missing, Read, Unreadable };

// Loads the record file into `ini`; a missing file is an empty one.
FileState loadInto(CSimpleIniA& ini, const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        return FileState::Missing;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return FileState::Unreadable;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return FileState::Unreadable;
    }
    if (ini.LoadData(data.constData(), static_cast<std::size_t>(data.size())) < 0) {
        return FileState::Unreadable;
    }
    return FileState::Read;
}

// Text that a settings line can hold: line breaks and other control characters
// would end the value early or start a line of their own.
std::string settingsText(const QString& text) {
    QString clean = text;
    for (QChar& c : clean) {
        if (c.category() == QChar::Other_Control) {
            c = QLatin1Char(' ');
        }
    }
    return clean.toStdString();
}

class SectionReader {
public:
    SectionReader(const CSimpleIniA& ini, const std::string& section) : ini_(ini), section_(section) {}

    // The text of a key, or nothing when it is absent or longer than any value we write.
    std::optional<QString> text(const char* key) const {
        const char* value = ini_.GetValue(section_.c_str(), key, nullptr);
        if (value == nullptr) {
            return std::nullopt;
        }
        QString result = QString::fromUtf8(value);
        if (result.size() > MaxTextValueLength) {
            return std::nullopt;
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

void RecordFile::readGame(int index, GameState& state) {
    CSimpleIniA ini;
    loadInto(ini, path_); // an unreadable file reads as an empty one
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
    if (stock_ != nullptr) {
        state.*stock_ = read.integer(KeyStock, 0);
    }
}

void RecordFile::writeGame(int index, const GameState& state, const QString& name) {
    const auto failure = [this] {
        return RecordWriteError(QStringLiteral("Unable to write to %1").arg(path_).toStdString());
    };
    CSimpleIniA ini;
    ini.SetSpaces(false);
    // A file that exists but cannot be read is not replaced: that would lose its games.
    if (loadInto(ini, path_) == FileState::Unreadable) {
        throw failure();
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

    std::string text;
    if (ini.Save(text) < 0) {
        throw failure();
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) ||
        !file.commit()) {
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
