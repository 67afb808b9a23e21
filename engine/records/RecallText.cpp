#include "engine/records/RecallText.h"

#include "engine/core/Paytable.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStringList>
#include <cmath>
#include <limits>
#include <span>
#include <string_view>
#include <utility>

namespace slotmachine {

namespace {

constexpr std::array<std::string_view, 5> KindNames{"spin", "nudge", "loan", "payback", "bonus"};
constexpr std::array<std::string_view, 4> MoverNames{"up", "down", "held", "nudge"};
constexpr std::int32_t Most = std::numeric_limits<std::int32_t>::max();

QString nameOf(std::span<const std::string_view> names, auto value) {
    const std::string_view name = names[static_cast<std::size_t>(value)];
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QString isoTime(std::int64_t seconds) {
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(Qt::ISODate);
}

QJsonArray intArray(const auto& values) {
    QJsonArray array;
    for (const auto value : values) {
        array.append(static_cast<qint64>(value));
    }
    return array;
}

// Thrown while reading a play, caught where the reading returns its error.
struct Damage {
    QString message;
};

// Reads the values of one JSON object, naming each by its path in a Damage.
class Fields {
public:
    Fields(const QJsonObject& object, QString path) : object_(object), path_(std::move(path)) {}

    QString name(const QString& key) const { return path_.isEmpty() ? key : path_ + QLatin1Char('.') + key; }

    QJsonValue value(const QString& key) const {
        const auto found = object_.find(key);
        if (found == object_.end()) {
            throw Damage{name(key) + QStringLiteral(" is missing")};
        }
        return *found;
    }

    std::int64_t integer(const QString& key, std::int64_t low, std::int64_t high) const {
        return wholeNumber(value(key), name(key), low, high);
    }

    QJsonArray array(const QString& key, std::size_t most) const {
        const QJsonValue found = value(key);
        if (!found.isArray()) {
            throw Damage{name(key) + QStringLiteral(" is not a list")};
        }
        const QJsonArray list = found.toArray();
        if (static_cast<std::size_t>(list.size()) > most) {
            throw Damage{
                QStringLiteral("%1 has %2 entries, more than %3").arg(name(key)).arg(list.size()).arg(most)};
        }
        return list;
    }

    // A list of exactly `size` entries, called `entries` in the message.
    QJsonArray exactly(const QString& key, qsizetype size, const QString& entries) const {
        const QJsonArray list = array(key, std::numeric_limits<std::size_t>::max());
        if (list.size() != size) {
            throw Damage{QStringLiteral("%1 has %2 %3, not %4")
                             .arg(name(key))
                             .arg(list.size())
                             .arg(entries)
                             .arg(size)};
        }
        return list;
    }

    QJsonObject object(const QString& key) const {
        const QJsonValue found = value(key);
        if (!found.isObject()) {
            throw Damage{name(key) + QStringLiteral(" is not an object")};
        }
        return found.toObject();
    }

    int oneOf(const QString& key, std::span<const std::string_view> names) const {
        const QString text = value(key).toString();
        for (std::size_t index = 0; index < names.size(); ++index) {
            if (text == QLatin1String(names[index].data(), static_cast<qsizetype>(names[index].size()))) {
                return static_cast<int>(index);
            }
        }
        QStringList allowed;
        for (const auto& allowedName : names) {
            allowed << QString::fromLatin1(allowedName.data(), static_cast<qsizetype>(allowedName.size()));
        }
        throw Damage{
            QStringLiteral("%1 is not one of %2").arg(name(key), allowed.join(QStringLiteral(", ")))};
    }

    static std::int64_t wholeNumber(const QJsonValue& value, const QString& name, std::int64_t low,
                                    std::int64_t high) {
        if (!value.isDouble() || std::trunc(value.toDouble()) != value.toDouble()) {
            throw Damage{name + QStringLiteral(" is not a whole number")};
        }
        const double number = value.toDouble();
        if (number < static_cast<double>(low) || number > static_cast<double>(high)) {
            throw Damage{QStringLiteral("%1 is %2, outside %3 to %4")
                             .arg(name)
                             .arg(number, 0, 'f', 0)
                             .arg(low)
                             .arg(high)};
        }
        return static_cast<std::int64_t>(number);
    }

private:
    QJsonObject object_;
    QString path_;
};

QString entryName(const QString& list, qsizetype index) {
    return QStringLiteral("%1[%2]").arg(list).arg(index);
}

std::int32_t count(const Fields& fields, const QString& key) {
    return static_cast<std::int32_t>(fields.integer(key, 0, Most));
}

std::int32_t stopOf(const QJsonValue& value, const QString& name) {
    return static_cast<std::int32_t>(Fields::wholeNumber(value, name, 1, StripLength));
}

PlayRecord readPlay(const QJsonObject& object) {
    const Fields fields(object, {});
    PlayRecord play;
    play.kind = static_cast<PlayKind>(fields.oneOf(QStringLiteral("kind"), KindNames));

    const QString timeText = fields.value(QStringLiteral("time")).toString();
    const QDateTime time = QDateTime::fromString(timeText, Qt::ISODate);
    if (!time.isValid() || time.offsetFromUtc() != 0 || !timeText.endsWith(QLatin1Char('Z'))) {
        throw Damage{QStringLiteral("time is not an ISO 8601 UTC time")};
    }
    play.time = time.toSecsSinceEpoch();

    play.spin = count(fields, QStringLiteral("spin"));
    play.coins = static_cast<std::int32_t>(fields.integer(QStringLiteral("coins"), 0, RecallMostCoins));
    const QJsonArray lines = fields.array(QStringLiteral("lines"), ReelCount);
    for (qsizetype index = 0; index < lines.size(); ++index) {
        play.lines.push_back(static_cast<int>(
            Fields::wholeNumber(lines[index], entryName(QStringLiteral("lines"), index), 0, ReelCount - 1)));
    }

    const QJsonArray stops = fields.exactly(QStringLiteral("stops"), ReelCount, QStringLiteral("reels"));
    for (qsizetype reel = 0; reel < ReelCount; ++reel) {
        play.stops[static_cast<std::size_t>(reel)] =
            stopOf(stops[reel], entryName(QStringLiteral("stops"), reel));
    }

    const QJsonArray moves = fields.array(QStringLiteral("moves"), RecallMostMoves);
    for (qsizetype index = 0; index < moves.size(); ++index) {
        const QString name = entryName(QStringLiteral("moves"), index);
        if (!moves[index].isObject()) {
            throw Damage{name + QStringLiteral(" is not an object")};
        }
        const Fields move(moves[index].toObject(), name);
        play.moves.push_back(
            ReelMove{static_cast<int>(move.integer(QStringLiteral("reel"), 0, ReelCount - 1)),
                     stopOf(move.value(QStringLiteral("from")), move.name(QStringLiteral("from"))),
                     stopOf(move.value(QStringLiteral("to")), move.name(QStringLiteral("to"))),
                     static_cast<ReelMover>(move.oneOf(QStringLiteral("by"), MoverNames))});
    }

    const QJsonArray paylines = fields.array(QStringLiteral("paylines"), ReelCount);
    for (qsizetype index = 0; index < paylines.size(); ++index) {
        const QString name = entryName(QStringLiteral("paylines"), index);
        if (!paylines[index].isObject()) {
            throw Damage{name + QStringLiteral(" is not an object")};
        }
        const Fields line(paylines[index].toObject(), name);
        LineResult result;
        result.row = static_cast<int>(line.integer(QStringLiteral("row"), 0, ReelCount - 1));
        const QJsonArray symbols =
            line.exactly(QStringLiteral("symbols"), ReelCount, QStringLiteral("symbols"));
        for (qsizetype reel = 0; reel < ReelCount; ++reel) {
            result.symbols[static_cast<std::size_t>(reel)] = static_cast<int>(Fields::wholeNumber(
                symbols[reel], entryName(line.name(QStringLiteral("symbols")), reel), 0, NoSymbol));
        }
        result.pay = count(line, QStringLiteral("pay"));
        play.paylines.push_back(result);
    }
    play.win = count(fields, QStringLiteral("win"));

    play.bonusPointsBefore =
        static_cast<std::int32_t>(fields.integer(QStringLiteral("bonus_points_before"), 0, FullBonusPoints));
    play.bonusPointsAfter =
        static_cast<std::int32_t>(fields.integer(QStringLiteral("bonus_points_after"), 0, FullBonusPoints));
    play.stockBefore = count(fields, QStringLiteral("stock_before"));
    play.stockEarned = count(fields, QStringLiteral("stock_earned"));
    play.stockUsed = count(fields, QStringLiteral("stock_used"));
    if (object.contains(QStringLiteral("bonus"))) {
        const Fields bonus(fields.object(QStringLiteral("bonus")), QStringLiteral("bonus"));
        play.bonus = BoxPick{static_cast<int>(bonus.integer(QStringLiteral("box"), 0, BoxCount - 1)),
                             count(bonus, QStringLiteral("held")), count(bonus, QStringLiteral("paid"))};
    }

    play.creditsBefore = count(fields, QStringLiteral("credits_before"));
    play.creditsAfter = count(fields, QStringLiteral("credits_after"));
    play.loan = count(fields, QStringLiteral("loan"));
    return play;
}

} // namespace

QString kindName(PlayKind kind) {
    return nameOf(KindNames, kind);
}

QString moverName(ReelMover by) {
    return nameOf(MoverNames, by);
}

QString playToJson(const PlayRecord& play) {
    QJsonObject object{
        {QStringLiteral("kind"), nameOf(KindNames, play.kind)},
        {QStringLiteral("time"), isoTime(play.time)},
        {QStringLiteral("spin"), play.spin},
        {QStringLiteral("coins"), play.coins},
        {QStringLiteral("lines"), intArray(play.lines)},
        {QStringLiteral("stops"), intArray(play.stops)},
        {QStringLiteral("win"), play.win},
        {QStringLiteral("bonus_points_before"), play.bonusPointsBefore},
        {QStringLiteral("bonus_points_after"), play.bonusPointsAfter},
        {QStringLiteral("stock_before"), play.stockBefore},
        {QStringLiteral("stock_earned"), play.stockEarned},
        {QStringLiteral("stock_used"), play.stockUsed},
        {QStringLiteral("credits_before"), play.creditsBefore},
        {QStringLiteral("credits_after"), play.creditsAfter},
        {QStringLiteral("loan"), play.loan},
    };
    QJsonArray moves;
    for (const ReelMove& move : play.moves) {
        moves.append(QJsonObject{{QStringLiteral("reel"), move.reel},
                                 {QStringLiteral("from"), move.from},
                                 {QStringLiteral("to"), move.to},
                                 {QStringLiteral("by"), nameOf(MoverNames, move.by)}});
    }
    object.insert(QStringLiteral("moves"), moves);
    QJsonArray paylines;
    for (const LineResult& line : play.paylines) {
        paylines.append(QJsonObject{{QStringLiteral("row"), line.row},
                                    {QStringLiteral("symbols"), intArray(line.symbols)},
                                    {QStringLiteral("pay"), line.pay}});
    }
    object.insert(QStringLiteral("paylines"), paylines);
    if (play.bonus) {
        object.insert(QStringLiteral("bonus"), QJsonObject{{QStringLiteral("box"), play.bonus->box},
                                                           {QStringLiteral("held"), play.bonus->held},
                                                           {QStringLiteral("paid"), play.bonus->paid}});
    }
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

RecallReading<PlayRecord> playFromJson(const QString& line) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return {std::nullopt, QStringLiteral("not JSON: ") + parseError.errorString()};
    }
    if (!document.isObject()) {
        return {std::nullopt, QStringLiteral("not a JSON object")};
    }
    try {
        return {readPlay(document.object()), {}};
    } catch (const Damage& damage) {
        return {std::nullopt, damage.message};
    }
}

QString recallLogToText(const RecallLog& log) {
    QString text;
    for (const PlayRecord& play : log) {
        text += playToJson(play) + QLatin1Char('\n');
    }
    return text;
}

RecallReading<RecallLog> recallLogFromText(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty()) {
        lines.removeLast(); // the break that ends the last line
    }
    if (static_cast<std::size_t>(lines.size()) > RecallLog::Capacity) {
        return {std::nullopt, QStringLiteral("%1 plays, more than a log keeps (%2)")
                                  .arg(lines.size())
                                  .arg(RecallLog::Capacity)};
    }
    RecallLog log;
    for (qsizetype index = 0; index < lines.size(); ++index) {
        RecallReading<PlayRecord> play = playFromJson(lines[index]);
        if (!play.value) {
            return {std::nullopt, QStringLiteral("line %1: %2").arg(index + 1).arg(play.error)};
        }
        log.add(std::move(*play.value));
    }
    return {std::move(log), {}};
}

} // namespace slotmachine
