#pragma once

// The form of a score: the sections it plays, in order, transposed and repeated.

#include "tools/assets/music/Score.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace slotmachine::music {

// Reads the items of a form line from words[first] on (A, A*2, A+2, A-3*2) into
// `form`, and the sections' names into `names`, to be found once all are read.
void readFormItems(const std::vector<std::string_view>& words, std::size_t first, int line,
                   std::vector<FormEntry>& form, std::vector<std::string>& names);

// Points each entry of `form` to the section of its name in `names`.
void findFormSections(std::vector<FormEntry>& form, const std::vector<std::string>& names,
                      const std::vector<Section>& sections);

} // namespace slotmachine::music
