#include "engine/shell/PublisherPage.h"

#include "engine/shell/StartupValues.h"
#include "tests/support/Recorders.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace slotmachine;
using namespace slotmachine::testing;

TEST(PublisherPage, AMissingPageIsNamedAndAFailedBrowserInvitesAVisit) {
    QTemporaryDir dir;
    StartupValues values;
    values.ProgramDir = dir.path() + QLatin1Char('/');
    EventLog log;
    ScriptedDialogs dialogs(log);

    openPublisherPage(values, dialogs);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              "The publisher's page (" + dir.filePath(QStringLiteral("publisher.html")).toStdString() +
                  ") could not be found.");

    // The headless platform has no browser to hand the page to.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        GTEST_SKIP() << "needs the headless platform";
    }
    QFile page(dir.filePath(QStringLiteral("publisher.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    dialogs.messages.clear();
    log.clear();
    openPublisherPage(values, dialogs);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], "Error Could not find a web browser on your system!");
    EXPECT_EQ(log[1].rfind("Message Please visit Brightplay", 0), 0u);
    EXPECT_NE(log[1].find("publisher.html"), std::string::npos);
}
