// The winner celebration: which team leads, and the flashing of its bar on Timer2.
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

class CelebrationTest : public testing::GuiTest {
    Q_OBJECT
private slots:
    void leader_data() {
        QTest::addColumn<QList<int>>("scores");
        QTest::addColumn<int>("previous");
        QTest::addColumn<int>("leader");
        QTest::newRow("a tie goes to the lower slot") << QList<int>{120, 300, 300, 50} << 0 << 1;
        QTest::newRow("all zero keeps the previous leader") << QList<int>{0, 0, 0, 0} << 2 << 2;
        QTest::newRow("all negative keeps the previous leader") << QList<int>{-5, -1, -7, -2} << 3 << 3;
        QTest::newRow("no team in play") << QList<int>{} << 1 << 1;
    }
    void leader() {
        QFETCH(QList<int>, scores);
        QFETCH(int, previous);
        QFETCH(int, leader);
        startTeams(scores, 500, 80);
        showBoard();
        board::main& b = screen();
        b.Winner = Int16(previous);
        b.Tick = 4;
        QTest::mouseClick(b.Command1(board::CommandBar::Winner), Qt::LeftButton);
        QCOMPARE(b.Winner, Int16(leader));
        QCOMPARE(b.Tick, Int16(0));
        QCOMPARE(b.Timer2->Interval(), 80);
        QVERIFY(b.Timer2->Enabled());
    }

    void celebration_data() {
        QTest::addColumn<int>("leader");
        QTest::addColumn<int>("lastSource");
        QTest::newRow("slot 3 ends in bar 0's colour") << 3 << 0;
        QTest::newRow("slot 0 ends in bar 5's colour") << 0 << 5;
    }
    void celebration() {
        QFETCH(int, leader);
        QFETCH(int, lastSource);
        QList<int> scores{100, 100, 100, 100};
        scores[leader] = 400;
        startTeams(scores);
        showBoard();
        board::main& b = screen();
        QTest::mouseClick(b.Command1(board::CommandBar::Winner), Qt::LeftButton);
        b.Timer2_Timer();
        QCOMPARE(b.Team_Label(leader)->BackColor(), designColour[1]);
        for (int tick = 2; tick <= 30; ++tick)
            b.Timer2_Timer();
        QCOMPARE(b.Flash_Left, Int16(0));
        QVERIFY(b.Timer2->Enabled());
        b.Timer2_Timer(); // the 31st ends it, and its redraw does not restore the colour
        QVERIFY(!b.Timer2->Enabled());
        QCOMPARE(b.Flash_Left, Int16(5));
        QCOMPARE(b.Tick, Int16(0));
        QCOMPARE(b.Team_Label(leader)->BackColor(), designColour[lastSource]);
        QCOMPARE(b.Team_Label(leader)->Width(), exactWidth(400, 500));
    }

    void celebrationOnTheRealTimer() {
        startTeams({100, 100, 100, 400}, 500, 10);
        showBoard();
        board::main& b = screen();
        QTest::mouseClick(b.Command1(board::CommandBar::Winner), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!b.Timer2->Enabled(), 10000);
        QCOMPARE(b.Team_Label(3)->BackColor(), designColour[0]);
        QCOMPARE(b.Flash_Left, Int16(5));
    }
};

QTEST_MAIN(CelebrationTest)
#include "test_celebration.moc"
