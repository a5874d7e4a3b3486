#pragma once

// A phone's side of the remote for tests and the benchmark: plain HTTP requests over the loopback, each
// waited for within a bounded time.
#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QTest>

namespace testing {

struct Reply {
    int status = 0;
    QHash<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;
    QString text() const {
        const QJsonObject o = QJsonDocument::fromJson(body).object();
        return o.value(QStringLiteral("message")).toString() + o.value(QStringLiteral("error")).toString();
    }
    // "session=..." from Set-Cookie, ready for a Cookie header.
    QByteArray session() const { return headers.value("set-cookie").split(';').first(); }
};

// Sends the bytes as they are and reads the answer until the server closes the connection (3 s at most).
inline Reply sendRaw(quint16 port, const QByteArray& bytes) {
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    Reply reply;
    if (!socket.waitForConnected(3000))
        return reply;
    socket.write(bytes);
    QByteArray all;
    QElapsedTimer clock;
    clock.start();
    while (socket.state() != QAbstractSocket::UnconnectedState && clock.elapsed() < 3000) {
        QTest::qWait(1);
        all += socket.readAll();
    }
    all += socket.readAll();
    const qsizetype headEnd = all.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return reply;
    const QList<QByteArray> lines = all.left(headEnd).split('\n');
    reply.status = lines.first().split(' ').value(1).toInt();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        reply.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
    }
    reply.body = all.mid(headEnd + 4);
    return reply;
}

inline QByteArray httpRequest(quint16 port, const QByteArray& method, const QByteArray& path,
                              const QByteArray& body = {}, const QByteArray& cookie = {},
                              const QByteArray& extraHeaders = {}) {
    QByteArray out =
        method + ' ' + path + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) + "\r\n";
    if (!cookie.isEmpty())
        out += "Cookie: " + cookie + "\r\n";
    if (method == "POST")
        out +=
            "Content-Type: application/json\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n";
    return out + extraHeaders + "\r\n" + body;
}

inline Reply get(quint16 port, const QByteArray& path, const QByteArray& cookie = {}) {
    return sendRaw(port, httpRequest(port, "GET", path, {}, cookie));
}

inline Reply post(quint16 port, const QByteArray& path, const QByteArray& body,
                  const QByteArray& cookie = {}) {
    return sendRaw(port, httpRequest(port, "POST", path, body, cookie));
}

} // namespace testing
