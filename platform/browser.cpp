#include "browser.h"

#include <QDesktopServices>

namespace platform {

namespace {

class DesktopBrowser final : public Browser {
public:
    bool Open(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};

} // namespace

Browser& Browser::real() {
    static DesktopBrowser instance;
    return instance;
}

} // namespace platform
