#include "http.h"

namespace remote::http {

namespace {

QByteArray reason(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 409:
        return "Conflict";
    case 413:
        return "Content Too Large";
    case 429:
        return "Too Many Requests";
    case 500:
        return "Internal Server Error";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

bool isToken(const QByteArray& text) {
    if (text.isEmpty())
        return false;
    for (char c : text)
        if (c <= ' ' || c >= 127 || c == ':')
            return false;
    return true;
}

} // namespace

QByteArray Request::cookie(const QByteArray& name) const {
    for (const QByteArray& pair : header("cookie").split(';')) {
        const QByteArray trimmed = pair.trimmed();
        const qsizetype eq = trimmed.indexOf('=');
        if (eq > 0 && trimmed.left(eq) == name)
            return trimmed.mid(eq + 1);
    }
    return {};
}

Parse parse(const QByteArray& buffer, Request& request) {
    const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return buffer.size() > maxHeadBytes ? Parse::TooLarge : Parse::Incomplete;
    if (headEnd > maxHeadBytes)
        return Parse::TooLarge;

    const QList<QByteArray> lines = buffer.left(headEnd).split('\n');
    const QList<QByteArray> start = lines.first().trimmed().split(' ');
    if (start.size() != 3 || !isToken(start[0]) || !start[1].startsWith('/') ||
        !start[2].startsWith("HTTP/1."))
        return Parse::Malformed;
    request = {};
    request.method = start[0];
    const qsizetype query = start[1].indexOf('?');
    request.path = query < 0 ? start[1] : start[1].left(query);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0 || !isToken(line.left(colon)))
            return Parse::Malformed;
        const QByteArray name = line.left(colon).toLower();
        // A header given twice could be read one way here and another way elsewhere: refuse it.
        if (request.headers.contains(name))
            return Parse::Malformed;
        request.headers.insert(name, line.mid(colon + 1).trimmed());
    }
    if (request.headers.contains("transfer-encoding"))
        return Parse::Malformed;

    qsizetype length = 0;
    if (request.headers.contains("content-length")) {
        bool ok = false;
        length = request.header("content-length").toLongLong(&ok);
        if (!ok || length < 0)
            return Parse::Malformed;
        if (length > maxBodyBytes)
            return Parse::TooLarge;
    }
    const qsizetype bodyStart = headEnd + 4;
    if (buffer.size() - bodyStart < length)
        return Parse::Incomplete;
    request.body = buffer.mid(bodyStart, length);
    return Parse::Complete;
}

QByteArray response(int status, const QByteArray& contentType, const QByteArray& body, const Headers& extra) {
    QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason(status) + "\r\n";
    Headers headers = {
        {"Content-Type", contentType},
        {"Content-Length", QByteArray::number(body.size())},
        {"Connection", "close"},
        {"Cache-Control", "no-store"},
        {"X-Content-Type-Options", "nosniff"},
        {"X-Frame-Options", "DENY"},
        {"Referrer-Policy", "no-referrer"},
        {"Content-Security-Policy",
         "default-src 'self'; connect-src 'self'; img-src 'self'; style-src 'self'; "
         "script-src 'self'; base-uri 'none'; form-action 'none'; "
         "frame-ancestors 'none'"},
    };
    headers += extra;
    for (const auto& [name, value] : headers)
        out += name + ": " + value + "\r\n";
    return out + "\r\n" + body;
}

} // namespace remote::http
