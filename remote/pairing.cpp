#include "pairing.h"

#include <QByteArray>
#include <QRandomGenerator>

namespace remote {

QString randomHex(int bits) {
    QByteArray bytes(bits / 8, '\0');
    QRandomGenerator* source = QRandomGenerator::system();
    for (char& byte : bytes)
        byte = static_cast<char>(source->bounded(256));
    return QString::fromLatin1(bytes.toHex());
}

bool sameSecret(const QString& a, const QString& b) {
    if (a.isEmpty() || a.size() != b.size())
        return false;
    char16_t difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<char16_t>(a[i].unicode() ^ b[i].unicode());
    return difference == 0;
}

void Pairing::open() {
    secret_ = randomHex(128);
    code_ = QStringLiteral("%1").arg(QRandomGenerator::system()->bounded(1000000), 6, 10, QLatin1Char('0'));
    wrong_ = 0;
    open_ = true;
}

void Pairing::close() {
    open_ = false;
    secret_.clear();
    code_.clear();
}

bool Pairing::isSession(const QString& token) const {
    return sameSecret(session_, token);
}

Pairing::Outcome Pairing::trySecret(const QString& secret) {
    return attempt(secret_, secret);
}

Pairing::Outcome Pairing::tryCode(const QString& code) {
    return attempt(code_, code);
}

Pairing::Outcome Pairing::attempt(const QString& expected, const QString& given) {
    if (!open_)
        return Outcome::Closed;
    if (sameSecret(expected, given)) {
        session_ = randomHex(128);
        close();
        return Outcome::Paired;
    }
    if (++wrong_ >= maxWrong)
        close();
    return Outcome::Wrong;
}

} // namespace remote
