// The settings strip (the arrows of the maximum score and the running speed, the publisher line) and
// the settings dialog.
#include "board_builders.h"
#include "game/module1.h"
#include "platform/convert.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>
#include <algorithm>
#include <cmath>

using namespace testing::board_play;

class SettingsTest : public testing::GuiTest {
    Q_OBJECT
private slots:
    // ---- the settings strip ----

    void arrows_data() {
        QTest::addColumn<bool>("maximum"); // the maximum score's arrows, else the speed's
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QList<int>>("afterEachPress");
        QTest::newRow("500 up") << true << 500 << true << QList<int>{600};
        QTest::newRow("500 down stops at 100") << true << 500 << false << QList<int>{400, 300, 200, 100, 100};
        QTest::newRow("150 down stops at 50") << true << 150 << false << QList<int>{50, 50};
        QTest::newRow("up refused past 32 bits") << true << 2147483600 << true << QList<int>{2147483600};
        QTest::newRow("speed 50 up") << false << 50 << true << QList<int>{60};
        QTest::newRow("speed 50 down stops at 10") << false << 50 << false << QList<int>{40, 30, 20, 10, 10};
        QTest::newRow("speed 5 cannot be lowered") << false << 5 << false << QList<int>{5};
        QTest::newRow("speed up refused past 16 bits") << false << 32760 << true << QList<int>{32760};
    }
    void arrows() {
        QFETCH(bool, maximum);
        QFETCH(int, start);
        QFETCH(bool, up);
        QFETCH(QList<int>, afterEachPress);
        startTeams({250, 40}, maximum ? start : 500, maximum ? 50 : Int16(start));
        showBoard();
        board::main& b = screen();
        const game::Module1& g = game::state();
        const int interval = b.Timer1->Interval();
        platform::CommandButton* arrow =
            maximum ? (up ? b.Command3 : b.Command4) : (up ? b.Command5 : b.Command6);
        for (int expected : afterEachPress) {
            QTest::mouseClick(arrow, Qt::LeftButton);
            if (maximum) {
                QCOMPARE(g.Max_Score, expected);
                QCOMPARE(b.Text4->Text(), platform::numberText(expected));
                QCOMPARE(b.Team_Label(0)->Width(), exactWidth(250, expected));
            } else {
                QCOMPARE(int(g.Run_Speed), expected);
                QCOMPARE(b.Text5->Text(), platform::numberText(expected));
                QCOMPARE(b.Timer1->Interval(), interval); // reaches the timer at the next start only
            }
        }
    }

    void publisherLine_data() {
        QTest::addColumn<bool>("browserStarts");
        QTest::newRow("the browser opens the page") << true;
        QTest::newRow("no browser: the operator is told") << false;
    }
    void publisherLine() {
        QFETCH(bool, browserStarts);
        startTeams({});
        showBoard();
        env->browser.canStart = browserStarts;
        QTest::mouseClick(screen().Label7, Qt::LeftButton);
        QCOMPARE(env->browser.opened, QList<QUrl>{QUrl("https://www.example.org/")});
        if (browserStarts) {
            QVERIFY(env->dialogs.messages.isEmpty());
        } else {
            QCOMPARE(env->dialogs.messages.size(), 1);
            QVERIFY(env->dialogs.messages[0].contains(QStringLiteral("웹 브라우저를 시작할 수 없습니다")));
            QVERIFY(env->dialogs.messages[0].contains("https://www.example.org/"));
        }
    }

    // ---- the settings dialog ----

    void openingTheSettingsDialog() {
        startTeams({250}, 700, 40);
        showBoard();
        board::main& b = screen();
        QTest::keyClick(b.window.get(), Qt::Key_F2);
        QVERIFY(b.Picture2->isVisible());
        QCOMPARE(b.Picture2->Left(), (b.Picture1->Width() - b.Picture2->Width()) / 2);
        QCOMPARE(b.Picture2->Top(), (b.Picture1->Height() - b.Picture2->Height()) / 2);
        QCOMPARE(b.Text2->Text(), QStringLiteral("40"));
        QCOMPARE(b.Text3->Text(), QStringLiteral("700"));
        QCOMPARE(QApplication::focusWidget(), b.Text2);
        QTest::keyClick(b.Text2, Qt::Key_Escape);
        QVERIFY(!b.Picture2->isVisible());

        QTest::mouseDClick(b.Label6, Qt::LeftButton);
        QVERIFY(b.Picture2->isVisible());
        QTest::keyClick(b.window.get(), Qt::Key_F2);
        QVERIFY(!b.Picture2->isVisible());
        QCOMPARE(game::state().Run_Speed, Int16(40));
        QCOMPARE(game::state().Max_Score, 700);
    }

    void applyingTheSettingsDialog_data() {
        QTest::addColumn<QString>("speedText");
        QTest::addColumn<QString>("maxText");
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("maxScore");
        QTest::newRow("both numbers") << "70"
                                      << "800" << false << 70 << 800;
        QTest::newRow("Enter applies, halves to even") << "12.5"
                                                       << "1000.5" << true << 12 << 1000;
        QTest::newRow("not numbers keep both settings") << "abc"
                                                        << "" << false << 50 << 500;
        QTest::newRow("a maximum beyond 16 bits is kept") << "40"
                                                          << "40000" << false << 40 << 500;
    }
    void applyingTheSettingsDialog() {
        QFETCH(QString, speedText);
        QFETCH(QString, maxText);
        QFETCH(bool, byEnter);
        QFETCH(int, speed);
        QFETCH(int, maxScore);
        startTeams({250}, 500, 50);
        showBoard();
        board::main& b = screen();
        QTest::keyClick(b.window.get(), Qt::Key_F2);
        b.Text2->setText(speedText);
        b.Text3->setText(maxText);
        if (byEnter)
            QTest::keyClick(b.Text3, Qt::Key_Return);
        else
            QTest::mouseClick(b.Command2, Qt::LeftButton);
        const game::Module1& g = game::state();
        QCOMPARE(int(g.Run_Speed), speed);
        QCOMPARE(g.Max_Score, maxScore);
        QCOMPARE(b.Text5->Text(), platform::numberText(speed));
        QCOMPARE(b.Text4->Text(), platform::numberText(maxScore));
        QCOMPARE(b.Team_Label(0)->Width(), exactWidth(250, maxScore));
        QCOMPARE(b.Timer1->Interval(), speed);
        QVERIFY(!b.Picture2->isVisible());
        // The focus leaves the dialog for the canvas, where a second Enter changes nothing.
        if (byEnter) {
            QCOMPARE(QApplication::focusWidget(), b.Picture1);
            QTest::keyClick(b.Picture1, Qt::Key_Return);
            QCOMPARE(g.Max_Score, maxScore);
        }
    }
};

QTEST_MAIN(SettingsTest)
#include "test_settings.moc"
