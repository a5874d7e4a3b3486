#include "timer.h"

#include <algorithm>

namespace platform {

IntervalTimer::IntervalTimer(QObject* owner, int interval) : QObject(owner), interval_(interval) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &IntervalTimer::Timer);
}

void IntervalTimer::setInterval(int milliseconds) {
    if (milliseconds == interval_)
        return;
    interval_ = milliseconds;
    restart();
}

void IntervalTimer::setEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    restart();
}

// Setting either property starts the count of the interval afresh, as an interval timer does.
void IntervalTimer::restart() {
    if (!enabled_) {
        timer_.stop();
        return;
    }
    timer_.start(std::max(1, interval_));
}

} // namespace platform
