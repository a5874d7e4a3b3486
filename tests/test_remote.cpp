// The phone remote: pairing, sessions, refusals of every kind of bad request, the entry rules through the
// remote, the command buttons, the push to the phone, and how the operator turns it on and off.
#include "board/main.h"
#include "game/module1.h"
#include "remote/pairing.h"
#include "remote/remote.h"
#include "remote/server.h"
#include "remote_client.h"
#include "support.h"

#include <QFile>
#include <QJsonArray>
#include <QLabel>
#include <QNetworkRequest>
#include <QSignalSpy>
#include <QTest>
#include <QWebSocket>

using testing::get;
using testing::post;
using testing::Reply;

namespace {

board::main& screen() {
    return board::main::instance();
}

// A board of three teams, scores 0, 480 and 100 of 500, racing fast.
void startBoard() {
    game::Module1& g = game::state();
    g.Team_Count = 3;
    const char* names[] = {"믿음", "소망", "사랑"};
    const int scores[] = {0, 480, 100};
    for (int i = 0; i < 3; ++i) {
        g.Team_Name(i) = QString::fromUtf8(names[i]);
        g.Team_Score(i) = scores[i];
    }
    g.Max_Score = 500;
    g.Run_Speed = 5;
    QVERIFY(testing::showBoardSized(1032, 700));
}

// What a refused request must leave alone.
struct Snapshot {
    QList<qint32> pending, scores;
    qint32 max;
    bool racing, celebrating;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot() {
    Snapshot s{{}, {}, game::state().Max_Score, screen().Timer1->Enabled(), screen().Timer2->Enabled()};
    for (int i = 0; i < 3; ++i) {
        s.pending << screen().Add_Score(i);
        s.scores << game::state().Team_Score(i);
    }
    return s;
}

} // namespace

class RemoteTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::Environment> env;
    std::unique_ptr<remote::RaceBoardLink> link;
    std::unique_ptr<remote::Server> server;
    quint16 port = 0;

    QByteArray pairPhone() {
        server->pairing().open();
        const Reply reply =
            post(port, "/api/pair", R"({"secret":")" + server->pairing().secret().toLatin1() + R"("})");
        return reply.session();
    }

private slots:
    void init() {
        env = std::make_unique<testing::Environment>();
        startBoard();
        link = std::make_unique<remote::RaceBoardLink>();
        server = std::make_unique<remote::Server>(*link);
        QVERIFY(server->start(QHostAddress::LocalHost, 0));
        port = server->port();
    }
    void cleanup() {
        server.reset();
        link.reset();
        testing::unloadScreens();
        env.reset();
    }

    void pairingSecretIs128RandomBitsAndCodeSixDigits() {
        remote::Pairing a, b;
        a.open();
        b.open();
        QCOMPARE(a.secret().size(), 32);
        QVERIFY(a.secret() != b.secret());
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9]{6}$")).match(a.code()).hasMatch());
    }

    void pairingWithTheSecretGivesAStrictHttpOnlySessionOnce() {
        // Closed until the operator opens it: even a well-formed secret gets nowhere.
        QCOMPARE(post(port, "/api/pair", R"({"secret":"00"})").status, 403);
        server->pairing().open();
        const QByteArray secret = server->pairing().secret().toLatin1();
        QCOMPARE(post(port, "/api/pair", R"({"secret":"0123"})").status, 403);
        QSignalSpy paired(server.get(), &remote::Server::paired);
        const Reply reply = post(port, "/api/pair", R"({"secret":")" + secret + R"("})");
        QCOMPARE(reply.status, 200);
        QCOMPARE(paired.size(), 1);
        const QByteArray cookie = reply.headers.value("set-cookie");
        QVERIFY(cookie.contains("HttpOnly"));
        QVERIFY(cookie.contains("SameSite=Strict"));
        QVERIFY(!server->pairing().isOpen());
        // Replayed: pairing closed with the first use.
        const Reply replayed = post(port, "/api/pair", R"({"secret":")" + secret + R"("})");
        QCOMPARE(replayed.status, 403);
        QVERIFY(replayed.text().contains(QStringLiteral("연결할 수 없습니다")));

        const Reply state = get(port, "/api/state", reply.session());
        QCOMPARE(state.status, 200);
        const QJsonObject board = QJsonDocument::fromJson(state.body).object();
        QCOMPARE(board[QStringLiteral("teams")].toArray().size(), 3);
        QCOMPARE(board[QStringLiteral("teams")][1][QStringLiteral("name")].toString(),
                 QStringLiteral("소망"));
        QCOMPARE(get(port, "/api/state").status, 403);
        QCOMPARE(get(port, "/api/state", "session=" + QByteArray(32, 'a')).status, 403);
    }

    void fiveWrongCodesClosePairing() {
        server->pairing().open();
        const QString code = server->pairing().code();
        const QString wrong =
            code == QStringLiteral("000000") ? QStringLiteral("111111") : QStringLiteral("000000");
        QSignalSpy closed(server.get(), &remote::Server::pairingClosed);
        for (int i = 1; i <= 4; ++i) {
            const Reply reply = post(port, "/api/pair", R"({"code":")" + wrong.toLatin1() + R"("})");
            QCOMPARE(reply.status, 403);
            QVERIFY(reply.text().contains(QStringLiteral("%1번 더 틀리면").arg(5 - i)));
        }
        QVERIFY(server->pairing().isOpen());
        QVERIFY(post(port, "/api/pair", R"({"code":")" + wrong.toLatin1() + R"("})")
                    .text()
                    .contains(QStringLiteral("5번 틀려서")));
        QCOMPARE(closed.size(), 1);
        QVERIFY(!server->pairing().isOpen());
        QCOMPARE(post(port, "/api/pair", R"({"code":")" + code.toLatin1() + R"("})").status, 403);
    }

    void theCodePairsAndASecondPhoneReplacesTheFirst() {
        const QByteArray first = pairPhone();
        QCOMPARE(get(port, "/api/state", first).status, 200);
        server->pairing().open();
        const Reply second =
            post(port, "/api/pair", R"({"code":" )" + server->pairing().code().toLatin1() + R"( "})");
        QCOMPARE(second.status, 200);
        QCOMPARE(get(port, "/api/state", second.session()).status, 200);
        QCOMPARE(get(port, "/api/state", first).status, 403);
        QCOMPARE(post(port, "/api/points", R"({"team":0,"points":"5"})", first).status, 403);
        QCOMPARE(screen().Add_Score(0), 0);
    }

    void requestsWithoutTheSessionChangeNothing_data() {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("cookie");
        const QByteArray points = R"({"team":0,"points":"30"})";
        for (const QByteArray& cookie :
             {QByteArray(), QByteArray("session="), QByteArray("session=0123abcd")}) {
            QTest::newRow("points " + cookie) << QByteArray("/api/points") << points << cookie;
            QTest::newRow("start " + cookie) << QByteArray("/api/start") << QByteArray("{}") << cookie;
            QTest::newRow("winner " + cookie) << QByteArray("/api/winner") << QByteArray("{}") << cookie;
            QTest::newRow("save " + cookie) << QByteArray("/api/save") << QByteArray("{}") << cookie;
        }
    }
    void requestsWithoutTheSessionChangeNothing() {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, cookie);
        game::state().Save_Name = QStringLiteral("퀴즈");
        screen().Add_Score(1) = 7;
        pairPhone(); // a phone is paired: only its session counts
        const Snapshot before = snapshot();
        const Reply reply = post(port, path, body, cookie);
        QCOMPARE(reply.status, 403);
        QVERIFY(reply.text().contains(QStringLiteral("연결되어 있지 않습니다")));
        QCOMPARE(snapshot(), before);
        QVERIFY(!QFile::exists(env->folder() + QStringLiteral("/퀴즈.scr")));
        QVERIFY(env->sound.played.isEmpty());
    }

    void badRequestsAreRefusedAndChangeNothing_data() {
        QTest::addColumn<QByteArray>("raw"); // "%1" is the session cookie, "%2" the port
        QTest::addColumn<int>("status");
        const auto points = [](const QByteArray& body) {
            return "POST /api/points HTTP/1.1\r\nHost: 127.0.0.1:%2\r\nCookie: %1\r\nContent-Type: "
                   "application/json\r\nContent-Length: " +
                   QByteArray::number(body.size()) + "\r\n\r\n" + body;
        };
        QTest::newRow("unknown team") << points(R"({"team":3,"points":"5"})") << 404;
        QTest::newRow("negative team") << points(R"({"team":-1,"points":"5"})") << 404;
        QTest::newRow("fractional team") << points(R"({"team":0.5,"points":"5"})") << 404;
        QTest::newRow("team as text") << points(R"({"team":"0","points":"5"})") << 400;
        QTest::newRow("no number") << points(R"({"team":0,"points":"abc"})") << 400;
        QTest::newRow("empty") << points(R"({"team":0,"points":""})") << 400;
        QTest::newRow("above 16 bits") << points(R"({"team":0,"points":"32768"})") << 400;
        QTest::newRow("below 16 bits") << points(R"({"team":0,"points":"-32769"})") << 400;
        QTest::newRow("exponent") << points(R"({"team":0,"points":"1e3"})") << 400;
        QTest::newRow("points as number") << points(R"({"team":0,"points":5})") << 400;
        QTest::newRow("long text") << points(R"({"team":0,"points":")" + QByteArray(200, '1') + R"("})")
                                   << 400;
        QTest::newRow("not json") << points("team=0&points=5") << 400;
        QTest::newRow("json array") << points("[0,5]") << 400;
        QTest::newRow("body too large")
            << points(R"({"team":0,"points":"5","x":")" + QByteArray(2000, 'x') + R"("})") << 413;
        QTest::newRow("head too large")
            << "GET /api/state HTTP/1.1\r\nHost: 127.0.0.1:%2\r\nCookie: %1\r\nX: " + QByteArray(5000, 'x') +
                   "\r\n\r\n"
            << 413;
        QTest::newRow("malformed line") << QByteArray("HELLO\r\n\r\n") << 400;
        QTest::newRow("header twice")
            << QByteArray("GET /api/state HTTP/1.1\r\nHost: 127.0.0.1:%2\r\nCookie: %1\r\nCookie: %1\r\n\r\n")
            << 400;
        QTest::newRow("chunked") << QByteArray(
                                        "POST /api/start HTTP/1.1\r\nHost: 127.0.0.1:%2\r\nCookie: %1\r\n"
                                        "Content-Type: application/json\r\nTransfer-Encoding: chunked\r\n\r\n"
                                        "2\r\n{}\r\n0\r\n\r\n")
                                 << 400;
        QTest::newRow("unknown path")
            << QByteArray("GET /etc/passwd HTTP/1.1\r\nHost: 127.0.0.1:%2\r\n\r\n") << 404;
        QTest::newRow("climbing path")
            << QByteArray("GET /../app.js HTTP/1.1\r\nHost: 127.0.0.1:%2\r\n\r\n") << 404;
        QTest::newRow("resource path")
            << QByteArray("GET /:/remote/app.js HTTP/1.1\r\nHost: 127.0.0.1:%2\r\n\r\n") << 404;
        QTest::newRow("unknown action")
            << QByteArray("POST /api/delete HTTP/1.1\r\nHost: 127.0.0.1:%2\r\nCookie: %1\r\n"
                          "Content-Type: application/json\r\nContent-Length: 2\r\n\r\n{}")
            << 404;
        QTest::newRow("other method")
            << QByteArray("PUT /api/start HTTP/1.1\r\nHost: 127.0.0.1:%2\r\nCookie: %1\r\n\r\n") << 404;
        QTest::newRow("host by name")
            << QByteArray("POST /api/start HTTP/1.1\r\nHost: scoreboard.test:%2\r\nCookie: "
                          "%1\r\nContent-Type: application/json\r\nContent-Length: 2\r\n\r\n{}")
            << 403;
        QTest::newRow("other origin")
            << QByteArray("POST /api/start HTTP/1.1\r\nHost: 127.0.0.1:%2\r\nOrigin: "
                          "http://192.0.2.7\r\nCookie: %1\r\n"
                          "Content-Type: application/json\r\nContent-Length: 2\r\n\r\n{}")
            << 403;
        QTest::newRow("form post") << QByteArray(
                                          "POST /api/start HTTP/1.1\r\nHost: 127.0.0.1:%2\r\nCookie: %1\r\n"
                                          "Content-Type: text/plain\r\nContent-Length: 2\r\n\r\n{}")
                                   << 403;
        QTest::newRow("socket without session")
            << QByteArray("GET /api/events HTTP/1.1\r\nHost: 127.0.0.1:%2\r\nUpgrade: "
                          "websocket\r\nConnection: Upgrade\r\n"
                          "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n")
            << 403;
    }
    void badRequestsAreRefusedAndChangeNothing() {
        QFETCH(QByteArray, raw);
        QFETCH(int, status);
        QByteArray session = pairPhone();
        screen().Add_Score(2) = 3;
        const Snapshot before = snapshot();
        if (QByteArray(QTest::currentDataTag()) == "socket without session")
            session = "other=1";
        raw.replace("%1", session).replace("%2", QByteArray::number(port));
        const Reply reply = testing::sendRaw(port, raw);
        QCOMPARE(reply.status, status);
        QVERIFY2(!reply.text().isEmpty(), "a refusal says why, in Korean");
        QCOMPARE(snapshot(), before);
        QCOMPARE(get(port, "/api/state", session).status,
                 QByteArray(QTest::currentDataTag()) == "socket without session" ? 403 : 200);
    }

    void everyAnswerCarriesThePagePolicy() {
        const Reply page = get(port, "/");
        QCOMPARE(page.status, 200);
        QVERIFY(page.body.contains("/app.js"));
        const QByteArray policy = page.headers.value("content-security-policy");
        QVERIFY(policy.contains("default-src 'self'"));
        QVERIFY(!policy.contains("unsafe"));
        QCOMPARE(get(port, "/app.js").status, 200);
        QCOMPARE(get(port, "/api/nothing").headers.value("content-security-policy"), policy);
    }

    // Through the entry box's own commit: the same conversion and the same raising of the maximum.
    void entryRulesThroughTheRemote_data() {
        QTest::addColumn<int>("team");
        QTest::addColumn<QString>("points");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("pending");
        QTest::addColumn<int>("maxScore");
        QTest::newRow("12.5 adds 12") << 0 << "12.5" << 200 << 12 << 500;
        QTest::newRow("13.5 adds 14") << 0 << "13.5" << 200 << 14 << 500;
        QTest::newRow("negative takes away") << 2 << "-10" << 200 << -10 << 500;
        QTest::newRow("32767 adds 32767") << 0 << "32767" << 200 << 32767 << 32867;
        QTest::newRow("32768 adds nothing") << 0 << "32768" << 400 << 0 << 500;
        QTest::newRow("passing the maximum raises it") << 1 << "30" << 200 << 30 << 610;
        QTest::newRow("reaching it does not") << 1 << "20" << 200 << 20 << 500;
    }
    void entryRulesThroughTheRemote() {
        QFETCH(int, team);
        QFETCH(QString, points);
        QFETCH(int, status);
        QFETCH(int, pending);
        QFETCH(int, maxScore);
        const QByteArray session = pairPhone();
        const Reply reply =
            post(port, "/api/points", QJsonDocument(QJsonObject{{"team", team}, {"points", points}}).toJson(),
                 session);
        QCOMPARE(reply.status, status);
        QCOMPARE(screen().Add_Score(team), pending);
        QCOMPARE(game::state().Max_Score, maxScore);
        QCOMPARE(screen().Text4->Text(), QString::number(maxScore));
        QVERIFY(!screen().Text1->isVisible());
    }

    // The laptop's entry box, open for a name, is as it was after the phone gave points.
    void thePhoneLeavesTheLaptopsEntryBoxAlone() {
        const QByteArray session = pairPhone();
        QTest::mouseClick(screen().Team_CMD(2), Qt::RightButton);
        screen().Text1->setText(QStringLiteral("새 이름"));
        QCOMPARE(post(port, "/api/points", R"({"team":0,"points":"4"})", session).status, 200);
        QCOMPARE(screen().Add_Score(0), 4);
        QVERIFY(screen().Text1->isVisible());
        QCOMPARE(screen().Text1->Text(), QStringLiteral("새 이름"));
        QTest::keyClick(screen().Text1, Qt::Key_Return);
        QCOMPARE(game::state().Team_Name(2), QStringLiteral("새 이름"));
        QCOMPARE(screen().Add_Score(0), 4);
    }

    void startRunsTheRaceAndThePhoneWaitsUntilItEnds() {
        const QByteArray session = pairPhone();
        const Reply nothing = post(port, "/api/start", "{}", session);
        QCOMPARE(nothing.status, 200);
        QVERIFY(nothing.text().contains(QStringLiteral("더할 점수가 없어서")));
        QVERIFY(!screen().Timer1->Enabled());

        QCOMPARE(post(port, "/api/points", R"({"team":2,"points":"50"})", session).status, 200);
        QCOMPARE(post(port, "/api/start", "{}", session).status, 200);
        QVERIFY(screen().Timer1->Enabled());
        QCOMPARE(env->sound.played.size(), 1);
        for (const char* path : {"/api/start", "/api/winner", "/api/save"}) {
            const Reply busy = post(port, path, "{}", session);
            QCOMPARE(busy.status, 409);
            QVERIFY(busy.text().contains(QStringLiteral("경주가 진행 중")));
        }
        QCOMPARE(post(port, "/api/points", R"({"team":0,"points":"5"})", session).status, 409);
        QCOMPARE(screen().Add_Score(0), 0);
        QCOMPARE(env->sound.played.size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(!screen().Timer1->Enabled(), 10000);
        QCOMPARE(game::state().Team_Score(2), 150);

        QCOMPARE(post(port, "/api/winner", "{}", session).status, 200);
        QVERIFY(screen().Timer2->Enabled());
        QCOMPARE(screen().Winner, 1);
        QCOMPARE(post(port, "/api/start", "{}", session).status, 409);
        QTRY_VERIFY_WITH_TIMEOUT(!screen().Timer2->Enabled(), 5000);
    }

    void saveOnlyWhenTheBoardHasAName() {
        const QByteArray session = pairPhone();
        QCOMPARE(post(port, "/api/points", R"({"team":1,"points":"7"})", session).status, 200);
        const Reply unnamed = post(port, "/api/save", "{}", session);
        QCOMPARE(unnamed.status, 409);
        QVERIFY(unnamed.text().contains(QStringLiteral("노트북에서")));
        QVERIFY(env->dialogs.prompts.isEmpty());

        game::state().Save_Name = QStringLiteral("퀴즈");
        const Reply saved = post(port, "/api/save", "{}", session);
        QCOMPARE(saved.status, 200);
        QVERIFY(env->dialogs.prompts.isEmpty());
        QVERIFY(env->dialogs.messages.isEmpty());
        QFile file(env->folder() + QStringLiteral("/퀴즈.scr"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains(";487"));
        QCOMPARE(screen().Add_Score(1), 7);
    }

    void floodsAreCutOff() {
        int refused = 0;
        for (int i = 0; i < remote::Server::maxRequestsPerSecond + 5; ++i)
            refused += get(port, "/app.css").status == 429;
        QVERIFY(refused >= 1);
    }

    void thePhoneHearsTheLaptopsChanges() {
        const QByteArray session = pairPhone();
        QWebSocket phone;
        QStringList heard;
        connect(&phone, &QWebSocket::textMessageReceived, this, [&](const QString& m) { heard << m; });
        QNetworkRequest request(QUrl(QStringLiteral("ws://127.0.0.1:%1/api/events").arg(port)));
        request.setRawHeader("Cookie", session);
        phone.open(request);
        QTRY_COMPARE_WITH_TIMEOUT(heard.size(), 1, 3000);
        QTest::mouseClick(screen().Team_CMD(0), Qt::LeftButton);
        QTest::keyClick(screen().Text1, '9');
        QTest::keyClick(screen().Text1, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(heard.size(), 2, 500);
        QCOMPARE(QJsonDocument::fromJson(heard.last().toUtf8())["teams"][0]["pending"].toInt(), 9);

        // Replaced: the first phone's channel closes.
        server->pairing().open();
        QCOMPARE(
            post(port, "/api/pair", R"({"code":")" + server->pairing().code().toLatin1() + R"("})").status,
            200);
        QTRY_COMPARE_WITH_TIMEOUT(phone.state(), QAbstractSocket::UnconnectedState, 3000);
    }

    // Off at every start; the settings strip opens pairing; the panel closes with pairing; leaving the
    // board ends the remote.
    void theOperatorTurnsItOnOnTheSettingsStrip() {
        remote::Remote& r = remote::Remote::instance();
        testing::unloadScreens();
        remote::Remote::attachTo(screen());
        r.setListenAddress(QHostAddress::LocalHost);
        QVERIFY(testing::showBoardSized(1032, 700));
        QVERIFY(!r.server().isListening());
        QVERIFY(screen().Frame2->toolTip().contains(QStringLiteral("휴대폰 리모컨")));

        QTest::mouseClick(screen().Frame2, Qt::RightButton);
        QVERIFY(r.server().isListening());
        QVERIFY(r.panel() && r.panel()->isVisible());
        QVERIFY(r.server().pairing().isOpen());
        QCOMPARE(r.panel()->findChild<QLabel*>(QStringLiteral("address"))->text(), r.address());
        QVERIFY(r.address().startsWith(QStringLiteral("http://127.0.0.1:")));
        QVERIFY(!r.panel()->findChild<QLabel*>(QStringLiteral("qrCode"))->pixmap().isNull());

        // Closing the panel closes pairing; with no phone paired, nothing listens any more.
        QTest::keyClick(screen().window.get(), Qt::Key_F3);
        QTRY_VERIFY(!r.panel());
        QVERIFY(!r.server().pairing().isOpen());
        QVERIFY(!r.server().isListening());

        // Five wrong codes close the panel; the fifth still gets its answer.
        QTest::keyClick(screen().window.get(), Qt::Key_F3);
        const QByteArray wrong =
            r.server().pairing().code() == QStringLiteral("000000") ? "111111" : "000000";
        Reply last;
        for (int i = 0; i < remote::Pairing::maxWrong; ++i)
            last = post(r.server().port(), "/api/pair", R"({"code":")" + wrong + R"("})");
        QVERIFY(last.text().contains(QStringLiteral("5번 틀려서")));
        QTRY_VERIFY(!r.panel());
        QVERIFY(!r.server().isListening());

        // Pairing closes the panel.
        QTest::keyClick(screen().window.get(), Qt::Key_F3);
        QVERIFY(r.panel());
        const quint16 remotePort = r.server().port();
        QCOMPARE(
            post(remotePort, "/api/pair", R"({"code":")" + r.server().pairing().code().toLatin1() + R"("})")
                .status,
            200);
        QTRY_VERIFY(!r.panel());
        QVERIFY(r.server().isListening());

        screen().Command1_Click(board::CommandBar::Back);
        QVERIFY(!r.server().isListening());
        QCOMPARE(get(remotePort, "/").status, 0);
        screen().screenLoaded = nullptr;
        screen().screenUnloading = nullptr;
    }
};

QTEST_MAIN(RemoteTest)
#include "test_remote.moc"
