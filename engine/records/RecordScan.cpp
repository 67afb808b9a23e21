#include "engine/records/RecordScan.h"

#include "engine/records/GameRecords.h"
#include "engine/records/RecordKeys.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <algorithm>
#include <map>

namespace slotmachine {

namespace {

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

// Why line `number` cannot be stored as it is, if it cannot: bytes that end the
// reader's text early, control characters the writer never writes, text that is not UTF-8.
std::optional<QString> badBytes(std::string_view line, int number) {
    for (const char c : line) {
        if (c == '\0') {
            return QCoreApplication::translate("RecordScan", "line %1 holds a NUL byte").arg(number);
        }
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t') || byte == 0x7f) {
            return QCoreApplication::translate("RecordScan", "line %1 holds a control character").arg(number);
        }
    }
    if (!isUtf8(line)) {
        return QCoreApplication::translate("RecordScan", "line %1 is not UTF-8 text").arg(number);
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

} // namespace

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
        const std::string_view line = trimmed(raw);
        const std::optional<QString> bad = clean ? std::nullopt : badBytes(raw, number);

        if (line.starts_with('[')) {
            const std::size_t close = line.find(']');
            const std::string name(trimmed(line.substr(1, close == std::string_view::npos ? line.npos : close - 1)));
            const auto [found, added] = byName.try_emplace(lowered(name), file.sections.size());
            if (added) {
                file.sections.push_back({name, {}, {}, true});
            }
            current = found->second;
            if (close == std::string_view::npos) {
                file.fail(&file.sections[current],
                          QCoreApplication::translate("RecordScan", "line %1 is a heading without its closing bracket")
                              .arg(number));
            }
        }
        ScannedSection& section = file.sections[current];
        if (bad) {
            // A comment holds no game: the file is damaged, the section is not.
            const bool comment = line.starts_with(';') || line.starts_with('#');
            file.fail(comment ? nullptr : &section, *bad);
        }
        if (cut) {
            file.fail(&section, QCoreApplication::translate("RecordScan", "line %1 is cut off").arg(number));
            break;
        }
        if (line.empty() || line.starts_with('[') || line.starts_with(';') || line.starts_with('#')) {
            continue;
        }
        const std::size_t equals = line.find('=');
        const std::string_view key = equals == std::string_view::npos ? std::string_view() : trimmed(line.substr(0, equals));
        if (key.empty()) {
            file.fail(&section,
                      QCoreApplication::translate("RecordScan", "line %1 is neither a heading nor a value").arg(number));
            continue;
        }
        if (!section.lowerKeys.insert(lowered(key)).second) {
            file.fail(&section, QCoreApplication::translate("RecordScan", "line %1 repeats a value of [%2]")
                                    .arg(number)
                                    .arg(QString::fromStdString(section.name)));
        }
        section.keys.emplace_back(key, trimmed(line.substr(equals + 1)));
    }
    for (ScannedSection& section : file.sections) {
        if (!isGameSection(section.name)) {
            continue;
        }
        for (const char* key : recordkeys::EveryStoreWrites) {
            if (section.lowerKeys.count(lowered(key)) == 0) {
                file.fail(&section, QCoreApplication::translate("RecordScan", "[%1] lacks its value %2")
                                        .arg(QString::fromStdString(section.name), QLatin1String(key)));
                break;
            }
        }
    }
    return file;
}

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
            return QCoreApplication::translate("RecordScan", "the reader lost part of [%1]")
                .arg(QString::fromStdString(section.name));
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
            file.fail(nullptr, QCoreApplication::translate("RecordScan", "the reader found a section that is not there"));
        }
    }
}

} // namespace slotmachine
