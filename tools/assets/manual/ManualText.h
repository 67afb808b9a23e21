#pragma once

#include "engine/shell/PlayerLanguage.h"

#include <QLocale>
#include <QString>
#include <string_view>

namespace slotmachine::manual {

inline QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Numbers as the manual's language writes them: English's own form, or the
// installed language's ("7.500", "12,5").
inline QLocale manualLocale() {
    return playerLanguage().isEmpty() ? QLocale(QLocale::English) : QLocale();
}

} // namespace slotmachine::manual
