#pragma once

// How the values of a record file are written as text and read back: integers,
// the game's date, and text that one settings line can hold.

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class QLocale;

namespace slotmachine {

// The separator of the locale's short date format; "/" when it has none, as a
// format with month names and spaces has not.
QString dateSeparatorOf(const QLocale& locale);

// "mm/dd/yy" with the given separator.
QString formatGameDate(QDate date, const QString& separator);

// A stored integer: decimal with an optional minus sign; hexadecimal after "0x"
// or "0X" (with at least one digit) or after "$". Nothing for text that is not
// an integer or does not fit into 32 bits.
std::optional<std::int32_t> parseRecordInteger(std::string_view text);

// Text that a settings line can hold: line breaks and other control characters
// (NUL among them) would end the value early or start a line of their own, and a
// lone surrogate would turn into bytes that are not UTF-8.
std::string settingsText(const QString& text);

} // namespace slotmachine
