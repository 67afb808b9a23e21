// The recall log keeps the last plays, oldest first.
#include "engine/core/RecallLog.h"

#include <gtest/gtest.h>

namespace recall_log_test {

using slotmachine::PlayRecord;
using slotmachine::RecallLog;

TEST(RecallLog, KeepsTheLastHundredPlaysOldestFirst) {
    RecallLog log;
    EXPECT_TRUE(log.empty());
    for (std::int32_t spin = 1; spin <= 101; ++spin) {
        PlayRecord play;
        play.spin = spin;
        log.add(play);
        ASSERT_EQ(log.size(), std::min<std::size_t>(static_cast<std::size_t>(spin), RecallLog::Capacity));
    }
    EXPECT_EQ(log[0].spin, 2); // the first play dropped by the 101st
    EXPECT_EQ(log[99].spin, 101);
    log.clear();
    EXPECT_TRUE(log.empty());
}

} // namespace recall_log_test
