#pragma once

#include <QString>

namespace remote {

// Who may drive the board from a phone. Pairing is open only while the operator shows the pairing panel;
// a phone gets in with the secret of the QR code or with the six-digit code typed by hand, and from then
// on carries its own session secret. One phone at a time: pairing again replaces it.
class Pairing {
public:
    enum class Outcome { Paired, Wrong, Closed };

    // Opens pairing with a fresh secret and code; the phone paired earlier stays until another pairs.
    void open();
    void close();
    bool isOpen() const { return open_; }
    // 128 random bits as 32 hexadecimal digits: what the QR code carries.
    const QString& secret() const { return secret_; }
    // Six decimal digits, for typing the address by hand.
    const QString& code() const { return code_; }

    // A right secret or code pairs a new phone (ending the session of the one before) and closes pairing.
    // A wrong one counts: the fifth wrong one closes pairing, so six digits cannot be guessed in time.
    Outcome trySecret(const QString& secret);
    Outcome tryCode(const QString& code);
    int wrongLeft() const { return maxWrong - wrong_; }

    // The paired phone's session secret (empty when none), and whether a request carries it.
    const QString& session() const { return session_; }
    bool isSession(const QString& token) const;
    void endSession() { session_.clear(); }

    static constexpr int maxWrong = 5;

private:
    Outcome attempt(const QString& expected, const QString& given);

    bool open_ = false;
    QString secret_;
    QString code_;
    QString session_;
    int wrong_ = 0;
};

// Compares without stopping at the first difference, so the time taken tells nothing about the secret.
bool sameSecret(const QString& a, const QString& b);
// `bits` random bits from the system's secure source, as hexadecimal digits.
QString randomHex(int bits);

} // namespace remote
