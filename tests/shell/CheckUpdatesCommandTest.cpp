// threadwright-cli check-updates, in-process, against a server in this process on 127.0.0.1.
#include "shell/Paths.h"
#include "shell/SettingsStore.h"
#include "support/LoopbackServer.h"
#include "support/RecordingDelegate.h"
#include "support/TestEnvironment.h"
#include <gtest/gtest.h>

namespace {
const QByteArray kList = R"(<Updates><Installers>
  <Installer Major="5" Minor="1" Release="0" URL="https://example.invalid/tw-5.1.0.deb" Filename="tw-5.1.0.deb"/>
  <Installer Major="6" Minor="0" Release="0" URL="https://example.invalid/tw-6.0.0.deb" Filename="tw-6.0.0.deb"/>
</Installers></Updates>)";
} // namespace

TEST(CheckUpdatesCommand, ReportsTheOfferOrItsAbsenceAndFailsWithOneLine)
{
    LoopbackServer server;
    server.serve(QStringLiteral("/list.xml"), kList);
    server.serve(QStringLiteral("/bad.xml"), "<Updates><Installers><I Major=\"5\" Minor=\"one\" Release=\"0\"/>"
                                             "</Installers></Updates>");
    const QString good = server.url(QStringLiteral("/list.xml")).toString();
    SettingsStore store(Paths::settingsFile());
    store.writeString(QStringLiteral("UpdateURL"), QString());
    store.sync();
    const QString dueBefore = store.readString(QStringLiteral("CheckForUpdatesDate"));

    struct Case
    {
        const char* name;
        QStringList arguments;
        int exitCode;
        QString status; // of the JSON; empty when nothing is printed
        QString installed;
        QString available;
        QString error; // part of the one stderr line
    };
    const Case cases[] = {
        {"update", {"--url", good, "--installed", "5.0.3", "--json"}, 0, "update", "5.0.3", "5.1.0", {}},
        {"none", {"--url", good, "--installed", "5.1.0", "--json"}, 0, "none", "5.1.0", "", {}},
        {"installed from the data folder", {"--url", good, "--json"}, 0, "update", THREADWRIGHT_VERSION, "5.1.0", {}},
        {"server error", {"--url", server.url(QStringLiteral("/missing.xml")).toString(), "--json"}, 1, {}, {}, {}, "404"},
        {"unreadable list", {"--url", server.url(QStringLiteral("/bad.xml")).toString()}, 1, {}, {}, {}, "could not be read"},
        {"remote plain http", {"--url", "http://192.0.2.7/list.xml"}, 1, {}, {}, {}, "only https"},
        {"no server set up", {"--json"}, 1, {}, {}, {}, "No update server is set up."},
        {"bad installed version", {"--url", good, "--installed", "5.x.0"}, 2, {}, {}, {}, "--installed needs X.Y.Z"},
        {"unknown option", {"--force"}, 2, {}, {}, {}, "--force"},
    };
    RecordingDelegate delegate;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int code = delegate.run(QStringList{QStringLiteral("check-updates")} + c.arguments, TestEnvironment::sourceData());
        EXPECT_EQ(code, c.exitCode) << delegate.errors.join(QLatin1Char('\n')).toStdString();
        if (!c.error.isEmpty()) {
            ASSERT_EQ(delegate.errors.size(), 1);
            EXPECT_TRUE(delegate.errors[0].contains(c.error)) << delegate.errors[0].toStdString();
            EXPECT_TRUE(delegate.printed.isEmpty());
            continue;
        }
        const QJsonObject json = delegate.printedJson();
        EXPECT_EQ(json.value(QStringLiteral("status")).toString(), c.status);
        EXPECT_EQ(json.value(QStringLiteral("installed")).toString(), c.installed);
        EXPECT_EQ(json.value(QStringLiteral("available")).toString(), c.available);
        const bool offered = c.status == QLatin1String("update");
        EXPECT_EQ(json.value(QStringLiteral("url")).toString(), offered ? "https://example.invalid/tw-5.1.0.deb" : "");
        EXPECT_EQ(json.value(QStringLiteral("filename")).toString(), offered ? "tw-5.1.0.deb" : "");
    }
    EXPECT_EQ(store.readString(QStringLiteral("CheckForUpdatesDate")), dueBefore);
}
