// The desktop's requests to end the program end it through the program's own ending, on the event loop.
#include "platform/end_signals.h"
#include "platform/program.h"

#include <QTest>
#include <csignal>

class EndSignalsTest : public QObject {
    Q_OBJECT
    int ends = 0;

private slots:
    void initTestCase() {
        // As nohup leaves it: the program must not take over a signal it was told to ignore.
        std::signal(SIGHUP, SIG_IGN);
        platform::setEndProgramHandler([this] { ++ends; });
        platform::endProgramOnEndSignals();
        platform::endProgramOnEndSignals(); // a second call changes nothing: still one ending per signal
    }
    void init() { ends = 0; }
    void cleanupTestCase() { platform::setEndProgramHandler({}); }

    void aSignalEndsTheProgramOnTheEventLoop_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
    }
    void aSignalEndsTheProgramOnTheEventLoop() {
        QFETCH(int, signal);
        QCOMPARE(std::raise(signal), 0);
        QCOMPARE(ends, 0); // not inside the signal handler, where almost nothing is safe
        QTRY_COMPARE(ends, 1);
    }

    void aBurstOfSignalsEndsItAtLeastOnce() {
        for (int i = 0; i < 1000; ++i)
            QCOMPARE(std::raise(SIGTERM), 0); // more than the socket buffer holds: must not block
        QTRY_VERIFY(ends >= 1);
        // Drained: the next signal is a fresh request that ends it again.
        ends = 0;
        QCOMPARE(std::raise(SIGTERM), 0);
        QTRY_COMPARE(ends, 1);
    }

    void aSignalIgnoredAtStartStaysIgnored() {
        struct sigaction hangUp {};
        QCOMPARE(sigaction(SIGHUP, nullptr, &hangUp), 0);
        QVERIFY(hangUp.sa_handler == SIG_IGN);
        QCOMPARE(std::raise(SIGHUP), 0); // and the test program lives on
    }
};

QTEST_GUILESS_MAIN(EndSignalsTest)
#include "test_end_signals.moc"
