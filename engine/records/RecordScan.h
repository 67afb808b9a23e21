#pragma once

// The damage check of the record file: a plain scan of its bytes, and what the
// settings reader took from them. A file the scan does not read whole, or that
// the reader took otherwise, is not stored over.

#include "engine/records/IniFile.h"

#include <QString>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace slotmachine {

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

// Reads the file's lines the simplest way the format allows: headings "[name]",
// "key=value" lines, comments after ';' or '#', lines ending in "\n", "\r\n" or
// "\r". A game section without one of the keys every store writes is not whole.
ScannedFile scanRecordText(std::string_view text);

// Finds where the reader did not take the file as the scan found it.
void compareWithReader(ScannedFile& file, const CSimpleIniA& ini);

} // namespace slotmachine
