// When the running game is stored, and how a close ends, without a window.
#include "engine/records/GameRecords.h"
#include "engine/shell/GameKeeper.h"
#include "games/orevein/OreveinGame.h"
#include "games/pawlane/PawlaneGame.h"
#include "tests/support/TestMachine.h"

#include <gtest/gtest.h>
#include <limits>
#include <stdexcept>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace {

class StoredGames final : public GameRecords {
public:
    void readGame(int, GameState&, RecallLog&) override {}
    void writeGame(int index, const GameState& state, const RecallLog&, const QString&) override {
        EXPECT_EQ(index, CurrentGameIndex);
        if (failWrites) {
            throw RecordWriteError("Unable to write to the test file", playerKnows);
        }
        stored.push_back(state);
    }
    QString gameName() const override { return {}; }
    QString gameDate() const override { return {}; }
    using GameRecords::leaveNotice;
    bool failWrites = false;
    bool playerKnows = false;
    std::vector<GameState> stored;
};

struct Keeper {
    TestMachine m;
    StoredGames records;
    int quits = 0;
    GameKeeper keeper{m.machine, records, m.dialogs, [this] { ++quits; }};
    explicit Keeper(std::unique_ptr<Game> game = std::make_unique<orevein::OreveinGame>()) : m(std::move(game)) {
        m.state.Busy = false;
    }
};

} // namespace

TEST(GameKeeper, StoresAfterEveryCommandThatFinishedAMachineOperation) {
    struct Case {
        const char* name;
        std::function<void(SlotMachine&)> before;
        std::function<void(SlotMachine&)> command;
        bool stored;
    };
    const auto spin = [](SlotMachine& m) { m.betFive(); };
    const Case cases[] = {
        {"a bet alone", nullptr, [](SlotMachine& m) { m.betOne(); }, false},
        {"a settled spin", nullptr, spin, true},
        // The spin count stays where it is, so only the finished operation tells.
        {"a spin at the spin count's limit",
         [](SlotMachine& m) { m.state().Spins = std::numeric_limits<std::int32_t>::max(); }, spin, true},
        // A feature outside the spin command that changes the game without a spin.
        {"a nudge", nullptr,
         [](SlotMachine& m) {
             SlotMachine::Operation nudge(m);
             m.moveReelDown(0);
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Keeper k;
        if (c.before) {
            c.before(k.m.machine);
        }
        k.keeper.run([&] { c.command(k.m.machine); });
        ASSERT_EQ(k.records.stored.size(), c.stored ? 1u : 0u);
        if (c.stored) {
            EXPECT_EQ(k.records.stored.front().Spins, k.m.state.Spins);
            EXPECT_EQ(k.records.stored.front().ReelStop, k.m.state.ReelStop);
        }
    }
}

TEST(GameKeeper, StoresABetNotSpunAsCreditsAndReportsAFailureOncePerRunOfFailures) {
    Keeper k;
    k.m.machine.betOne();
    k.keeper.store();
    ASSERT_EQ(k.records.stored.size(), 1u);
    EXPECT_EQ(k.records.stored.front().Credits, 1000);
    EXPECT_EQ(k.records.stored.front().Coins, 0);
    EXPECT_EQ(k.m.state.Coins, 1) << "the bet stays on the machine";

    // Stock set aside for that spin is stored with the stock, and stays set aside.
    Keeper withHolds(std::make_unique<pawlane::PawlaneGame>());
    auto& holds = static_cast<pawlane::PawlaneGame&>(withHolds.m.game()).holds();
    holds.openAfterLoss(withHolds.m.machine);
    ASSERT_TRUE(holds.hold(withHolds.m.machine, 1));
    withHolds.keeper.store();
    ASSERT_EQ(withHolds.records.stored.size(), 1u);
    EXPECT_EQ(withHolds.records.stored.front().Stock, 6);
    EXPECT_EQ(withHolds.m.state.Stock, 5);
    EXPECT_TRUE(holds.held(1));

    k.records.failWrites = true;
    k.keeper.store();
    k.keeper.store();
    ASSERT_EQ(k.m.dialogs.messages.size(), 1u);
    EXPECT_EQ(k.m.dialogs.messages[0], "Unable to write to the test file\n\nThe game goes on, but it is not being "
                                       "kept until it can be written again.");
    k.records.failWrites = false;
    k.keeper.store();
    k.records.failWrites = true;
    k.keeper.store();
    EXPECT_EQ(k.m.dialogs.messages.size(), 2u) << "a new run of failures is reported again";
    k.records.failWrites = false;
    k.keeper.store();
    k.records.failWrites = k.records.playerKnows = true;
    k.keeper.store();
    EXPECT_EQ(k.m.dialogs.messages.size(), 2u) << "not during play once told that the file cannot be read";
    k.keeper.close(nullptr);
    ASSERT_EQ(k.m.dialogs.messages.size(), 3u) << "the close always reports it";
    EXPECT_EQ(k.m.dialogs.messages[2], "Unable to write to the test file") << "and does not promise to go on";
    EXPECT_EQ(k.quits, 1);
}

TEST(GameKeeper, ACloseAskedForWhileACommandRunsIsFinishedWhenTheOutermostOneReturns) {
    struct Case {
        const char* name;
        std::function<void(Keeper&)> command;
    };
    const auto closeNow = [](Keeper& k) { k.keeper.close([&k] { k.m.state.StopReels = true; }); };
    const Case cases[] = {
        {"in a command opened from another (a window's event loop)",
         [&](Keeper& k) { k.keeper.run([&] { closeNow(k); }); }},
        {"during a machine operation", [&](Keeper& k) {
             SlotMachine::Operation nudge(k.m.machine);
             closeNow(k);
             EXPECT_EQ(k.quits, 0);
         }},
        {"in a command that fails", [&](Keeper& k) {
             closeNow(k);
             throw std::runtime_error("failed");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Keeper k;
        try {
            k.keeper.run([&] {
                c.command(k);
                EXPECT_EQ(k.quits, 0) << "finished inside the command";
            });
        } catch (const std::runtime_error&) {
        }
        EXPECT_TRUE(k.m.state.StopReels) << "the close's shutdown ran at once";
        EXPECT_EQ(k.quits, 1);
        ASSERT_EQ(k.records.stored.size(), 1u);
        // Nothing more is stored, nor closed again, once the close has ended.
        k.keeper.store();
        k.keeper.close(nullptr);
        EXPECT_EQ(k.records.stored.size(), 1u);
        EXPECT_EQ(k.quits, 1);
    }
}

TEST(GameKeeper, WhatTheRecordsHaveToSayIsToldOnceAfterAStore) {
    Keeper k;
    k.records.leaveNotice(QStringLiteral("The record file was damaged."));
    k.keeper.store();
    k.keeper.store();
    EXPECT_EQ(k.m.dialogs.messages, std::vector<std::string>{"The record file was damaged."});
}
