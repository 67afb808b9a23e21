#include "engine/records/RecordValues.h"

#include <QLocale>
#include <charconv>
#include <limits>

namespace slotmachine {

std::string settingsText(const QString& text) {
    QString clean = text;
    for (qsizetype i = 0; i < clean.size(); ++i) {
        const QChar c = clean[i];
        if (c.isHighSurrogate() && i + 1 < clean.size() && clean[i + 1].isLowSurrogate()) {
            ++i; // a pair is one character
        } else if (c.category() == QChar::Other_Control || c.isSurrogate()) {
            clean[i] = QLatin1Char(' ');
        }
    }
    return clean.toStdString();
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
    const std::int64_t value =
        negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    return static_cast<std::int32_t>(value);
}

} // namespace slotmachine
