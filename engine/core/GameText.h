#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>
#include <string_view>

namespace slotmachine {

// A game's own words kept as data (its pay rules' descriptions, its symbols' names,
// the name of its stock) in the player's language. A game marks each such text where
// it is written with QT_TRANSLATE_NOOP("GameText", "..."), so that lupdate gathers
// it, and whatever shows one to the player passes it through here. English, or a
// text with no translation, comes back as it is.
inline QString gameText(std::string_view text) {
    const std::string source(text);
    return QCoreApplication::translate("GameText", source.c_str());
}

} // namespace slotmachine
