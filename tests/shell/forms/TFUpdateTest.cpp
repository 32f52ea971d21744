// The update check from the main window, against a server in this process on 127.0.0.1.
#include "model/Design.h"
#include "shell/DelphiDate.h"
#include "shell/Paths.h"
#include "shell/SettingsStore.h"
#include "shell/UpdateCheck.h"
#include "shell/forms/InfoPageBrowser.h"
#include "shell/forms/TFMain.h"
#include "shell/forms/TFUpdate.h"
#include "support/LoopbackServer.h"
#include "support/ui/ScriptedDialogs.h"
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {
const QString kList = QStringLiteral("/DownloadInfo/UpdatesKvx.xml");
const QString kInfo = QStringLiteral("/UpdateInfo");

TVersionInfo shippedVersion()
{
    return *UpdateCheck::parseVersion(QStringLiteral(THREADWRIGHT_VERSION));
}

// The shipped version with the minor version raised by one.
QString newerVersion()
{
    TVersionInfo v = shippedVersion();
    ++v.Minor;
    v.Release = 0;
    return v.version();
}

QByteArray listOffering(const QString& version)
{
    const QStringList n = version.split(QLatin1Char('.'));
    return QStringLiteral("<Updates><Installers><Installer Major=\"%1\" Minor=\"%2\" Release=\"%3\" "
                          "URL=\"https://example.invalid/tw.deb\" Filename=\"tw.deb\"/></Installers></Updates>")
        .arg(n[0], n[1], n[2])
        .toUtf8();
}

class TFUpdateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        store.writeString(QStringLiteral("UpdateURL"), server.url(kList).toString());
        store.writeString(QStringLiteral("UpdateInfoURL"), server.url(kInfo).toString());
        server.serve(kInfo, "<html><body><p>Release notes</p><img src=\"" + server.url("/track.png").toEncoded()
                + "\"></body></html>");
    }

    void TearDown() override
    {
        // No later test may reach for the default server.
        store.writeString(QStringLiteral("UpdateURL"), QString());
        store.writeDate(QStringLiteral("CheckForUpdatesDate"), DelphiDate::fromDateTime(QDateTime::currentDateTime().addDays(1)));
        store.sync();
    }

    std::unique_ptr<TFMain> startMain()
    {
        auto main = std::make_unique<TFMain>();
        main->setDialogs(std::make_unique<ScriptedDialogs>());
        return main;
    }

    // Waits until the window's requests (list and page) have ended.
    static bool settle(TFUpdate& window)
    {
        return QTest::qWaitFor([&] { return !window.checking(); }, 10000);
    }

    SettingsStore store{Paths::settingsFile()};
    LoopbackServer server;
};
} // namespace

TEST_F(TFUpdateTest, ManualCheckOffersOneTickedProgramRowBesideTheInformationPage)
{
    server.serve(kList, listOffering(newerVersion()));
    auto main = startMain();
    main->MenuCheckUpdates->trigger();
    TFUpdate& window = *main->FUpdate;
    ASSERT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isModal());
    ASSERT_TRUE(settle(window));

    QTreeWidgetItem* program = window.ListView1->topLevelItem(TFUpdate::GroupProgram);
    EXPECT_EQ(program->text(0), QStringLiteral("Program"));
    ASSERT_EQ(program->childCount(), 1);
    const QTreeWidgetItem* row = program->child(0);
    EXPECT_EQ(row->text(0), QStringLiteral("Threadwright"));
    EXPECT_EQ(row->text(1), newerVersion());
    EXPECT_EQ(row->text(2), shippedVersion().version());
    EXPECT_EQ(row->checkState(0), Qt::Checked);
    EXPECT_EQ(window.ListView1->topLevelItem(TFUpdate::GroupHelp)->childCount(), 0);
    EXPECT_FALSE(window.statusIsWarning());
    EXPECT_TRUE(window.PanelUpdate->isVisible());

    // The page is asked for with the installed version and shown without its remote picture.
    EXPECT_TRUE(window.WebBrowser1->toPlainText().contains(QStringLiteral("Release notes")));
    EXPECT_TRUE(server.requests().contains(
        kInfo + QStringLiteral("?Language=english&Program=KVX&Version=") + shippedVersion().version()));
    EXPECT_FALSE(server.requests().contains(QStringLiteral("/track.png")));
    EXPECT_FALSE(window.WebBrowser1->loadResource(QTextDocument::ImageResource, server.url("/track.png")).isValid());

    // The list is never written anywhere, and the next automatic check is a month away.
    EXPECT_FALSE(QFileInfo::exists(QDir(main->design().stitch.PathData).filePath(QStringLiteral("WebUpdates.xml"))));
    const QDateTime due = DelphiDate::toDateTime(store.readDate(QStringLiteral("CheckForUpdatesDate")));
    EXPECT_LT(std::abs(due.secsTo(QDateTime::currentDateTime().addMonths(1))), 60);

    QTest::mouseClick(window.ButtonCancel, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(TFUpdateTest, ManualCheckSaysWhyItFoundNothing)
{
    struct Case
    {
        const char* name;
        QByteArray list; // empty: the server answers 404
        QString address; // the setting; "-" for the loopback list
        QString status;
        bool warning;
    };
    const Case cases[] = {
        {"no connection", {}, "-", "No internet connection\nThe server answered 404", true},
        {"hostile list", "<!DOCTYPE U [<!ENTITY e \"e\">]><U><Installers/></U>", "-", "The update list could not be read.\n", true},
        {"no server set up", {}, "", "No update server is set up.", true},
        {"nothing newer", listOffering(shippedVersion().version()), "-", "No new version for Threadwright is available", false},
    };
    auto main = startMain();
    TFUpdate& window = *main->FUpdate;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        server.serve(kList, c.list, c.list.isEmpty() ? 404 : 200);
        store.writeString(QStringLiteral("UpdateURL"), c.address == QLatin1String("-") ? server.url(kList).toString() : c.address);
        const int requests = int(server.requests().size());
        main->MenuCheckUpdates->trigger();
        ASSERT_TRUE(settle(window));
        EXPECT_TRUE(window.statusText().startsWith(c.status)) << window.statusText().toStdString();
        EXPECT_EQ(window.statusIsWarning(), c.warning);
        EXPECT_TRUE(window.ImageStatus->isVisible() == c.warning);
        EXPECT_EQ(window.ListView1->topLevelItem(TFUpdate::GroupProgram)->childCount(), 0);
        if (c.address.isEmpty())
            EXPECT_EQ(server.requests().size(), requests);
        window.ActCancel->trigger();
    }
}

TEST_F(TFUpdateTest, AutomaticCheckIsSilentUnlessItFindsAnUpdate)
{
    store.writeDate(QStringLiteral("CheckForUpdatesDate"), DelphiDate::fromDateTime(QDateTime::currentDateTime().addDays(-1)));
    server.serve(kList, QByteArray(), 500);
    auto main = startMain();
    TFUpdate& window = *main->FUpdate;
    ASSERT_TRUE(main->TimerCheckForUpdates->isActive());
    EXPECT_EQ(main->TimerCheckForUpdates->interval(), 20000);
    EXPECT_TRUE(main->TimerCheckForUpdates->isSingleShot());

    main->TimerCheckForUpdatesTimer();
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requests().size() == 1 && !window.checking(); }, 10000));
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(main->TimerCheckForUpdates->isActive());
    // Once per run: a second tick asks nothing.
    main->TimerCheckForUpdatesTimer();
    QTest::qWait(100);
    EXPECT_EQ(server.requests().size(), 1);

    // In a run where the check finds an update, the window opens, after a modal dialog closes.
    server.serve(kList, listOffering(newerVersion()));
    auto second = startMain();
    QDialog other(second.get());
    other.setModal(true);
    other.show();
    second->TimerCheckForUpdatesTimer();
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requests().size() >= 3 && !second->FUpdate->checking(); }, 10000));
    QTest::qWait(400);
    EXPECT_FALSE(second->FUpdate->isVisible());
    other.accept();
    ASSERT_TRUE(QTest::qWaitFor([&] { return second->FUpdate->isVisible(); }, 2000));
    EXPECT_EQ(second->FUpdate->ListView1->topLevelItem(TFUpdate::GroupProgram)->childCount(), 1);
}

TEST_F(TFUpdateTest, CloseEndsARequestTheServerNeverAnswers)
{
    server.silent(kList);
    auto main = startMain();
    TFUpdate& window = *main->FUpdate;
    main->MenuCheckUpdates->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.openSockets() == 1; }, 5000));
    EXPECT_TRUE(window.checking());
    QTest::mouseClick(window.ButtonCancel, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.checking());
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.openSockets() == 0; }, 5000));
}

TEST_F(TFUpdateTest, MainWindowAnswersWhileTheServerIsSilent)
{
    server.silent(kList);
    auto main = startMain();
    main->MenuCheckUpdates->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.openSockets() == 1; }, 5000));
    // Events posted to the main window while the request waits are handled at once.
    std::vector<qint64> latencies;
    for (int i = 0; i < 10; ++i) {
        QElapsedTimer clock;
        clock.start();
        qint64 handled = -1;
        QMetaObject::invokeMethod(main.get(), [&] { handled = clock.elapsed(); }, Qt::QueuedConnection);
        ASSERT_TRUE(QTest::qWaitFor([&] { return handled >= 0; }, 5000));
        latencies.push_back(handled);
        QTest::qWait(20);
    }
    EXPECT_TRUE(main->FUpdate->checking());
    std::sort(latencies.begin(), latencies.end());
    EXPECT_LT(latencies[latencies.size() / 2], 50) << "median of " << latencies.size() << " events";
    main->FUpdate->ActCancel->trigger();
}
