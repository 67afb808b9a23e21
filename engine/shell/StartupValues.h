#pragma once

#include <QString>

namespace slotmachine {

struct GameValues;

// The values a program settles at start and every window reads afterwards.
struct StartupValues {
    QString ProgramDir;      // the program's folder, with a trailing separator
    QString ProgramBaseName; // the program file's name without its extension
    QString GameTitle;       // window caption and display name
    QString VersionText;
    QString SoundPrefix; // first part of the symbol sheet, sound and music file names
};

// The game's own values for a program file at `programPath`.
StartupValues startupValuesFor(const GameValues& game, const QString& programPath);

// Longest game title a settings file may set.
inline constexpr int MaxTitleLength = 30;

// Applies "Testing.ini" from the program's folder when it exists: in its section
// Settings, SoundRoot replaces the file prefix and AboutName the title (cut to 30
// characters). Absent keys and a missing or unreadable file leave the values alone.
void applyTestingIni(StartupValues& values);

} // namespace slotmachine
