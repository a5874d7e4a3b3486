// The remote in a real browser: headless Chromium, driven by Selenium, opens the page of the board
// running here on the offscreen platform, pairs with the code, gives points, starts a race, sees the
// scores and saves; the board and its saved file must hold the page's points.
#include "board/main.h"
#include "game/module1.h"
#include "remote/remote.h"
#include "support.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

// Runs the browser script to its end, the board answering all the while on this thread.
bool runBrowser(const QString& address, const QString& code, const QString& shots) {
    QTemporaryDir profile;
    QProcess browser;
    browser.setProcessChannelMode(QProcess::ForwardedChannels);
    QStringList arguments = {qEnvironmentVariable("REMOTE_BROWSER_SCRIPT"), address, code, profile.path()};
    if (!shots.isEmpty())
        arguments << shots;
    browser.start(QStringLiteral("/usr/bin/python3"), arguments);
    if (!browser.waitForStarted(10000))
        return false;
    QElapsedTimer clock;
    clock.start();
    while (browser.state() != QProcess::NotRunning && clock.elapsed() < 120000)
        QTest::qWait(5);
    if (browser.state() != QProcess::NotRunning) {
        browser.kill();
        browser.waitForFinished(5000);
        return false;
    }
    return browser.exitStatus() == QProcess::NormalExit && browser.exitCode() == 0;
}

} // namespace

class RemoteBrowserTest : public QObject {
    Q_OBJECT

private slots:
    void aPhoneDrivesTheBoard() {
        for (const char* program : {"/usr/bin/chromium", "/usr/bin/chromedriver", "/usr/bin/python3"})
            if (!QFile::exists(QString::fromLatin1(program)))
                QSKIP("chromium, chromium-driver and python3-selenium are needed (tools/setup-machine.sh)");
        testing::Environment env;
        game::Module1& g = game::state();
        g.Team_Count = 3;
        const char* names[] = {"믿음", "소망", "사랑"};
        const int scores[] = {0, 480, 100};
        for (int i = 0; i < 3; ++i) {
            g.Team_Name(i) = QString::fromUtf8(names[i]);
            g.Team_Score(i) = scores[i];
        }
        g.Max_Score = 500;
        g.Run_Speed = 5;
        g.Save_Name = QStringLiteral("퀴즈밤"); // saved once on the laptop

        board::main& b = board::main::instance();
        remote::Remote& r = remote::Remote::instance();
        remote::Remote::attachTo(b);
        r.setListenAddress(QHostAddress::LocalHost);
        QVERIFY(testing::showBoardSized(1032, 700));
        QTest::keyClick(b.window.get(), Qt::Key_F3);
        QVERIFY(r.panel());

        const QString shots = qEnvironmentVariable("REMOTE_SCREENSHOTS");
        if (!shots.isEmpty())
            b.window->grab().save(shots + QStringLiteral("/board-panel.png"));

        QVERIFY(runBrowser(r.address(), r.server().pairing().code(), shots));
        QVERIFY(!r.panel());
        QCOMPARE(g.Team_Score(1), 510);
        QCOMPARE(g.Team_Score(2), 112);
        QCOMPARE(g.Max_Score, 610);
        QCOMPARE(env.sound.played.size(), 1);
        QVERIFY(env.dialogs.messages.isEmpty());
        QFile saved(env.folder() + QStringLiteral("/퀴즈밤.scr"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray text = saved.readAll();
        QVERIFY2(text.contains(";510") && text.contains(";112"), text.constData());

        // A second phone pairs through the QR code's address and takes the first one's place.
        QTest::keyClick(b.window.get(), Qt::Key_F3);
        const QString session = r.server().pairing().session();
        QVERIFY(runBrowser(r.address(), QStringLiteral("#k=") + r.server().pairing().secret(), {}));
        QVERIFY(!r.panel());
        QVERIFY(r.server().pairing().session() != session);

        b.Command1_Click(board::CommandBar::Back);
        QVERIFY(!r.server().isListening());
        b.screenLoaded = nullptr;
        b.screenUnloading = nullptr;
        testing::unloadScreens();
    }
};

QTEST_MAIN(RemoteBrowserTest)
#include "test_remote_browser.moc"
