#pragma once

namespace slotmachine {

struct GameState;

// Where the running game lives between runs of the program: read once at start,
// written when the program closes.
class GameRecords {
public:
    virtual ~GameRecords() = default;
    // Reads the stored running game into `state`; leaves it as it is when none is stored.
    virtual void loadCurrentGame(GameState& state) = 0;
    virtual void storeCurrentGame(const GameState& state) = 0;
};

// Keeps nothing: every start is a new game.
class NoGameRecords final : public GameRecords {
public:
    void loadCurrentGame(GameState&) override {}
    void storeCurrentGame(const GameState&) override {}
};

} // namespace slotmachine
