// The phone remote's latencies on the loopback, with the board shown: from a phone's entry to the board's
// change (a points request on a fresh connection, until Add_Score holds it), and from a change on the
// board to the phone (an entry committed on the laptop, until the WebSocket push arrives). Goal: both
// under 100 ms.
#include "remote_latency.h"

#include "board/main.h"
#include "game/module1.h"
#include "platform/control_kit.h"
#include "remote/server.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkRequest>
#include <QTcpSocket>
#include <QTimer>
#include <QWebSocket>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int samples = 40;
// Below the server's flood limit, so no sample is refused.
constexpr int pauseMs = 1000 / remote::Server::maxRequestsPerSecond + 10;

bool waitFor(const std::function<bool()>& done, int timeoutMs = 2000) {
    QElapsedTimer clock;
    clock.start();
    // Wakes the wait below now and then, so the time limit holds when nothing else happens.
    QTimer awake;
    awake.start(5);
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        // Waits for events as the program's own event loop does, so the push goes out as it would there.
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void keepBelowFloodLimit() {
    QElapsedTimer clock;
    clock.start();
    waitFor([&] { return clock.elapsed() >= pauseMs; }, pauseMs + 100);
}

void print(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("  %s  median %6.2f ms, worst %6.2f ms, best %6.2f ms (%zu samples)   goal < 100 ms\n", what,
                ms[ms.size() / 2], ms.back(), ms.front(), ms.size());
}

QByteArray request(quint16 port, const QByteArray& path, const QByteArray& body, const QByteArray& cookie) {
    return "POST " + path + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) +
           "\r\nCookie: " + cookie +
           "\r\nContent-Type: application/json\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\n\r\n" + body;
}

} // namespace

void measureRemoteLatency() {
    board::main& b = board::main::instance();
    game::Module1& g = game::state();
    g.Team_Count = 3;
    for (int i = 0; i < 3; ++i) {
        g.Team_Name(i) = QStringLiteral("팀 %1").arg(i + 1);
        g.Team_Score(i) = 0;
    }
    g.Max_Score = 30000;
    g.Run_Speed = 50;
    b.Show();
    QCoreApplication::processEvents();

    remote::RaceBoardLink link;
    remote::Server server(link);
    if (!server.start(QHostAddress::LocalHost, 0)) {
        std::printf("  the remote could not listen on the loopback\n");
        return;
    }
    const quint16 port = server.port();
    server.pairing().open();
    QByteArray cookie;
    {
        QTcpSocket socket;
        socket.connectToHost(QStringLiteral("127.0.0.1"), port);
        socket.write(
            request(port, "/api/pair", R"({"code":")" + server.pairing().code().toLatin1() + R"("})", {}));
        QByteArray reply;
        waitFor([&] {
            reply += socket.readAll();
            return socket.state() == QAbstractSocket::UnconnectedState;
        });
        const qsizetype at = reply.indexOf("session=");
        cookie = reply.mid(at, reply.indexOf(';', at) - at);
    }

    std::printf("phone remote on the loopback\n");
    std::vector<double> toBoard;
    for (int i = 0; i < samples; ++i) {
        keepBelowFloodLimit();
        const qint32 before = b.Add_Score(0);
        QTcpSocket socket;
        QElapsedTimer clock;
        clock.start();
        socket.connectToHost(QStringLiteral("127.0.0.1"), port);
        socket.write(request(port, "/api/points", R"({"team":0,"points":"1"})", cookie));
        if (waitFor([&] { return b.Add_Score(0) != before; }))
            toBoard.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        waitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; });
    }

    QWebSocket phone;
    int heard = 0;
    QObject::connect(&phone, &QWebSocket::textMessageReceived, [&](const QString&) { ++heard; });
    QNetworkRequest upgrade(QUrl(QStringLiteral("ws://127.0.0.1:%1/api/events").arg(port)));
    upgrade.setRawHeader("Cookie", cookie);
    phone.open(upgrade);
    waitFor([&] { return heard > 0; });
    std::vector<double> toPhone;
    for (int i = 0; i < samples && heard > 0; ++i) {
        keepBelowFloodLimit();
        const int before = heard;
        QElapsedTimer clock;
        clock.start();
        // An entry on the laptop, as the operator commits it in the entry box.
        b.Team_CMD_MouseDown(1, platform::LeftButton, 0, 0, 0);
        b.Text1->setText(QStringLiteral("1"));
        b.Text1_KeyDown(platform::KeyReturn, 0);
        if (waitFor([&] { return heard > before; }))
            toPhone.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    if (!toBoard.empty())
        print("phone -> board (entry request until Add_Score changes):", toBoard);
    if (!toPhone.empty())
        print("board -> phone (laptop entry until the push arrives):  ", toPhone);
    if (toBoard.size() < samples || toPhone.size() < samples)
        std::printf("  %zu + %zu of %d samples arrived within 2 s\n", toBoard.size(), toPhone.size(),
                    samples);
    phone.close();
    server.stop();
    b.Unload();
}
