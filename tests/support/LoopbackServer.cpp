#include "support/LoopbackServer.h"
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <memory>

namespace {
QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 302: return "Found";
    case 404: return "Not Found";
    default: return "Status";
    }
}

QByteArray head(int status, const QByteArray& headers)
{
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) + "\r\nConnection: close\r\n" + headers
        + "\r\n";
}

void closeWhenWritten(QTcpSocket* socket)
{
    QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [socket] {
        if (socket->bytesToWrite() == 0)
            socket->disconnectFromHost();
    });
}
} // namespace

LoopbackServer::LoopbackServer()
{
    if (!m_server.listen(QHostAddress::LocalHost))
        qFatal("the loopback server cannot listen: %s", qPrintable(m_server.errorString()));
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackServer::accept);
}

LoopbackServer::~LoopbackServer()
{
    for (QTcpSocket* s : m_sockets)
        s->disconnect(this);
}

QUrl LoopbackServer::url(const QString& path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
}

void LoopbackServer::serve(const QString& path, const QByteArray& body, int status, const QByteArray& headers)
{
    m_routes[path] = [=](QTcpSocket* socket) {
        socket->write(head(status, "Content-Length: " + QByteArray::number(body.size()) + "\r\n" + headers) + body);
        closeWhenWritten(socket);
    };
}

void LoopbackServer::redirect(const QString& path, const QString& location)
{
    serve(path, QByteArray(), 302, "Location: " + location.toUtf8() + "\r\n");
}

void LoopbackServer::endless(const QString& path, qint64 bytes)
{
    m_routes[path] = [this, bytes](QTcpSocket* socket) {
        socket->write(head(200, "Content-Type: text/xml\r\n"));
        sendEndless(socket, bytes);
    };
}

void LoopbackServer::sendEndless(QTcpSocket* socket, qint64 bytes)
{
    auto left = std::make_shared<qint64>(bytes);
    const auto more = [socket, left] {
        if (socket->bytesToWrite() > 256 * 1024 || socket->state() != QAbstractSocket::ConnectedState)
            return;
        const qint64 piece = std::min<qint64>(*left, 64 * 1024);
        *left -= piece;
        if (piece > 0)
            socket->write(QByteArray(piece, 'x'));
        else if (socket->bytesToWrite() == 0)
            socket->disconnectFromHost();
    };
    connect(socket, &QTcpSocket::bytesWritten, socket, more);
    more();
}

void LoopbackServer::trickle(const QString& path, qint64 declared, int intervalMs)
{
    m_routes[path] = [=](QTcpSocket* socket) {
        socket->write(head(200, "Content-Length: " + QByteArray::number(declared) + "\r\n"));
        auto* timer = new QTimer(socket);
        connect(timer, &QTimer::timeout, socket, [socket] { socket->write("x"); });
        timer->start(intervalMs);
    };
}

void LoopbackServer::silent(const QString& path)
{
    m_routes[path] = [](QTcpSocket*) {};
}

int LoopbackServer::openSockets() const
{
    int open = 0;
    for (QTcpSocket* s : m_sockets)
        open += s->state() == QAbstractSocket::ConnectedState ? 1 : 0;
    return open;
}

void LoopbackServer::accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        ++m_connections;
        m_sockets << socket;
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
    }
}

void LoopbackServer::readRequest(QTcpSocket* socket)
{
    QByteArray& pending = m_pending[socket];
    pending += socket->readAll();
    const qsizetype end = pending.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    // "GET /path?query HTTP/1.1"
    const QList<QByteArray> requestLine = pending.left(pending.indexOf("\r\n")).split(' ');
    pending.remove(0, end + 4);
    const QString target = QString::fromUtf8(requestLine.value(1));
    m_requests << target;
    answer(socket, QUrl(target).path());
}

void LoopbackServer::answer(QTcpSocket* socket, const QString& path)
{
    const auto route = m_routes.constFind(path);
    if (route != m_routes.constEnd()) {
        (*route)(socket);
        return;
    }
    socket->write(head(404, "Content-Length: 0\r\n"));
    closeWhenWritten(socket);
}
