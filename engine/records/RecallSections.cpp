// The recall logs of a record file: each game's in a section of its own beside the
// game's, one play per key.
#include "engine/records/RecallSections.h"

#include "engine/records/GameRecords.h"
#include "engine/records/RecordKeys.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <utility>

namespace slotmachine {

namespace {

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The section of the scan named `name` (without regard to case), or null.
ScannedSection* findSection(ScannedFile& file, const QString& name) {
    const std::string wanted = lowered(name.toStdString());
    for (ScannedSection& section : file.sections) {
        if (lowered(section.name) == wanted) {
            return &section;
        }
    }
    return nullptr;
}

// The recall log that a recall section's keys hold: "Play1" to "PlayN", read in
// number order. Keys of other names are left to whatever wrote them.
RecallReading<RecallLog> recallFromKeys(const std::vector<std::pair<std::string, std::string>>& keys) {
    const std::string prefix = lowered(recordkeys::RecallPlayKey);
    std::map<std::size_t, const std::string*> plays;
    for (const auto& [key, value] : keys) {
        const std::string name = lowered(key);
        const std::string digits = name.substr(std::min(prefix.size(), name.size()));
        if (!name.starts_with(prefix) || digits.empty() || digits.size() > 3 || digits[0] == '0' ||
            !std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isdigit(c) != 0; })) {
            continue;
        }
        const std::size_t number = std::stoul(digits);
        if (number > RecallLog::Capacity) {
            return {std::nullopt,
                    QCoreApplication::translate("RecallSections", "it holds more than %1 plays").arg(RecallLog::Capacity)};
        }
        if (!plays.emplace(number, &value).second) {
            //: %1 is a key of the record file: "Play7".
            return {std::nullopt,
                    QCoreApplication::translate("RecallSections", "%1 is there twice").arg(QString::fromStdString(key))};
        }
    }
    RecallLog log;
    std::size_t expected = 1;
    for (const auto& [number, value] : plays) {
        const QString key = QLatin1String(recordkeys::RecallPlayKey) + QString::number(number);
        if (number != expected) {
            //: %1 is a key of the record file: "Play7".
            return {std::nullopt, QCoreApplication::translate("RecallSections", "%1 is missing")
                                      .arg(QLatin1String(recordkeys::RecallPlayKey) + QString::number(expected))};
        }
        RecallReading<PlayRecord> play = playFromJson(QString::fromUtf8(*value));
        if (!play.value) {
            return {std::nullopt, key + QStringLiteral(": ") + play.error};
        }
        log.add(std::move(*play.value));
        ++expected;
    }
    return {std::move(log), {}};
}

} // namespace

std::optional<RecallLog> checkRecallSection(ScannedFile& file, const QString& name) {
    ScannedSection* section = findSection(file, name);
    if (section == nullptr) {
        return RecallLog{};
    }
    RecallReading<RecallLog> read = recallFromKeys(section->keys);
    if (!read.value) {
        file.fail(section, QStringLiteral("[%1] %2").arg(name, read.error));
    }
    return std::move(read.value);
}

std::optional<RecallLog> checkRecallSections(ScannedFile& file, const QString& wanted) {
    std::optional<RecallLog> found;
    for (int index = 0; index <= CurrentGameIndex; ++index) {
        const QString name = recallSectionName(index);
        std::optional<RecallLog> log = checkRecallSection(file, name);
        if (name == wanted) {
            found = std::move(log);
        }
    }
    return found;
}

RecallReading<RecallLog> readRecallLog(const QString& path, int index) {
    QFile file(path);
    if (!file.exists()) {
        return {RecallLog{}, {}};
    }
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, QStringLiteral("%1 cannot be read").arg(QDir::toNativeSeparators(path))};
    }
    const QByteArray data = file.readAll();
    ScannedFile scan = scanRecordText(std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
    const QString name = recallSectionName(index);
    if (std::optional<RecallLog> log = checkRecallSection(scan, name)) {
        return {std::move(log), {}};
    }
    return {std::nullopt, QStringLiteral("The recall log in %1 is damaged (%2).")
                              .arg(QDir::toNativeSeparators(path), *scan.problem)};
}

} // namespace slotmachine
