#pragma once

#include "board_link.h"
#include "panel.h"
#include "server.h"

#include <QHostAddress>
#include <QObject>
#include <QPointer>

namespace board {
class main;
}

namespace remote {

// The operator's phone as a remote for the race board. Off at every start; the operator opens pairing on
// the board's settings strip (a right press on it, or F3), which starts listening and shows the pairing
// panel. Leaving the board (back to the setup screen, or the end of the program) ends the remote.
class Remote final : public QObject {
    Q_OBJECT
public:
    static Remote& instance();

    // Wires the remote to the board: the ways to open pairing while the board is loaded, and the end of
    // the remote when it unloads or the program ends.
    static void attachTo(board::main& board);

    // Starts listening if needed, opens pairing with a fresh secret and code, and shows the panel.
    void openPairing();
    // Closes the panel, and pairing with it; a paired phone stays, and without one the remote stops
    // listening.
    void closePairing();
    // Ends everything: pairing, the paired phone, listening.
    void stop();

    Server& server() { return server_; }
    PairingPanel* panel() const { return panel_; }
    // The address the panel shows, "http://<address>:<port>/".
    const QString& address() const { return address_; }

    // Where to listen: every IPv4 address of the machine, so the phone on the same network reaches it.
    // Tests listen on the loopback only.
    void setListenAddress(const QHostAddress& address) { listenAddress_ = address; }

    // Tried first, so the address stays the same from one evening to the next; any free port otherwise.
    static constexpr quint16 preferredPort = 8642;

private:
    Remote();
    bool listen();

    RaceBoardLink link_;
    Server server_;
    QPointer<PairingPanel> panel_;
    QHostAddress listenAddress_ = QHostAddress::AnyIPv4;
    QString address_;
};

} // namespace remote
