#include "remote.h"

#include "board/main.h"
#include "panel.h"
#include "platform/dialogs.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QNetworkInterface>
#include <QShortcut>

namespace remote {

namespace {

// A right press on the settings strip (or on its labels, which let presses through) opens pairing.
class RightPressWatcher final : public QObject {
public:
    explicit RightPressWatcher(QWidget* watched) : QObject(watched) { watched->installEventFilter(this); }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress ||
            static_cast<QMouseEvent*>(event)->button() != Qt::RightButton)
            return false;
        Remote::instance().openPairing();
        return true;
    }
};

bool isPrivateNetwork(const QHostAddress& address) {
    for (const char* subnet : {"10.0.0.0/8", "172.16.0.0/12", "192.168.0.0/16"})
        if (address.isInSubnet(QHostAddress::parseSubnet(QString::fromLatin1(subnet))))
            return true;
    return false;
}

// The address a phone on the same network reaches this machine at: a private IPv4 address of a working
// interface, or none.
QHostAddress lanAddress() {
    QHostAddress found;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::IsRunning) ||
            flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            const QHostAddress address = entry.ip();
            if (address.protocol() != QAbstractSocket::IPv4Protocol || address.isLinkLocal())
                continue;
            if (isPrivateNetwork(address))
                return address;
            if (found.isNull())
                found = address;
        }
    }
    return found;
}

} // namespace

Remote& Remote::instance() {
    // Never destroyed: it stops when the program ends, before the application object goes.
    static Remote* remote = new Remote;
    return *remote;
}

Remote::Remote() : server_(link_) {
    connect(&server_, &Server::paired, this, &Remote::closePairing);
    connect(&server_, &Server::pairingClosed, this, &Remote::closePairing);
}

void Remote::attachTo(board::main& board) {
    board.screenLoaded = [&board] {
        auto* toggle = new QShortcut(QKeySequence(Qt::Key_F3), board.window.get());
        QObject::connect(toggle, &QShortcut::activated, board.window.get(), [] {
            if (instance().panel())
                instance().closePairing();
            else
                instance().openPairing();
        });
        new RightPressWatcher(board.Frame2);
        board.Frame2->setToolTip(
            board.Frame2->toolTip() +
            QStringLiteral("\n오른쪽 단추로 누르거나 F3 키를 누르면 휴대폰 리모컨 연결 창이 "
                           "열립니다"));
    };
    board.screenUnloading = [] { instance().stop(); };
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &instance(), &Remote::stop, Qt::UniqueConnection);
}

bool Remote::listen() {
    if (server_.isListening())
        return true;
    return server_.start(listenAddress_, preferredPort) || server_.start(listenAddress_, 0);
}

void Remote::openPairing() {
    board::main& board = board::main::instance();
    if (!board.isLoaded())
        return;
    if (!listen()) {
        platform::Dialogs::current().MsgBox(
            QStringLiteral("휴대폰 리모컨을 켤 수 없습니다. 네트워크 포트를 열지 못했습니다."));
        return;
    }
    QHostAddress shown = listenAddress_;
    bool reachable = true;
    if (shown == QHostAddress(QHostAddress::AnyIPv4)) {
        shown = lanAddress();
        reachable = !shown.isNull();
        if (!reachable)
            shown = QHostAddress::LocalHost;
    }
    address_ = QStringLiteral("http://%1:%2/").arg(shown.toString()).arg(server_.port());
    if (panel_) {
        disconnect(panel_, nullptr, this, nullptr);
        panel_->close();
    }
    server_.pairing().open();
    panel_ = new PairingPanel(board.window.get(), address_,
                              address_ + QStringLiteral("#k=") + server_.pairing().secret(),
                              server_.pairing().code(), reachable);
    connect(panel_, &PairingPanel::finished, this, [this] {
        panel_ = nullptr;
        closePairing();
    });
}

// With no phone paired there is nothing left to listen for.
void Remote::closePairing() {
    server_.pairing().close();
    if (panel_)
        panel_->close();
    panel_ = nullptr;
    if (server_.pairing().session().isEmpty())
        server_.stopListening();
}

void Remote::stop() {
    closePairing();
    server_.stop();
    address_.clear();
}

} // namespace remote
