#pragma once

#include <QString>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace slotmachine {

class RecallLog;
struct GameState;

// Sections of a record file: the eight game slots by index 0 to 7, and the
// running game.
inline constexpr int GameSlotCount = 8;
inline constexpr int CurrentGameIndex = 8;

// "GameNo1" to "GameNo8" for the slots, "CurrentGame" for the running game.
QString sectionName(int index);
// The section that holds the recall log of the game in section `index`.
QString recallSectionName(int index);

// A write that did not reach the disk. The file keeps what it held before.
class RecordWriteError : public std::runtime_error {
public:
    // `playerKnows`: the player has been told already why nothing can be kept (the
    // file cannot be read), so the failure need not be shown again during play.
    explicit RecordWriteError(const std::string& what, bool playerKnows = false)
        : std::runtime_error(what), playerKnows_(playerKnows) {}
    bool playerKnows() const { return playerKnows_; }

private:
    bool playerKnows_;
};

// Where games are kept: the running game between runs of the program, and the
// saved games. Reading loads a section straight into the live game, writing
// stores the live game; nothing stays open between calls.
class GameRecords {
public:
    virtual ~GameRecords() = default;

    // Loads the section's totals into `state`, each value that is absent or out of
    // range as its default, and its recall log into `log` (empty when it has none,
    // or when it is damaged: then the damage is kept aside and told like any other);
    // keeps its name and date for gameName and gameDate.
    virtual void readGame(int index, GameState& state, RecallLog& log) = 0;
    // Stores the totals of `state` and the plays of `log` under `name` with today's
    // date, in one write. Throws RecordWriteError when the file cannot be written.
    virtual void writeGame(int index, const GameState& state, const RecallLog& log, const QString& name) = 0;

    // The same for callers that keep no log: the log read is dropped, and the game
    // is written with an empty one.
    void readGame(int index, GameState& state);
    void writeGame(int index, const GameState& state, const QString& name);

    // The name (at most 30 characters) and date (at most 10) of the last game read.
    virtual QString gameName() const = 0;
    virtual QString gameDate() const = 0;

    void loadCurrentGame(GameState& state, RecallLog& log) { readGame(CurrentGameIndex, state, log); }
    void loadCurrentGame(GameState& state) { readGame(CurrentGameIndex, state); }
    // The running game is always stored under the name "CurrentGame".
    void storeCurrentGame(const GameState& state, const RecallLog& log) {
        writeGame(CurrentGameIndex, state, log, sectionName(CurrentGameIndex));
    }
    void storeCurrentGame(const GameState& state) { writeGame(CurrentGameIndex, state, sectionName(CurrentGameIndex)); }

    // What the player should be told about the records, once: for example that a
    // damaged record file was moved aside. The store shows no windows itself; the
    // window asks after every read or write.
    std::optional<QString> takeNotice() { return std::exchange(notice_, std::nullopt); }

protected:
    void leaveNotice(const QString& text) {
        notice_ = notice_ ? *notice_ + QStringLiteral("\n\n") + text : text;
    }

private:
    std::optional<QString> notice_;
};

} // namespace slotmachine
