// A second start asks the copy playing the same record file to come forward: two
// servers and a second start in one process, each on its own record folder.
#include "engine/shell/RunningCopy.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace slotmachine;

TEST(RunningCopy, OnlyTheCopyOfTheSameRecordFileComesForwardWithTheTokenAStaleSocketNotWithstanding) {
    struct Case {
        const char* name;
        bool otherFolder; // the second start's record file lies in another folder
        bool staleSocket; // a killed copy left its socket behind
        bool cameForward;
    };
    const Case cases[] = {
        {"the same record file", false, false, true},
        {"another record folder", true, false, false},
        {"after a killed copy", false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir first;
        QTemporaryDir other;
        const QString record = first.filePath(QStringLiteral("synthetic-slots.ini"));
        const QString otherRecord = other.filePath(QStringLiteral("synthetic-slots.ini"));
        ASSERT_NE(runningCopyServerName(record), runningCopyServerName(otherRecord));
        if (c.staleSocket) {
            QFile stale(QDir(QDir::tempPath()).filePath(runningCopyServerName(record)));
            ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        }
        std::vector<QString> tokens;
        RaiseRequests running(record, [&tokens](const QString& token) { tokens.push_back(token); });
        ASSERT_TRUE(running.listening());
        // A copy of another record folder that runs too, and must not hear the first's.
        std::vector<QString> otherTokens;
        std::optional<RaiseRequests> otherRunning;
        if (!c.otherFolder) {
            otherRunning.emplace(otherRecord,
                                 [&otherTokens](const QString& token) { otherTokens.push_back(token); });
        }

        qputenv("XDG_ACTIVATION_TOKEN", "token-42");
        const bool answered = askRunningCopyToComeForward(c.otherFolder ? otherRecord : record, 300);
        qunsetenv("XDG_ACTIVATION_TOKEN");
        EXPECT_EQ(answered, c.cameForward);
        const QDeadlineTimer deadline(2000);
        while (tokens.empty() && c.cameForward && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(tokens,
                  c.cameForward ? std::vector<QString>{QStringLiteral("token-42")} : std::vector<QString>{});
        EXPECT_TRUE(otherTokens.empty());
    }
}
