#include "tools/assets/music/ScoreForm.h"

#include "tools/assets/music/ScoreWords.h"

#include <algorithm>
#include <cctype>

namespace slotmachine::music {

void readFormItems(const std::vector<std::string_view>& words, std::size_t first, int line,
                   std::vector<FormEntry>& form, std::vector<std::string>& names) {
    for (std::size_t i = first; i < words.size(); ++i) {
        const std::string_view item = words[i];
        std::size_t end = 0;
        while (end < item.size() &&
               (std::isalnum(static_cast<unsigned char>(item[end])) || item[end] == '_')) {
            ++end;
        }
        FormEntry entry;
        entry.line = line;
        std::string_view rest = item.substr(end);
        if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
            const std::size_t star = rest.find('*');
            entry.transpose = wholeNumber(rest.substr(0, star), -24, 24, line, "a transposition");
            rest = star == std::string_view::npos ? std::string_view() : rest.substr(star);
        }
        if (end == 0 || (!rest.empty() && rest[0] != '*')) {
            fail(line, "cannot read the form item " + quoted(item) + " (use A, A*2, A+2, A-3*2)");
        }
        if (!rest.empty()) {
            entry.times = wholeNumber(rest.substr(1), 1, 99, line, "the number of times");
        }
        names.emplace_back(item.substr(0, end));
        form.push_back(entry);
    }
}

void findFormSections(std::vector<FormEntry>& form, const std::vector<std::string>& names,
                      const std::vector<Section>& sections) {
    for (std::size_t i = 0; i < form.size(); ++i) {
        const auto found = std::find_if(sections.begin(), sections.end(),
                                        [&](const Section& s) { return s.name == names[i]; });
        if (found == sections.end()) {
            fail(form[i].line, "the form names " + quoted(names[i]) + ", which is no section");
        }
        form[i].section = static_cast<int>(found - sections.begin());
    }
}

} // namespace slotmachine::music
