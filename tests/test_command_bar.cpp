// The command bar during a race: back to the setup screen, and the end of the program.
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

class CommandBarTest : public testing::GuiTest {
    Q_OBJECT
private slots:
    void backToSetupDuringARace() {
        raceUnderWay();
        board::main& b = screen();
        QTest::mouseClick(b.Command1(board::CommandBar::Back), Qt::LeftButton);
        QCOMPARE(env->setupShown, 1);
        QVERIFY(!b.isLoaded());
        QCOMPARE(game::state().Team_Score(0), 120);
        QCOMPARE(game::state().Team_Score(1), 300);
        // Shown again, the board starts without the points of the interrupted race.
        showBoard();
        QCOMPARE(b.Add_Score(0), 0);
        QCOMPARE(b.Race_Left, Int16(30));
        QVERIFY(!b.Timer1->Enabled());
        QCOMPARE(b.Team_Label(0)->Text(), QStringLiteral("120"));
    }

    void endDuringARace() {
        raceUnderWay();
        board::main& b = screen();
        QTest::mouseClick(b.Command1(board::CommandBar::End), Qt::LeftButton);
        QCOMPARE(env->programEnded, 1);
        QCOMPARE(game::state().Team_Score(0), 120);
    }
};

QTEST_MAIN(CommandBarTest)
#include "test_command_bar.moc"
