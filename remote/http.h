#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>

namespace remote::http {

// What the remote accepts of a request: a small head and a small body. Anything larger is refused before
// it is read, so no phone (or anyone else) can make the program hold more than this per connection.
inline constexpr qsizetype maxHeadBytes = 4096;
inline constexpr qsizetype maxBodyBytes = 1024;

struct Request {
    QByteArray method;
    QByteArray path;                       // without the query
    QHash<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;

    QByteArray header(const QByteArray& name) const { return headers.value(name); }
    QByteArray cookie(const QByteArray& name) const;
};

enum class Parse { Incomplete, Complete, Malformed, TooLarge };

// Reads one request from the start of `buffer`.
Parse parse(const QByteArray& buffer, Request& request);

using Headers = QList<QPair<QByteArray, QByteArray>>;

// One whole response; the connection closes after it. Every response forbids caching, framing and
// sniffing, and carries the page's content security policy.
QByteArray response(int status, const QByteArray& contentType, const QByteArray& body,
                    const Headers& extra = {});

} // namespace remote::http
