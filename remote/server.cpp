#include "server.h"

#include <QAbstractEventDispatcher>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QWebSocket>

namespace remote {

namespace {

constexpr int requestTimeoutMs = 5000;
const QByteArray json = "application/json; charset=utf-8";

QByteArray message(int status, const QString& text, const http::Headers& extra = {}) {
    const QString key = status == 200 ? QStringLiteral("message") : QStringLiteral("error");
    return http::response(status, json,
                          QJsonDocument(QJsonObject{{key, text}}).toJson(QJsonDocument::Compact), extra);
}

QByteArray forbidden() {
    return message(403, QStringLiteral("이 휴대폰은 연결되어 있지 않습니다. 노트북에서 휴대폰 연결 창을 열고 "
                                       "다시 연결하세요."));
}

QByteArray notFound() {
    return message(404, QStringLiteral("그런 주소는 없습니다."));
}

QByteArray pageFile(const QString& name, const QByteArray& type) {
    QFile file(QStringLiteral(":/remote/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return notFound();
    return http::response(200, type, file.readAll());
}

bool isWebSocketUpgrade(const http::Request& request) {
    return request.header("upgrade").toLower() == "websocket";
}

} // namespace

Server::Server(BoardLink& board, QObject* parent)
    : QObject(parent), board_(board),
      webSockets_(QStringLiteral("scoreboard"), QWebSocketServer::NonSecureMode) {
    connect(&tcp_, &QTcpServer::newConnection, this, &Server::acceptConnections);
    connect(&webSockets_, &QWebSocketServer::newConnection, this, &Server::acceptPhone);
    pushTimer_.setInterval(pushIntervalMs);
    connect(&pushTimer_, &QTimer::timeout, this, &Server::pushIfChanged);
    tcp_.setMaxPendingConnections(maxConnections);
}

Server::~Server() {
    stop();
}

bool Server::start(const QHostAddress& address, quint16 port) {
    if (tcp_.isListening())
        return true;
    rateWindow_.start();
    requestsInWindow_ = 0;
    return tcp_.listen(address, port);
}

void Server::stop() {
    tcp_.close();
    pairing_.close();
    pairing_.endSession();
    pushTimer_.stop();
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        disconnect(dispatcher, nullptr, this, nullptr);
    if (phone_) {
        phone_->abort();
        phone_->deleteLater();
    }
    phone_ = nullptr;
    for (QTcpSocket* socket : findChildren<QTcpSocket*>(Qt::FindDirectChildrenOnly)) {
        socket->abort();
        socket->deleteLater();
    }
}

bool Server::withinRate() {
    if (rateWindow_.elapsed() >= 1000) {
        rateWindow_.restart();
        requestsInWindow_ = 0;
    }
    return ++requestsInWindow_ <= maxRequestsPerSecond;
}

void Server::acceptConnections() {
    while (QTcpSocket* socket = tcp_.nextPendingConnection()) {
        if (findChildren<QTcpSocket*>(Qt::FindDirectChildrenOnly).size() >= maxConnections) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        socket->setParent(this);
        // Qt stops reading from the network once this much waits unread: a request can never be larger.
        socket->setReadBufferSize(http::maxHeadBytes + http::maxBodyBytes + 4);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        // A request that does not arrive whole in time is dropped, so slow senders cannot hold connections.
        QTimer::singleShot(requestTimeoutMs, socket, [socket] {
            if (socket->parent() && socket->state() == QAbstractSocket::ConnectedState &&
                !socket->property("webSocket").toBool())
                socket->abort();
        });
    }
}

// The request is only peeked at until it is whole: a WebSocket upgrade must reach the WebSocket server
// unread.
void Server::readRequest(QTcpSocket* socket) {
    if (socket->property("answered").toBool()) {
        socket->readAll();
        return;
    }
    const QByteArray buffer = socket->peek(socket->bytesAvailable());
    http::Request request;
    QByteArray reply;
    switch (http::parse(buffer, request)) {
    case http::Parse::Incomplete:
        if (buffer.size() < http::maxHeadBytes + http::maxBodyBytes + 4)
            return;
        [[fallthrough]];
    case http::Parse::TooLarge:
        reply = message(413, QStringLiteral("요청이 너무 큽니다. 아무것도 바꾸지 않았습니다."));
        break;
    case http::Parse::Malformed:
        reply = message(400, QStringLiteral("요청을 읽을 수 없습니다. 아무것도 바꾸지 않았습니다."));
        break;
    case http::Parse::Complete:
        if (!withinRate()) {
            reply = message(429, QStringLiteral("요청이 너무 많습니다. 잠시 뒤에 다시 하세요."));
            break;
        }
        answer(socket, request);
        return;
    }
    socket->setProperty("answered", true);
    socket->readAll();
    socket->write(reply);
    socket->disconnectFromHost();
}

void Server::answer(QTcpSocket* socket, const http::Request& request) {
    if (request.method == "GET" && request.path == "/api/events" && isWebSocketUpgrade(request) &&
        hostIsOurs(request) && originIsOurs(request) &&
        pairing_.isSession(QString::fromLatin1(request.cookie("session")))) {
        // From here the WebSocket server reads the handshake and owns the connection.
        socket->setProperty("webSocket", true);
        socket->setReadBufferSize(0);
        disconnect(socket, nullptr, this, nullptr);
        socket->setParent(nullptr);
        webSockets_.handleConnection(socket);
        return;
    }
    socket->setProperty("answered", true);
    socket->readAll();
    socket->write(route(request));
    socket->disconnectFromHost();
}

QByteArray Server::route(const http::Request& request) {
    // Only the address the phone was given: a name that merely points here is refused.
    if (!hostIsOurs(request))
        return message(403, QStringLiteral("주소가 맞지 않습니다. 노트북 화면에 나온 주소로 여세요."));
    if (request.method == "GET") {
        if (request.path == "/")
            return pageFile(QStringLiteral("index.html"), "text/html; charset=utf-8");
        if (request.path == "/app.js")
            return pageFile(QStringLiteral("app.js"), "text/javascript; charset=utf-8");
        if (request.path == "/app.css")
            return pageFile(QStringLiteral("app.css"), "text/css; charset=utf-8");
        if (request.path == "/api/state") {
            if (!pairing_.isSession(QString::fromLatin1(request.cookie("session"))))
                return forbidden();
            return http::response(200, json, toJson(board_.view()));
        }
        if (request.path == "/api/events")
            return forbidden();
        return notFound();
    }
    if (request.method != "POST" || !request.path.startsWith("/api/"))
        return notFound();
    // Another site's page in the phone's browser cannot send this: it may not set this type without
    // asking first, and the page never answers such a question.
    if (!originIsOurs(request) || !request.header("content-type").startsWith("application/json"))
        return message(403,
                       QStringLiteral("이 페이지에서 보낸 요청이 아닙니다. 아무것도 바꾸지 않았습니다."));
    if (request.path == "/api/pair")
        return pair(request);
    return act(request);
}

QByteArray Server::pair(const http::Request& request) {
    const QJsonObject body = QJsonDocument::fromJson(request.body).object();
    Pairing::Outcome outcome = Pairing::Outcome::Wrong;
    if (body.value(QStringLiteral("secret")).isString())
        outcome = pairing_.trySecret(body.value(QStringLiteral("secret")).toString());
    else if (body.value(QStringLiteral("code")).isString())
        outcome = pairing_.tryCode(body.value(QStringLiteral("code")).toString().trimmed());
    else if (pairing_.isOpen())
        return message(400, QStringLiteral("연결 번호를 넣으세요."));
    else
        outcome = Pairing::Outcome::Closed;

    switch (outcome) {
    case Pairing::Outcome::Paired: {
        // The phone paired before loses its way in at once.
        if (phone_)
            phone_->close(QWebSocketProtocol::CloseCodePolicyViolated, QStringLiteral("replaced"));
        emit paired();
        const QByteArray cookie =
            "session=" + pairing_.session().toLatin1() + "; Path=/; HttpOnly; SameSite=Strict";
        return message(200, QStringLiteral("연결되었습니다."), {{"Set-Cookie", cookie}});
    }
    case Pairing::Outcome::Wrong:
        if (!pairing_.isOpen()) {
            emit pairingClosed();
            return message(403, QStringLiteral("번호가 %1번 틀려서 연결 창을 닫았습니다. 노트북에서 휴대폰 "
                                               "연결 창을 다시 여세요.")
                                    .arg(Pairing::maxWrong));
        }
        return message(403, QStringLiteral("번호가 맞지 않습니다. %1번 더 틀리면 연결 창이 닫힙니다.")
                                .arg(pairing_.wrongLeft()));
    case Pairing::Outcome::Closed:
        break;
    }
    return message(403, QStringLiteral("지금은 연결할 수 없습니다. 노트북에서 휴대폰 연결 창을 열고 다시 "
                                       "하세요."));
}

QByteArray Server::act(const http::Request& request) {
    static const QList<QByteArray> actions = {"/api/points", "/api/start", "/api/winner", "/api/save"};
    if (!actions.contains(request.path))
        return notFound();
    if (!pairing_.isSession(QString::fromLatin1(request.cookie("session"))))
        return forbidden();
    Answer answer;
    if (request.path == "/api/points") {
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(request.body, &error);
        const QJsonObject body = document.object();
        const QJsonValue team = body.value(QStringLiteral("team"));
        const QJsonValue points = body.value(QStringLiteral("points"));
        if (error.error != QJsonParseError::NoError || !document.isObject() || !team.isDouble() ||
            !points.isString())
            return message(400, QStringLiteral("요청을 읽을 수 없습니다. 아무것도 바꾸지 않았습니다."));
        const double slot = team.toDouble();
        answer = board_.givePoints(
            slot >= 0 && slot < 100 && slot == static_cast<int>(slot) ? static_cast<int>(slot) : -1,
            points.toString());
    } else if (request.path == "/api/start") {
        answer = board_.startRace();
    } else if (request.path == "/api/winner") {
        answer = board_.celebrate();
    } else {
        answer = board_.save();
    }
    pushIfChanged();
    return message(answer.status, answer.message);
}

bool Server::hostIsOurs(const http::Request& request) const {
    const QByteArray host = request.header("host");
    const qsizetype colon = host.lastIndexOf(':');
    if (colon <= 0 || host.mid(colon + 1) != QByteArray::number(tcp_.serverPort()))
        return false;
    QByteArray address = host.left(colon);
    if (address.startsWith('[') && address.endsWith(']'))
        address = address.mid(1, address.size() - 2);
    QHostAddress parsed;
    return parsed.setAddress(QString::fromLatin1(address));
}

// Browsers name the page's origin on requests that change things; when they do it must be this one.
bool Server::originIsOurs(const http::Request& request) const {
    if (!request.headers.contains("origin"))
        return true;
    return request.header("origin") == "http://" + request.header("host");
}

void Server::acceptPhone() {
    while (QWebSocket* socket = webSockets_.nextPendingConnection()) {
        // Checked again on the handshake the WebSocket server read, in case the phone was replaced since.
        const QByteArray cookieLine = socket->request().rawHeader("Cookie");
        http::Request handshake;
        handshake.headers.insert("cookie", cookieLine);
        if (!pairing_.isSession(QString::fromLatin1(handshake.cookie("session")))) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        if (phone_) {
            phone_->close(QWebSocketProtocol::CloseCodeNormal, QStringLiteral("replaced"));
            phone_->deleteLater();
        }
        phone_ = socket;
        socket->setParent(this);
        socket->setProperty("session", pairing_.session());
        socket->setMaxAllowedIncomingMessageSize(256);
        socket->setMaxAllowedIncomingFrameSize(256);
        connect(socket, &QWebSocket::disconnected, socket, &QObject::deleteLater);
        // The phone only listens on this channel: anything it sends here ends it.
        connect(socket, &QWebSocket::textMessageReceived, socket, &QWebSocket::abort);
        connect(socket, &QWebSocket::binaryMessageReceived, socket, &QWebSocket::abort);
        lastPushed_.clear();
        pushIfChanged();
        pushTimer_.start();
        if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
            connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &Server::pushIfChanged,
                    Qt::UniqueConnection);
    }
}

void Server::pushIfChanged() {
    if (!phone_) {
        pushTimer_.stop();
        if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
            disconnect(dispatcher, nullptr, this, nullptr);
        return;
    }
    // A phone whose session ended (replaced, or the remote stopped) hears nothing more.
    if (!pairing_.isSession(phone_->property("session").toString())) {
        phone_->abort();
        return;
    }
    const QByteArray now = toJson(board_.view());
    if (now == lastPushed_)
        return;
    lastPushed_ = now;
    phone_->sendTextMessage(QString::fromUtf8(now));
}

} // namespace remote
