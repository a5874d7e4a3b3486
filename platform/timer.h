#pragma once

#include <QObject>
#include <QTimer>

namespace platform {

// An interval timer: Interval in milliseconds and Enabled, raising Timer every interval while enabled,
// never during its previous tick (everything runs on the one user-interface thread). A precise timer:
// ticks keep to the interval instead of drifting by a few milliseconds each.
//
// An interval of 0 or below cannot come from the board's own settings, only from a board file. Such a
// timer ticks as fast as it can, every millisecond: a race still runs to its end and adds its points,
// instead of never ticking (and never adding them) or spinning the processor with zero-time ticks.
class IntervalTimer : public QObject {
    Q_OBJECT
public:
    explicit IntervalTimer(QObject* owner, int interval = 10);

    int Interval() const { return interval_; }
    void setInterval(int milliseconds);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);

signals:
    void Timer();

private:
    void restart();
    QTimer timer_;
    int interval_;
    bool enabled_ = false;
};

} // namespace platform
