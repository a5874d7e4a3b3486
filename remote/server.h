#pragma once

#include "board_link.h"
#include "http.h"
#include "pairing.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTimer>
#include <QWebSocket>
#include <QWebSocketServer>

class QTcpSocket;

namespace remote {

// The phone's way in: a small HTTP server for the page and the phone's actions, and one WebSocket that
// pushes the board to the paired phone whenever it changes. It listens only between start() and stop().
//
// Every answer is one request on one connection. The page and its script are open to anyone who reaches
// the address (they hold nothing); pairing needs the QR secret or the code while pairing is open; every
// other request needs the paired phone's session cookie and gets 403 without it, and unknown ones 404.
class Server final : public QObject {
    Q_OBJECT
public:
    explicit Server(BoardLink& board, QObject* parent = nullptr);
    ~Server() override;

    bool start(const QHostAddress& address, quint16 port);
    // Stops listening, drops every connection and the paired phone, and closes pairing.
    void stop();
    // Stops listening only: the requests under way are still answered.
    void stopListening() { tcp_.close(); }
    bool isListening() const { return tcp_.isListening(); }
    quint16 port() const { return tcp_.serverPort(); }
    Pairing& pairing() { return pairing_; }
    bool hasPhone() const { return phone_ != nullptr; }

    // Sends the board to the phone if it changed since the last push.
    void pushIfChanged();

    // A flood is cut off here: requests beyond this many in one second are refused.
    static constexpr int maxRequestsPerSecond = 20;
    static constexpr int maxConnections = 16;
    // The board is looked at for changes to push whenever the program has handled its events and is
    // about to wait, so a change on the laptop leaves at once; and at this interval as well, for changes
    // made while the program never waits (a busy event loop).
    static constexpr int pushIntervalMs = 50;

signals:
    void paired();
    // Pairing closed itself: five wrong codes.
    void pairingClosed();

private:
    void acceptConnections();
    void readRequest(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const http::Request& request);
    QByteArray route(const http::Request& request);
    QByteArray pair(const http::Request& request);
    QByteArray act(const http::Request& request);
    bool hostIsOurs(const http::Request& request) const;
    bool originIsOurs(const http::Request& request) const;
    bool withinRate();
    void acceptPhone();

    BoardLink& board_;
    Pairing pairing_;
    QTcpServer tcp_;
    QWebSocketServer webSockets_;
    QPointer<QWebSocket> phone_;
    QTimer pushTimer_;
    QByteArray lastPushed_;
    QElapsedTimer rateWindow_;
    int requestsInWindow_ = 0;
};

} // namespace remote
