#pragma once
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// One GET of a small document from the update server, without blocking the caller: the body in
// memory, or the reason it could not be had. Whatever the server does, the request ends within
// the deadline, holds at most the byte cap, goes nowhere but https (plain http only to this
// machine, for tests) and never trusts a certificate that does not verify.
class UpdateFetcher : public QObject
{
    Q_OBJECT
public:
    static constexpr qint64 kListBytes = qint64(1) << 20;
    static constexpr qint64 kPageBytes = qint64(256) << 10;
    static constexpr int kDeadlineMs = 15000;
    static constexpr int kMaxRedirects = 5;

    explicit UpdateFetcher(QObject* parent = nullptr);
    ~UpdateFetcher() override;

    // Whether the fetcher would ask this address: https, or http to a loopback host.
    static bool allowedUrl(const QUrl& url);

    // Starts the request; exactly one of succeeded and failed follows, never before this returns.
    // A request still running is aborted first, without a signal.
    void fetch(const QUrl& url, qint64 maxBytes = kListBytes);
    // Ends a running request without a signal.
    void abort();
    bool busy() const { return !m_reply.isNull() || m_refusal.isActive(); }

    // The whole request's deadline; tests shorten it.
    void setDeadline(int milliseconds) { m_deadline.setInterval(milliseconds); }

Q_SIGNALS:
    void succeeded(const QByteArray& body);
    void failed(const QString& reason);

private:
    void refuse(const QString& reason);
    void onRedirected(const QUrl& target);
    void onMetaData();
    void onReadyRead();
    void onFinished();
    void stop(const QString& reason);
    void finish(bool ok, const QString& reason);

    QNetworkAccessManager* m_manager;
    QPointer<QNetworkReply> m_reply;
    QTimer m_deadline;
    // Refusals are reported from the event loop, as every other ending is.
    QTimer m_refusal;
    QUrl m_current;
    QByteArray m_body;
    qint64 m_maxBytes = kListBytes;
    int m_redirects = 0;
    QString m_stopReason;
};
