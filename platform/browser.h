#pragma once

#include "replaceable.h"

#include <QUrl>

namespace platform {

// Opens a web page in the user's browser, without waiting. Returns whether a browser could be started.
class Browser : public Replaceable<Browser> {
public:
    virtual ~Browser() = default;
    virtual bool Open(const QUrl& url) = 0;

private:
    friend Replaceable<Browser>;
    static Browser& real();
};

} // namespace platform
