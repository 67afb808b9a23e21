#pragma once

#include <QString>
#include <optional>
#include <utility>

namespace slotmachine {

// The player's choices that outlast a run but are no part of a game (quick spin,
// advice, autoplay's choices, sound): kept apart from the record file, in
// "<program>-settings.ini" beside it, so that a saved game never depends on them.
// Every change is written at once; a value that is missing, damaged or out of range
// reads as the caller's fallback, never as an error. Without a path nothing is kept
// and every value reads as the fallback (a window that tests or tools drive).
class PlayerSettings {
public:
    explicit PlayerSettings(QString path) : path_(std::move(path)) {}

    bool flag(const QString& key, bool fallback) const;
    void setFlag(const QString& key, bool on);

    // A whole number from `lowest` to `highest`, or std::nullopt (absent, not a
    // number, out of range).
    std::optional<int> number(const QString& key, int lowest, int highest) const;
    // std::nullopt removes the key ("never", "empty").
    void setNumber(const QString& key, std::optional<int> value);

    const QString& path() const { return path_; }

private:
    QString path_;
};

// Quick spin, on or off.
inline const QString QuickSpinKey = QStringLiteral("QuickSpin");

// The settings file of a program: its base name + "-settings.ini" in the user's
// settings folder, beside its record file.
QString playerSettingsPath(const QString& programBaseName);

} // namespace slotmachine
