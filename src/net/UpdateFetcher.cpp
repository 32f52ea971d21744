#include "net/UpdateFetcher.h"
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <utility>

namespace {
bool isLoopback(const QString& host)
{
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

bool isHttps(const QUrl& url)
{
    return url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0;
}

// How much the network layer holds between two reads; the cap is checked at every read.
constexpr qint64 kReadBufferBytes = 64 * 1024;
} // namespace

UpdateFetcher::UpdateFetcher(QObject* parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
{
    // A timer on the whole request: the transfer timeout of the network layer restarts with
    // every byte, so a server that trickles would hold the request for ever.
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(kDeadlineMs);
    connect(&m_deadline, &QTimer::timeout, this,
        [this] { stop(QStringLiteral("The server did not answer within %1 s").arg(m_deadline.interval() / 1000.0)); });
    m_refusal.setSingleShot(true);
    m_refusal.setInterval(0);
    connect(&m_refusal, &QTimer::timeout, this, [this] { Q_EMIT failed(m_stopReason); });
    // The answer is read once, so nothing is kept on disk or between requests.
    m_manager->setCache(nullptr);
    m_manager->setCookieJar(nullptr);
}

UpdateFetcher::~UpdateFetcher()
{
    abort();
}

bool UpdateFetcher::allowedUrl(const QUrl& url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    if (isHttps(url))
        return true;
    return url.scheme().compare(QLatin1String("http"), Qt::CaseInsensitive) == 0 && isLoopback(url.host());
}

void UpdateFetcher::fetch(const QUrl& url, qint64 maxBytes)
{
    abort();
    m_body.clear();
    m_stopReason.clear();
    m_maxBytes = maxBytes;
    m_redirects = 0;
    m_current = url;
    if (!allowedUrl(url)) {
        refuse(QStringLiteral("The address %1 is refused: only https is used").arg(url.toDisplayString()));
        return;
    }
    // Tests serve on this machine; no proxy of the environment stands between.
    m_manager->setProxy(isLoopback(url.host()) ? QNetworkProxy(QNetworkProxy::NoProxy) : QNetworkProxy());
    QNetworkRequest request(url);
    // Every redirect is checked against the same rules as the first address; the network
    // layer's own no-less-safe policy would let plain http go on to any other host.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    // The count is kept here, so that the reason names it; the network layer's own limit is
    // one more, as a second guard.
    request.setMaximumRedirectsAllowed(kMaxRedirects + 1);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    QNetworkReply* reply = m_manager->get(request);
    reply->setReadBufferSize(kReadBufferBytes);
    m_reply = reply;
    connect(reply, &QNetworkReply::redirected, this, &UpdateFetcher::onRedirected);
    connect(reply, &QNetworkReply::metaDataChanged, this, &UpdateFetcher::onMetaData);
    connect(reply, &QNetworkReply::readyRead, this, &UpdateFetcher::onReadyRead);
    connect(reply, &QNetworkReply::finished, this, &UpdateFetcher::onFinished);
    m_deadline.start();
}

void UpdateFetcher::abort()
{
    m_refusal.stop();
    m_deadline.stop();
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    if (!reply)
        return;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void UpdateFetcher::refuse(const QString& reason)
{
    m_stopReason = reason;
    m_refusal.start();
}

void UpdateFetcher::onRedirected(const QUrl& target)
{
    if (++m_redirects > kMaxRedirects) {
        stop(QStringLiteral("The server sent the request on more than %1 times").arg(kMaxRedirects));
        return;
    }
    const bool lessSafe = isHttps(m_current) && !isHttps(target);
    if (!allowedUrl(target) || lessSafe) {
        stop(QStringLiteral("The server sent the request on to %1, which is refused").arg(target.toDisplayString()));
        return;
    }
    m_current = target;
    m_body.clear();
    Q_EMIT m_reply->redirectAllowed();
}

void UpdateFetcher::onMetaData()
{
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > m_maxBytes)
        stop(QStringLiteral("The answer of %1 bytes is larger than the limit of %2").arg(length.toLongLong()).arg(m_maxBytes));
}

void UpdateFetcher::onReadyRead()
{
    m_body += m_reply->readAll();
    if (m_body.size() > m_maxBytes)
        stop(QStringLiteral("The answer is larger than the limit of %1 bytes").arg(m_maxBytes));
}

void UpdateFetcher::onFinished()
{
    if (!m_stopReason.isEmpty()) {
        finish(false, m_stopReason);
        return;
    }
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && status.toInt() != 200) {
        const QString phrase = m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        finish(false, QStringLiteral("The server answered %1 %2").arg(status.toInt()).arg(phrase.left(80)).trimmed());
        return;
    }
    if (m_reply->error() != QNetworkReply::NoError || !status.isValid()) {
        finish(false, m_reply->errorString());
        return;
    }
    m_body += m_reply->readAll();
    if (m_body.size() > m_maxBytes) {
        finish(false, QStringLiteral("The answer is larger than the limit of %1 bytes").arg(m_maxBytes));
        return;
    }
    finish(true, QString());
}

// Ends the request from inside one of its own signals; the reply reports its end at once.
void UpdateFetcher::stop(const QString& reason)
{
    m_stopReason = reason;
    if (m_reply)
        m_reply->abort();
    if (m_reply)
        finish(false, reason);
}

void UpdateFetcher::finish(bool ok, const QString& reason)
{
    m_deadline.stop();
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    if (reply) {
        reply->disconnect(this);
        reply->deleteLater();
    }
    const QByteArray body = ok ? std::exchange(m_body, QByteArray()) : QByteArray();
    m_body.clear();
    if (ok)
        Q_EMIT succeeded(body);
    else
        Q_EMIT failed(reason);
}
