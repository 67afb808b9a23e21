// The record file: any bytes on disk, read section by section as the save and open
// window does, then the running game stored under a name typed from the input.
// Promises checked: no crash or sanitizer report; nothing is lost (a file taken as
// it is keeps every value of every other section, a file that is not is kept aside
// byte for byte); and what the store wrote reads back whole with the stored totals
// and recall log.
#include "engine/records/IniFile.h"
#include "engine/records/RecordFile.h"
#include "fuzz/FuzzFolder.h"

#include <QFile>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

using namespace slotmachine;
using namespace slotmachine::fuzz;

namespace {

const QString RecordName = QStringLiteral("orevein-slots.ini");

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

std::string lowered(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return result;
}

// The oracle's own reading of the text, as plainly as the format can be read:
// every "key=value" line below a "[heading]" line, by lower-case section and key.
std::map<std::pair<std::string, std::string>, std::string> plainValues(std::string_view text) {
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::string section;
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.starts_with('[')) {
            section = lowered(trimmed(line.substr(1, line.find(']') - 1)));
        } else if (!line.starts_with(';') && !line.starts_with('#') && line.find('=') != std::string_view::npos) {
            const std::size_t equals = line.find('=');
            values[{section, lowered(trimmed(line.substr(0, equals)))}] = std::string(trimmed(line.substr(equals + 1)));
        }
    }
    return values;
}

QStringList damagedFiles() {
    return fuzzFolder().entryList({RecordName + QStringLiteral(".damaged-*")}, QDir::Files);
}

// A name as the input box could hand it over: any UTF-16 code units, lone
// surrogates and control characters among them.
QString typedName(const std::uint8_t* data, std::size_t size) {
    std::u16string units;
    for (std::size_t i = 0; i + 1 < std::min<std::size_t>(size, 64); i += 2) {
        units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    }
    return QString::fromStdU16String(units);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString path = fuzzFolder().filePath(RecordName);
    writeInput(RecordName, input);
    const QDate today(2026, 12, 7);
    RecordFile file(path, true, QStringLiteral("/"), [today] { return today; });

    // Every read takes the whole file; a slot and the running game are enough.
    GameState state;
    RecallLog log;
    file.readGame(0, state, log);
    file.loadCurrentGame(state, log);
    const bool told = file.takeNotice().has_value();
    state.Credits = 4321;
    state.Stock = 3;
    try {
        file.writeGame(CurrentGameIndex, state, log, typedName(data, size));
    } catch (const RecordWriteError&) {
        fail("a record in a writable folder could not be stored");
    }

    const QStringList aside = damagedFiles();
    if (aside.size() > 1) {
        fail("a damaged file was moved aside more than once: the first recovery was not whole");
    }
    if (told != (aside.size() == 1)) {
        fail("a file was moved aside without a notice, or a notice came without one");
    }
    if (aside.isEmpty()) {
        // Taken as it is: every other value must still be there as the text had it.
        CSimpleIniA stored;
        QFile written(path);
        if (!written.open(QIODevice::ReadOnly)) {
            fail("the stored record cannot be opened");
        }
        const QByteArray text = written.readAll();
        stored.LoadData(text.constData(), static_cast<std::size_t>(text.size()));
        for (const auto& [where, value] : plainValues(std::string_view(input.constData(), input.size()))) {
            if (where.first == "currentgame" || where.first == "currentgame.recall") {
                continue; // just replaced, with its recall log
            }
            const char* kept = stored.GetValue(where.first.c_str(), where.second.c_str(), nullptr);
            if (kept == nullptr || value != kept) {
                fail("a file taken as it is lost a value on the next store");
            }
        }
    } else {
        QFile kept(fuzzFolder().filePath(aside[0]));
        if (!kept.open(QIODevice::ReadOnly) || kept.readAll() != input) {
            fail("the damaged file was not kept byte for byte");
        }
    }

    RecordFile again(path, true, QStringLiteral("/"), [today] { return today; });
    GameState back;
    RecallLog backLog;
    again.loadCurrentGame(back, backLog);
    if (again.takeNotice() || damagedFiles().size() != aside.size()) {
        fail("what the store wrote is not a whole record file");
    }
    if (back.Credits != 4321 || back.Stock != 3 || back.Spins != state.Spins) {
        fail("the stored running game reads back different");
    }
    if (backLog != log) {
        fail("the stored recall log reads back different");
    }
    for (const QString& name : aside) {
        QFile::remove(fuzzFolder().filePath(name));
    }
    return 0;
}
