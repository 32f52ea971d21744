// The fetcher against a server in this process on 127.0.0.1: every answer a hostile or broken
// server can give ends the request with a reason, and only a whole 200 answer within the limits
// delivers a body.
#include "net/UpdateFetcher.h"
#include "shell/UpdateCheck.h"
#include "support/LoopbackServer.h"
#include "support/TestEnvironment.h"
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {
const QByteArray kGoodList = R"(<?xml version="1.0"?>
<Updates><Installers>
  <Installer Major="5" Minor="1" Release="0" URL="https://example.invalid/tw-5.1.0.deb" Filename="tw-5.1.0.deb"/>
</Installers></Updates>)";

const QByteArray kEntityBomb = R"(<?xml version="1.0"?>
<!DOCTYPE Updates [<!ENTITY a "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa">
<!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;">
<!ENTITY c "&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;">
<!ENTITY d "&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;">]>
<Updates><Installers><I Major="5" Minor="1" Release="0" URL="&d;&d;&d;&d;" Filename="x"/></Installers></Updates>)";

struct Outcome
{
    bool ended = false;
    bool ok = false;
    QByteArray body;
    QString reason;
    qint64 ms = 0;
};

Outcome fetchAndWait(UpdateFetcher& fetcher, const QUrl& url, int waitMs = 20000)
{
    Outcome o;
    QEventLoop loop;
    QObject::connect(&fetcher, &UpdateFetcher::succeeded, &loop, [&](const QByteArray& body) {
        o = {true, true, body, QString(), 0};
        loop.quit();
    });
    QObject::connect(&fetcher, &UpdateFetcher::failed, &loop, [&](const QString& reason) {
        o = {true, false, QByteArray(), reason, 0};
        loop.quit();
    });
    QTimer::singleShot(waitMs, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    fetcher.fetch(url);
    loop.exec();
    o.ms = clock.elapsed();
    return o;
}

struct FetchCase
{
    const char* name;
    std::function<void(LoopbackServer&)> serve;
    // A path on the loopback server, or a whole address.
    QString target;
    // Empty when the body must arrive; otherwise a part of the reason ("*": any reason).
    QString failure;
    // For a body that arrived: whether it reads as a server list.
    bool readable = true;
    int deadlineMs = UpdateFetcher::kDeadlineMs;
};
} // namespace

TEST(UpdateFetcher, EndsEveryAnswerWithABodyOrAReason)
{
    const QString list = QStringLiteral("/DownloadInfo/UpdatesKvx.xml");
    const auto serveList = [&](const QByteArray& body) { return [=](LoopbackServer& s) { s.serve(list, body); }; };
    const std::vector<FetchCase> cases = {
        {"good list", serveList(kGoodList), list, {}},
        {"404", [](LoopbackServer&) {}, QStringLiteral("/missing.xml"), QStringLiteral("404")},
        {"10 MiB body", [&](LoopbackServer& s) { s.endless(list, 10 << 20); }, list, QStringLiteral("larger than the limit")},
        {"Content-Length of 2 MiB", serveList(QByteArray(2 << 20, 'x')), list, QStringLiteral("2097152 bytes is larger")},
        {"one byte a second", [&](LoopbackServer& s) { s.trickle(list, 1000, 200); }, list,
            QStringLiteral("did not answer within 1.5 s"), true, 1500},
        {"redirect to remote http",
            [&](LoopbackServer& s) { s.redirect(list, QStringLiteral("http://192.0.2.7/UpdatesKvx.xml")); }, list,
            QStringLiteral("http://192.0.2.7/UpdatesKvx.xml, which is refused")},
        // The network layer refuses this one itself, before asking.
        {"redirect to file", [&](LoopbackServer& s) { s.redirect(list, QStringLiteral("file:///etc/passwd")); }, list,
            QStringLiteral("*")},
        {"redirect loop",
            [&](LoopbackServer& s) {
                s.redirect(list, s.url(QStringLiteral("/again.xml")).toString());
                s.redirect(QStringLiteral("/again.xml"), s.url(list).toString());
            },
            // Ended by the fetcher's count or by the network layer's own limit, whichever sees it.
            list, QStringLiteral("*")},
        {"redirect on this machine",
            [&](LoopbackServer& s) {
                s.redirect(list, s.url(QStringLiteral("/moved.xml")).toString());
                s.serve(QStringLiteral("/moved.xml"), kGoodList);
            },
            list, {}},
        {"malformed XML", serveList("<Updates><Installers><I Major=\"5\"></Updates>"), list, {}, false},
        {"DTD with entity expansion", serveList(kEntityBomb), list, {}, false},
        {"non-numeric version", serveList(QByteArray(kGoodList).replace("Minor=\"1\"", "Minor=\"1a\"")), list, {}, false},
        {"remote plain http", [](LoopbackServer&) {}, QStringLiteral("http://192.0.2.7/UpdatesKvx.xml"),
            QStringLiteral("only https is used")},
        {"file address", [](LoopbackServer&) {}, QStringLiteral("file:///etc/passwd"), QStringLiteral("only https is used")},
    };
    for (const FetchCase& c : cases) {
        SCOPED_TRACE(c.name);
        LoopbackServer server;
        c.serve(server);
        UpdateFetcher fetcher;
        fetcher.setDeadline(c.deadlineMs);
        const QUrl url = c.target.startsWith(QLatin1Char('/')) ? server.url(c.target) : QUrl(c.target);
        const Outcome o = fetchAndWait(fetcher, url);
        ASSERT_TRUE(o.ended);
        EXPECT_FALSE(fetcher.busy());
        if (!c.failure.isEmpty()) {
            EXPECT_FALSE(o.ok);
            EXPECT_FALSE(o.reason.isEmpty());
            if (c.failure != QLatin1String("*"))
                EXPECT_TRUE(o.reason.contains(c.failure, Qt::CaseInsensitive))
                    << o.reason.toStdString() << " after " << server.requests().join(' ').toStdString();
            EXPECT_LT(o.ms, c.deadlineMs + 2000);
            continue;
        }
        ASSERT_TRUE(o.ok) << o.reason.toStdString();
        Status status;
        EXPECT_EQ(UpdateCheck::readServerList(o.body, &status).has_value(), c.readable) << status.text().toStdString();
    }
}

TEST(UpdateFetcher, RefusedAddressesAreNeverContacted)
{
    LoopbackServer server;
    server.serve(QStringLiteral("/list.xml"), kGoodList);
    UpdateFetcher fetcher;
    QUrl plain = server.url(QStringLiteral("/list.xml"));
    plain.setScheme(QStringLiteral("ftp"));
    const Outcome o = fetchAndWait(fetcher, plain);
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(server.connections(), 0);
    for (const char* address : {"https://updates.example.invalid/x", "http://127.0.0.1/x", "http://[::1]:8/x", "http://localhost/x"})
        EXPECT_TRUE(UpdateFetcher::allowedUrl(QUrl(QLatin1String(address)))) << address;
    for (const char* address : {"http://192.0.2.7/x", "http://127.0.0.1.example.com/x", "ftp://127.0.0.1/x", "https:///x"})
        EXPECT_FALSE(UpdateFetcher::allowedUrl(QUrl(QLatin1String(address)))) << address;
}

// A server whose certificate does not verify is never trusted: the request ends at the
// handshake, not after sending anything or waiting for the deadline.
TEST(UpdateFetcher, RefusesACertificateThatDoesNotVerify)
{
    QFile certificate(TestEnvironment::fixture(QStringLiteral("tls/self-signed-cert.pem")));
    QFile key(TestEnvironment::fixture(QStringLiteral("tls/self-signed-key.pem")));
    ASSERT_TRUE(certificate.open(QIODevice::ReadOnly) && key.open(QIODevice::ReadOnly));
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificate(QSslCertificate(certificate.readAll()));
    tls.setPrivateKey(QSslKey(key.readAll(), QSsl::Rsa));
    QSslServer server;
    server.setSslConfiguration(tls);
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    int requests = 0;
    QObject::connect(&server, &QSslServer::pendingConnectionAvailable, &server, [&] {
        while (QSslSocket* socket = qobject_cast<QSslSocket*>(server.nextPendingConnection()))
            QObject::connect(socket, &QSslSocket::readyRead, socket, [&requests] { ++requests; });
    });

    UpdateFetcher fetcher;
    fetcher.setDeadline(8000);
    const Outcome o = fetchAndWait(fetcher, QUrl(QStringLiteral("https://127.0.0.1:%1/list.xml").arg(server.serverPort())));
    ASSERT_TRUE(o.ended);
    EXPECT_FALSE(o.ok);
    EXPECT_FALSE(o.reason.contains(QStringLiteral("did not answer"))) << o.reason.toStdString();
    EXPECT_LT(o.ms, 6000);
    EXPECT_EQ(requests, 0);
}
