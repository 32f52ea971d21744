#pragma once
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTcpServer>
#include <QUrl>
#include <functional>

class QTcpSocket;

// A small HTTP server on 127.0.0.1 inside the test process, for everything that fetches: each
// path gets a scripted answer, including the hostile ones (endless bodies, a byte a second,
// silence). No test contacts any other address.
class LoopbackServer : public QObject
{
    Q_OBJECT
public:
    LoopbackServer();
    ~LoopbackServer() override;

    // http://127.0.0.1:<port><path>
    QUrl url(const QString& path) const;

    // A whole answer: status line, Content-Length, the extra header lines, the body.
    void serve(const QString& path, const QByteArray& body, int status = 200, const QByteArray& headers = {});
    void redirect(const QString& path, const QString& location);
    // A body without a length, written in pieces until `bytes` are out or the client leaves.
    void endless(const QString& path, qint64 bytes);
    // A 200 answer that claims `declared` bytes and then sends one byte every `intervalMs`.
    void trickle(const QString& path, qint64 declared, int intervalMs);
    // Takes the request and never answers.
    void silent(const QString& path);

    // The request targets (path and query) in the order they came.
    const QStringList& requests() const { return m_requests; }
    int connections() const { return m_connections; }
    // Clients that are still connected.
    int openSockets() const;

private:
    void accept();
    void readRequest(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const QString& path);
    void sendEndless(QTcpSocket* socket, qint64 bytes);

    QTcpServer m_server;
    QHash<QString, std::function<void(QTcpSocket*)>> m_routes;
    QHash<QTcpSocket*, QByteArray> m_pending;
    QList<QTcpSocket*> m_sockets;
    QStringList m_requests;
    int m_connections = 0;
};
