// The race: the steps a start computes, the ticks of Timer1, the start sound, a start during a race.
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

namespace {

// The canvas pixels a runner frame covers when painted at a bar's end on a row's top: 1965 twips wide,
// squeezed to 700 twips high.
QRect runnerArea(double barEnd, double top) {
    const auto px = [](double twips) { return static_cast<int>(std::lround(twips / 15)); };
    return QRect(QPoint(px(barEnd), px(top)), QPoint(px(barEnd + 1965) - 1, px(top + 700) - 1));
}

// Mean difference per colour channel of two pictures of the same size.
double difference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            sum +=
                std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) + std::abs(p.blue() - q.blue());
        }
    return sum / (3.0 * a.width() * a.height());
}

// Which of the six frames of the runner strip (rows 60k to 60k + 59), squeezed into the area, the
// canvas shows there; -1 when none does.
int runnerFrameShown(const QImage& canvas, const QRect& area) {
    const QImage strip(QStringLiteral(":/assets/runner.bmp"));
    const QImage shown = canvas.copy(area);
    int best = -1;
    double bestDifference = 4; // what smoothing may leave; another frame differs by far more
    for (int k = 0; k < 6; ++k) {
        const QImage frame = strip.copy(0, 60 * k, 131, 60)
                                 .scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double d = difference(shown, frame);
        if (d < bestDifference) {
            best = k;
            bestDifference = d;
        }
    }
    return best;
}

} // namespace

class RaceTest : public testing::GuiTest {
    Q_OBJECT
private slots:
    void steps_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("pending");
        QTest::addColumn<int>("maxScore");
        QTest::addColumn<int>("stepWidth");
        QTest::addColumn<double>("stepScore");
        QTest::addColumn<bool>("ready");
        // Before each row every Step_Width is 7 and every Step_Score 99.5, as left by an earlier race.
        QTest::newRow("100 of 500 over 12735") << 0 << 100 << 500 << 11 << 100 / 30.0 << true;
        // 12735 / 225 = 56.6; without the frame in the outer width it would be 12615 / 225 = 56.07.
        QTest::newRow("a whole maximum over 12735") << 0 << 500 << 500 << 57 << 500 / 30.0 << true;
        QTest::newRow("nothing pending") << 0 << 0 << 500 << 0 << 0.0 << false;
        QTest::newRow("negative pending") << 0 << -20 << 500 << -2 << -20 / 30.0 << true;
        QTest::newRow("maximum 0 keeps the step") << 0 << 100 << 0 << 7 << 100 / 30.0 << true;
        QTest::newRow("step beyond 16 bits keeps the step")
            << 0 << 2000000 << 1 << 7 << 2000000 / 30.0 << true;
        QTest::newRow("slot not in play takes no part") << 4 << 100 << 500 << 7 << 99.5 << false;
    }
    void steps() {
        QFETCH(int, slot);
        QFETCH(int, pending);
        QFETCH(int, maxScore);
        QFETCH(int, stepWidth);
        QFETCH(double, stepScore);
        QFETCH(bool, ready);
        startTeams({0, 0, 0, 0}, 500);
        showBoard();
        board::main& b = screen();
        b.Step_Width.fill(7);
        b.Step_Score.fill(99.5);
        b.Add_Score(slot) = pending;
        game::state().Max_Score = maxScore;
        b.Computer_Score();
        QCOMPARE(b.Step_Width(slot), Int16(stepWidth));
        QCOMPARE(b.Step_Score(slot), stepScore);
        QCOMPARE(b.Race_Ready, ready);
        QCOMPARE(b.Step_Width(1), Int16(0)); // a team in play without pending points
    }

    void startWithNothingPending() {
        startTeams({120, 300}, 500, 70);
        showBoard();
        board::main& b = screen();
        b.Timer1->setInterval(10);
        b.Tick = 3;
        const float width = b.Team_Label(1)->Width();
        QTest::mouseClick(b.Command1(board::CommandBar::Start), Qt::LeftButton);
        QVERIFY(env->sound.played.isEmpty());
        QVERIFY(!b.Timer1->Enabled());
        QCOMPARE(b.Tick, Int16(0));
        QCOMPARE(b.Timer1->Interval(), 70);
        QCOMPARE(b.Team_Label(1)->Width(), width);
    }

    // Team 2 races alone; its shown number steps on every sixth tick.
    void race_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("pending");
        QTest::addColumn<int>("maxScore");
        QTest::addColumn<int>("perCycle");
        QTest::addColumn<int>("finalScore");
        QTest::newRow("100 pending counts up by 3") << 200 << 100 << 500 << 3 << 300;
        QTest::newRow("-20 pending counts down by 1") << 200 << -20 << 500 << -1 << 180;
        QTest::newRow("fewer than 30 does not count") << 200 << 20 << 500 << 0 << 220;
        QTest::newRow("shrinks past its left edge") << 10 << -100 << 500 << -4 << -90;
        QTest::newRow("shown number beyond 16 bits") << 40000 << 100 << 50000 << 0 << 40100;
        QTest::newRow("score would leave 32 bits") << 2147483600 << 100 << 2147483647 << 0 << 2147483600;
    }
    void race() {
        QFETCH(int, score);
        QFETCH(int, pending);
        QFETCH(int, maxScore);
        QFETCH(int, perCycle);
        QFETCH(int, finalScore);
        startTeams({100, 100, score, 100}, maxScore);
        showBoard();
        board::main& b = screen();
        const game::Module1& g = game::state();
        b.Add_Score(2) = pending;
        const float startWidth = b.Team_Label(2)->Width();
        const float otherWidth = b.Team_Label(1)->Width();

        QTest::mouseClick(b.Command1(board::CommandBar::Start), Qt::LeftButton);
        QCOMPARE(env->sound.played, QStringList{env->folder() + "/start.wav"});
        QVERIFY(b.Timer1->Enabled());
        const int step = b.Step_Width(2);
        for (int cycle = 1; cycle <= 30; ++cycle) {
            ticks(6);
            QCOMPARE(b.Team_Label(2)->Text(), platform::numberText(qint64(score) + qint64(perCycle) * cycle));
        }
        QCOMPARE(b.Race_Left, Int16(0));
        QVERIFY(b.Timer1->Enabled());
        QCOMPARE(g.Team_Score(2), score);
        QCOMPARE(b.Team_Label(2)->Width(), static_cast<float>(std::max(0.0, startWidth + 180.0 * step)));
        QCOMPARE(b.Team_Label(1)->Width(), otherWidth);

        ticks(1); // the 181st ends the race
        QVERIFY(!b.Timer1->Enabled());
        QCOMPARE(b.Race_Left, Int16(30));
        QCOMPARE(b.Tick, Int16(0));
        QCOMPARE(g.Team_Score(2), finalScore);
        QCOMPARE(b.Add_Score(2), 0);
        QCOMPARE(b.Team_Label(2)->Text(), platform::numberText(finalScore));
        QCOMPARE(b.Team_Label(2)->Width(), exactWidth(finalScore, maxScore));
        QCOMPARE(g.Team_Score(1), 100);
        QCOMPARE(b.Team_Label(1)->Width(), otherWidth);
    }

    // Each tick paints frame Tick of the strip at the end of the bar as it has just grown, on the row's top.
    void runnerFrames_data() {
        QTest::addColumn<int>("ticked");
        QTest::addColumn<int>("frame");
        QTest::newRow("first tick, frame 0") << 1 << 0;
        QTest::newRow("second tick, frame 1") << 2 << 1;
        QTest::newRow("fourth tick, frame 3") << 4 << 3;
        QTest::newRow("sixth tick, frame 5") << 6 << 5;
        QTest::newRow("seventh tick, frame 0 again") << 7 << 0;
        QTest::newRow("41st tick") << 41 << 4;
    }
    void runnerFrames() {
        QFETCH(int, ticked);
        QFETCH(int, frame);
        startTeams({100, 100});
        showBoard();
        board::main& b = screen();
        b.Add_Score(0) = 300; // 34 twips a tick
        QTest::mouseClick(b.Command1(board::CommandBar::Start), Qt::LeftButton);
        ticks(ticked);
        const double barEnd = std::nearbyint(b.Team_Label(0)->Left() + b.Team_Label(0)->Width());
        QCOMPARE(barEnd, 2745 + 100 / 500.0 * barRoom + 34.0 * ticked);
        const QImage& canvas = b.Picture1->surface();
        QCOMPARE(runnerFrameShown(canvas, runnerArea(barEnd, b.Team_CMD(0)->Top())), frame);
        // The team without pending points runs on the spot at its bar's end.
        const double stillEnd = std::nearbyint(b.Team_Label(1)->Left() + b.Team_Label(1)->Width());
        QCOMPARE(runnerFrameShown(canvas, runnerArea(stillEnd, b.Team_CMD(1)->Top())), frame);
    }

    // Frames are painted over one another without erasing: below the bar (465 twips high against the
    // frame's 700) they leave a trail, which the next full redraw wipes.
    void runnerTrailUntilTheRedraw() {
        startTeams({100, 100});
        showBoard();
        board::main& b = screen();
        const QImage before = b.Picture1->surface().copy();
        const double top = b.Team_CMD(0)->Top();
        const double startEnd = std::nearbyint(b.Team_Label(0)->Left() + b.Team_Label(0)->Width());
        b.Add_Score(0) = 300;
        QTest::mouseClick(b.Command1(board::CommandBar::Start), Qt::LeftButton);
        ticks(60);
        // Below the bar, right of the runner that stood there before the race and up to the right edge of
        // the runner now: grass before the race, the runners' feet during it.
        const double endNow = std::nearbyint(b.Team_Label(0)->Left() + b.Team_Label(0)->Width());
        const QRect below(runnerArea(startEnd, top + 465).topRight() + QPoint(1, 0),
                          runnerArea(endNow, top).bottomRight());
        QVERIFY(below.width() > 100 && below.height() > 10);
        QVERIFY(b.Picture1->surface().copy(below) != before.copy(below));
        b.Set_Board();
        QCOMPARE(b.Picture1->surface().copy(below), before.copy(below));
        ticks(6 * b.Race_Left + 1); // the race ends with a full redraw too
        QVERIFY(!b.Timer1->Enabled());
        QCOMPARE(b.Picture1->surface().copy(below), before.copy(below));
    }

    void raceOnTheRealTimer() {
        startTeams({120, 300}, 500, 10);
        showBoard();
        board::main& b = screen();
        b.Add_Score(0) = 60;
        b.Add_Score(1) = -30;
        QTest::mouseClick(b.Command1(board::CommandBar::Start), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!b.Timer1->Enabled(), 20000);
        QCOMPARE(game::state().Team_Score(0), 180);
        QCOMPARE(game::state().Team_Score(1), 270);
        QCOMPARE(b.Team_Label(0)->Width(), exactWidth(180, 500));
        QCOMPARE(b.Team_Label(1)->Text(), QStringLiteral("270"));
    }

    // No start.wav in the program folder: the real sound falls back to the default one and the race runs.
    void missingStartSoundStillRaces() {
        RealSound real;
        startTeams({120}, 500);
        showBoard();
        board::main& b = screen();
        b.Add_Score(0) = 30;
        QTest::mouseClick(b.Command1(board::CommandBar::Start), Qt::LeftButton);
        QVERIFY(b.Timer1->Enabled());
        ticks(181);
        QCOMPARE(game::state().Team_Score(0), 150);
    }

    void startingAgainDuringARace() {
        startTeams({120, 300});
        showBoard();
        board::main& b = screen();
        b.Add_Score(0) = 100;
        QTest::mouseClick(b.Command1(board::CommandBar::Start), Qt::LeftButton);
        ticks(50);
        const Int16 left = b.Race_Left;
        b.Add_Score(1) = 100;
        QTest::mouseClick(b.Command1(board::CommandBar::Start), Qt::LeftButton);
        QCOMPARE(env->sound.played.size(), 2);
        QCOMPARE(b.Tick, Int16(0));
        QCOMPARE(b.Race_Left, left);
        QCOMPARE(b.Step_Width(1), Int16(11));
        ticks(6 * left + 1);
        QVERIFY(!b.Timer1->Enabled());
        QCOMPARE(game::state().Team_Score(0), 220);
        QCOMPARE(game::state().Team_Score(1), 400);
    }
};

QTEST_MAIN(RaceTest)
#include "test_race.moc"
