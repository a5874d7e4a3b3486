#pragma once

#include <QUrl>

namespace platform {

// Opens a web page in the user's browser, without waiting. Returns whether a browser could be started.
class Browser {
public:
    virtual ~Browser() = default;
    virtual bool Open(const QUrl& url) = 0;

    static Browser& current();
    static void install(Browser* browser);
};

} // namespace platform
