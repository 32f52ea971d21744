// The rules of the update check: which installer is offered, which lists are refused, the
// information page's address and the next due date.
#include "shell/DelphiDate.h"
#include "shell/SettingsStore.h"
#include "shell/UpdateCheck.h"
#include "support/TestEnvironment.h"
#include <QTemporaryDir>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace {
TVersionInfo version(int major, int minor, int release)
{
    TVersionInfo v;
    v.Major = major;
    v.Minor = minor;
    v.Release = release;
    return v;
}

QByteArray installer(const QByteArray& major, const QByteArray& minor, const QByteArray& release,
    const QByteArray& url = "https://example.invalid/x.deb")
{
    return "<Installer Major=\"" + major + "\" Minor=\"" + minor + "\" Release=\"" + release + "\" URL=\"" + url
        + "\" Filename=\"x.deb\"/>";
}

QByteArray serverList(const QByteArray& installers)
{
    return "<?xml version=\"1.0\"?><Updates><Other/><Installers>" + installers + "</Installers></Updates>";
}
} // namespace

TEST(UpdateCheck, OffersTheLastNewerReleaseOfTheInstalledMajorVersion)
{
    struct Case
    {
        const char* name;
        TVersionInfo installed;
        QList<TVersionInfo> installers;
        QString offered; // empty: nothing offered
    };
    const Case cases[] = {
        {"last qualifying, not highest", version(5, 2, 3), {version(5, 2, 4), version(5, 3, 0), version(6, 0, 0)}, "5.3.0"},
        {"later in the list wins", version(5, 2, 3), {version(5, 3, 0), version(5, 2, 4)}, "5.2.4"},
        {"nothing newer", version(5, 2, 3), {version(5, 2, 3), version(5, 1, 9)}, ""},
        {"older minor, higher release", version(5, 2, 3), {version(5, 1, 9)}, ""},
        {"another major only", version(5, 2, 3), {version(6, 0, 0), version(4, 9, 9)}, ""},
        {"no program release recorded", version(0, 0, 0), {version(0, 1, 0), version(5, 0, 1)}, ""},
        {"empty list", version(5, 0, 0), {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<TVersionInfo> offer = UpdateCheck::candidate(c.installed, c.installers);
        EXPECT_EQ(offer ? offer->version() : QString(), c.offered);
    }
}

TEST(UpdateCheck, ReadsTheServerListAndRefusesHostileOnes)
{
    QByteArray thousand;
    for (int i = 0; i < 1000; ++i)
        thousand += installer("5", "0", QByteArray::number(i));
    QByteArray nested = "<a>";
    for (int i = 0; i < 70; ++i)
        nested += "<n>";
    struct Case
    {
        const char* name;
        QByteArray bytes;
        int installers; // -1: refused
        QString reason;
    };
    const Case cases[] = {
        {"two installers", serverList(installer("5", "1", "0") + installer("5", "2", "65535")), 2, {}},
        {"a thousand installers", serverList(thousand), 1000, {}},
        {"more than a thousand", serverList(thousand + installer("5", "0", "0")), -1, "more than 1000"},
        {"no Installers", "<Updates><Other/></Updates>", -1, "no element Installers"},
        {"malformed", "<Updates><Installers>", -1, "Not readable XML"},
        {"nested too deep", nested, -1, "nested deeper"},
        {"document type", "<!DOCTYPE Updates [<!ENTITY e \"x\">]>" + serverList(installer("5", "1", "0")), -1, "document type"},
        {"version with a letter", serverList(installer("5", "1a", "0")), -1, "\"1a\", not a whole number"},
        {"negative version", serverList(installer("5", "-1", "0")), -1, "not a whole number"},
        {"version above 65535", serverList(installer("5", "65536", "0")), -1, "not a whole number"},
        {"version with a blank", serverList(installer("5", " 1", "0")), -1, "not a whole number"},
        {"missing version", "<U><Installers><I Major=\"5\" Minor=\"1\"/></Installers></U>", -1, "Release"},
        {"long address", serverList(installer("5", "1", "0", QByteArray(2049, 'u'))), -1, "longer than 2048"},
        {"address of 2048", serverList(installer("5", "1", "0", QByteArray(2048, 'u'))), 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Status status;
        const auto list = UpdateCheck::readServerList(c.bytes, &status);
        EXPECT_EQ(list ? int(list->size()) : -1, c.installers) << status.text().toStdString();
        if (!list)
            EXPECT_TRUE(status.text().contains(c.reason)) << status.text().toStdString();
    }
    const auto two = UpdateCheck::readServerList(serverList(installer("5", "1", "0") + installer("5", "2", "65535")));
    ASSERT_TRUE(two);
    EXPECT_EQ((*two)[1].version(), QStringLiteral("5.2.65535"));
    EXPECT_EQ((*two)[1].Name, QStringLiteral("Threadwright"));
    EXPECT_EQ((*two)[1].URL, QStringLiteral("https://example.invalid/x.deb"));
    EXPECT_EQ((*two)[1].Filename, QStringLiteral("x.deb"));
}

TEST(UpdateCheck, ReadsTheInstalledRecord)
{
    const QByteArray helps = "<Helps><Help Language=\"english\" Major=\"5\" Minor=\"0\" Release=\"0\"/></Helps>";
    const QByteArray palettes = "<Palettes><Palette Name=\"DMC\" Major=\"1\" Minor=\"2\" Release=\"3\"/></Palettes>";
    const QByteArray release = "<ProgramRelease Major=\"5\" Minor=\"2\" Release=\"3\"/>";
    struct Case
    {
        const char* name;
        QByteArray bytes;
        QString program; // empty: refused
    };
    const Case cases[] = {
        {"whole record", "<V>" + release + helps + palettes + "</V>", "5.2.3"},
        {"without a program release", "<V>" + helps + palettes + "</V>", "0.0.0"},
        {"without Helps", "<V>" + release + palettes + "</V>", ""},
        {"without Palettes", "<V>" + release + helps + "</V>", ""},
        {"bad program release", "<V><ProgramRelease Major=\"x\" Minor=\"2\" Release=\"3\"/>" + helps + palettes + "</V>", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto installed = UpdateCheck::readInstalled(c.bytes);
        EXPECT_EQ(installed ? installed->program.version() : QString(), c.program);
    }
    const auto whole = UpdateCheck::readInstalled("<V>" + helps + palettes + "</V>");
    ASSERT_TRUE(whole);
    ASSERT_EQ(whole->helps.size(), 1);
    EXPECT_EQ(whole->helps[0].Name, QStringLiteral("english"));
    EXPECT_EQ(whole->helps[0].updateType, utHelp);
    ASSERT_EQ(whole->palettes.size(), 1);
    EXPECT_EQ(whole->palettes[0].Name, QStringLiteral("DMC"));
    EXPECT_EQ(whole->palettes[0].version(), QStringLiteral("1.2.3"));
}

TEST(UpdateCheck, ShippedRecordHoldsTheProgramVersionAndTheShippedData)
{
    Status status;
    const auto installed = UpdateCheck::loadInstalled(TestEnvironment::sourceData(QStringLiteral("CurrentVersion.xml")), &status);
    ASSERT_TRUE(installed) << status.text().toStdString();
    EXPECT_EQ(installed->program.version(), QStringLiteral(THREADWRIGHT_VERSION));
    QStringList languages;
    for (const TVersionInfo& h : installed->helps)
        languages << h.Name;
    EXPECT_EQ(languages, (QStringList{"deutsch", "english", "francais"}));
    EXPECT_EQ(installed->palettes.size(), 2);
}

TEST(UpdateCheck, InformationPageQueryIsEncoded)
{
    const QString page = QStringLiteral("https://updates.example.invalid/UpdateInfo");
    EXPECT_EQ(UpdateCheck::infoPageUrl(page, QStringLiteral("deutsch.lang"), version(5, 2, 3)).toString(),
        page + QStringLiteral("?Language=deutsch&Program=KVX&Version=5.2.3"));
    // A language file's name must not add or change keys of the query.
    const QUrl odd = UpdateCheck::infoPageUrl(page, QStringLiteral("a&Program=x#b c.lang"), version(5, 0, 0));
    const QUrlQuery query(odd);
    EXPECT_EQ(query.queryItems().size(), 3);
    EXPECT_EQ(query.queryItemValue(QStringLiteral("Language"), QUrl::FullyDecoded), QStringLiteral("a&Program=x#b c"));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("Program")), QStringLiteral("KVX"));
    EXPECT_TRUE(odd.fragment().isEmpty());
}

TEST(UpdateCheck, NextCheckIsACalendarMonthLater)
{
    const struct
    {
        QDateTime checked;
        QDateTime due;
    } cases[] = {
        {QDateTime(QDate(2027, 1, 31), QTime(10, 15)), QDateTime(QDate(2027, 2, 28), QTime(10, 15))},
        {QDateTime(QDate(2028, 1, 31), QTime(23, 59)), QDateTime(QDate(2028, 2, 29), QTime(23, 59))},
        {QDateTime(QDate(2026, 12, 10), QTime(8, 0)), QDateTime(QDate(2027, 1, 10), QTime(8, 0))},
        {QDateTime(QDate(2027, 3, 31), QTime(12, 0)), QDateTime(QDate(2027, 4, 30), QTime(12, 0))},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UpdateCheck::nextDue(c.checked), c.due) << c.checked.toString(Qt::ISODate).toStdString();

    // Every successful download moves the date; there is no machine-wide key it depends on.
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("settings.ini")));
    const QDateTime checked(QDate(2027, 1, 31), QTime(10, 15));
    UpdateCheck::moveDueDate(store, checked);
    EXPECT_EQ(DelphiDate::toDateTime(store.readDate(QStringLiteral("CheckForUpdatesDate"))), QDateTime(QDate(2027, 2, 28), QTime(10, 15)));
}

TEST(UpdateCheck, ServerAddressesComeFromTheSettings)
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("settings.ini")));
    EXPECT_TRUE(UpdateCheck::serverListAddress(store).endsWith(QStringLiteral(".invalid/DownloadInfo/UpdatesKvx.xml")));
    EXPECT_TRUE(UpdateCheck::infoPageAddress(store).endsWith(QStringLiteral(".invalid/UpdateInfo")));
    store.writeString(QStringLiteral("UpdateURL"), QString());
    EXPECT_TRUE(UpdateCheck::serverListAddress(store).isEmpty());
}

TEST(UpdateCheck, ParsesAVersionGivenAsText)
{
    EXPECT_EQ(UpdateCheck::parseVersion(QStringLiteral("5.10.0"))->version(), QStringLiteral("5.10.0"));
    for (const char* bad : {"5.1", "5.1.0.0", "5..1", "5.1.x", "5.1.65536", "-5.1.0", ""})
        EXPECT_FALSE(UpdateCheck::parseVersion(QLatin1String(bad))) << bad;
}
