#include "browser.h"

#include <QDesktopServices>

namespace platform {

namespace {

class DesktopBrowser final : public Browser {
public:
    bool Open(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};

Browser*& installed() {
    static Browser* browser = nullptr;
    return browser;
}

} // namespace

Browser& Browser::current() {
    static DesktopBrowser real;
    return installed() ? *installed() : real;
}

void Browser::install(Browser* browser) {
    installed() = browser;
}

} // namespace platform
