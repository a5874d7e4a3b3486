#pragma once

#include <QFrame>
#include <QTimer>

class QLabel;

namespace remote {

// The pairing panel over the board: the QR code, the address to type by hand and the six-digit code, in
// Korean. It closes itself after two minutes; the operator may close it sooner (its button, Escape, F3).
class PairingPanel final : public QFrame {
    Q_OBJECT
public:
    PairingPanel(QWidget* board, const QString& address, const QString& qrText, const QString& code,
                 bool reachable);

    static constexpr int openSeconds = 120;
    int secondsLeft() const { return secondsLeft_; }

signals:
    // Closed, by whatever reason: pairing ends with it.
    void finished();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void tick();
    void centre();

    QLabel* countdown_ = nullptr;
    QTimer clock_;
    int secondsLeft_ = openSeconds;
};

} // namespace remote
