// Playing on the board: score entry, the race, the winner celebration, the settings strip and dialog,
// and the command bar, driven through the real widgets.
#include "board/main.h"
#include "game/module1.h"
#include "platform/convert.h"
#include "support.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>
#include <algorithm>
#include <cmath>

using platform::Int16;

namespace {

board::main& screen() {
    return board::main::instance();
}

// A client area of 1024 pixels is 15360 twips, 15480 with the sizable frame: with bar 0 starting at
// 2745, Span is 12735 and Bar_Room 10615.
constexpr int boardWidth = 1024;
constexpr double barRoom = boardWidth * 15 - 2745 - 2000;

// So long that the real timers never tick while a test ticks them by hand.
constexpr Int16 handTicked = 30000;

const QColor designColour[6] = {{255, 192, 128}, {128, 255, 128}, {255, 255, 128},
                                {128, 128, 255}, {255, 128, 255}, {255, 128, 255}};

void startTeams(const QList<int>& scores, int maxScore = 500, Int16 runSpeed = handTicked) {
    const char* names[] = {"믿음", "소망", "사랑", "은혜", "기쁨", "평화", "온유", "절제", "충성", "양선"};
    game::Module1& g = game::state();
    g.Team_Count = static_cast<Int16>(scores.size());
    for (int i = 0; i < scores.size(); ++i) {
        g.Team_Name(i) = QString::fromUtf8(names[i]);
        g.Team_Score(i) = scores[i];
    }
    g.Max_Score = maxScore;
    g.Run_Speed = runSpeed;
}

void showBoard() {
    board::main& b = screen();
    QVERIFY(testing::showBoardSized(boardWidth, 700));
    QCOMPARE(b.window->OuterWidth(), float(boardWidth * 15 + 120));
    QVERIFY(QTest::qWaitForWindowActive(b.window.get()));
}

float exactWidth(double score, double maxScore) {
    return static_cast<float>(std::max(0.0, score / maxScore * barRoom));
}

void press(int row, Qt::MouseButton button) {
    QTest::mouseClick(screen().Team_CMD(row), button);
}

// Types into the entry box over its selected text; typing nothing clears it.
void typeOver(const QString& text) {
    if (text.isEmpty())
        QTest::keyClick(screen().Text1, Qt::Key_Backspace);
    // Korean letters have no key of their own: they come as key events that carry their text.
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(screen().Text1, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Press, screen().Text1, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, screen().Text1, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

void enter() {
    QTest::keyClick(screen().Text1, Qt::Key_Return);
}

void ticks(int count) {
    for (int i = 0; i < count; ++i)
        screen().Timer1_Timer();
}

// Scores 120 and 300, 100 points pending for the first team, a race started and 40 ticks into it.
void raceUnderWay() {
    startTeams({120, 300});
    showBoard();
    board::main& b = screen();
    b.Add_Score(0) = 100;
    QTest::mouseClick(b.Command1(board::CommandBar::Start), Qt::LeftButton);
    ticks(40);
    QVERIFY(b.Timer1->Enabled());
}

// The sound that platform::Sound plays when no test observes it: the real one.
struct RealSound {
    RealSound() { platform::Sound::install(nullptr); }
    ~RealSound() { platform::Sound::install(nullptr); }
};

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

class BoardPlayTest : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::Environment> env;

private slots:
    void init() { env = std::make_unique<testing::Environment>(); }
    void cleanup() { env.reset(); }

    // ---- score entry ----

    void enteringPoints_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("pendingBefore");
        QTest::addColumn<int>("pendingAfter");
        QTest::newRow("25 replaces the 0 and adds up") << "25" << 5 << 30;
        QTest::newRow("-10 takes points away") << "-10" << 0 << -10;
        QTest::newRow("12.5 adds 12") << "12.5" << 0 << 12;
        QTest::newRow("13.5 adds 14") << "13.5" << 0 << 14;
        QTest::newRow("32767 adds") << "32767" << 0 << 32767;
        QTest::newRow("32768 adds nothing") << "32768" << 3 << 3;
        QTest::newRow("abc adds nothing") << "abc" << 3 << 3;
        QTest::newRow("empty adds nothing") << "" << 3 << 3;
        QTest::newRow("32-bit sum would overflow") << "1" << 2147483647 << 2147483647;
    }
    void enteringPoints() {
        QFETCH(QString, typed);
        QFETCH(int, pendingBefore);
        QFETCH(int, pendingAfter);
        startTeams({100, 200, 0, 300}, 100000);
        showBoard();
        board::main& b = screen();
        b.Add_Score(3) = pendingBefore;
        const float width = b.Team_Label(3)->Width();

        press(3, Qt::LeftButton);
        QVERIFY(b.Text1->isVisible());
        QCOMPARE(b.Text1->Top(), b.Team_CMD(3)->Top());
        QCOMPARE(b.Text1->Left(), b.Team_CMD(3)->Left());
        QCOMPARE(b.Text1->Text(), QStringLiteral("0"));
        QCOMPARE(QApplication::focusWidget(), b.Text1);
        typeOver(typed);
        QCOMPARE(b.Text1->Text(), typed);
        enter();

        QCOMPARE(b.Add_Score(3), pendingAfter);
        QVERIFY(!b.Text1->isVisible());
        // Pending points do not move the bar or its number.
        QCOMPARE(b.Team_Label(3)->Width(), width);
        QCOMPARE(b.Team_Label(3)->Text(), QStringLiteral("300"));
        QCOMPARE(game::state().Max_Score, 100000);
    }

    void raisingTheMaximum_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("maxScore");
        QTest::newRow("480 + 30 passes 500") << "30" << 610;
        QTest::newRow("480 + 20 is exactly 500") << "20" << 500;
        QTest::newRow("taking points away never lowers it") << "-400" << 500;
    }
    void raisingTheMaximum() {
        QFETCH(QString, typed);
        QFETCH(int, maxScore);
        startTeams({480, 250});
        showBoard();
        board::main& b = screen();
        press(0, Qt::LeftButton);
        typeOver(typed);
        enter();
        QCOMPARE(game::state().Max_Score, maxScore);
        QCOMPARE(b.Text4->Text(), platform::numberText(maxScore));
        // Every bar stands on the scale of the maximum: redrawn when it rose.
        QCOMPARE(b.Team_Label(0)->Width(), exactWidth(480, maxScore));
        QCOMPARE(b.Team_Label(1)->Width(), exactWidth(250, maxScore));
        QVERIFY(!b.Text1->isVisible());
    }

    // The first press on team 1, then one on team 2 and Enter. A middle press only moves the target.
    void pressingAnotherButton_data() {
        QTest::addColumn<int>("first"); // 0: no first press
        QTest::addColumn<QString>("typedFirst");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("shownText");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("nameAfter");
        QTest::addColumn<int>("pendingAfter");
        const int L = Qt::LeftButton, R = Qt::RightButton, M = Qt::MiddleButton;
        QTest::newRow("middle keeps points typed for another team") << L << "7" << M << "7"
                                                                    << "score"
                                                                    << "사랑" << 12;
        QTest::newRow("middle keeps a rename") << R << "별" << M << "별"
                                               << "tname"
                                               << "별" << 5;
        QTest::newRow("left discards a rename") << R << "별" << L << "0"
                                                << "score"
                                                << "사랑" << 5;
        QTest::newRow("right discards points") << L << "7" << R << "사랑"
                                               << "tname"
                                               << "사랑" << 5;
        QTest::newRow("middle as the first press ever") << 0 << "" << M << ""
                                                        << ""
                                                        << "사랑" << 5;
    }
    void pressingAnotherButton() {
        QFETCH(int, first);
        QFETCH(QString, typedFirst);
        QFETCH(int, second);
        QFETCH(QString, shownText);
        QFETCH(QString, mode);
        QFETCH(QString, nameAfter);
        QFETCH(int, pendingAfter);
        startTeams({0, 0, 0});
        board::main& b = screen();
        b.Edit_Mode = QString(); // as on a board screen never pressed since the program started
        showBoard();
        b.Add_Score(2) = 5;
        if (first != 0) {
            press(1, Qt::MouseButton(first));
            typeOver(typedFirst);
        }
        press(2, Qt::MouseButton(second));
        QVERIFY(b.Text1->isVisible());
        QCOMPARE(b.Text1->Top(), b.Team_CMD(2)->Top());
        QCOMPARE(b.Text1->Text(), shownText);
        QCOMPARE(b.Edit_Mode, mode);
        QCOMPARE(b.Edit_Team, Int16(2));
        enter();
        QVERIFY(!b.Text1->isVisible());
        QCOMPARE(game::state().Team_Name(2), nameAfter);
        QCOMPARE(game::state().Team_Name(1), QStringLiteral("소망"));
        QCOMPARE(b.Add_Score(2), pendingAfter);
        QCOMPARE(b.Add_Score(1), 0);
    }

    void renaming_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("a new name") << "새 이름";
        QTest::newRow("an empty name") << "";
        QTest::newRow("blanks and a semicolon") << " a;b ";
    }
    void renaming() {
        QFETCH(QString, typed);
        startTeams({120, 300});
        showBoard();
        board::main& b = screen();
        const float width = b.Team_Label(1)->Width();
        press(1, Qt::RightButton);
        QCOMPARE(b.Text1->Text(), QStringLiteral("소망"));
        typeOver(typed);
        enter();
        QCOMPARE(game::state().Team_Name(1), typed);
        QCOMPARE(game::state().Max_Score, 500);
        QVERIFY(!b.Text1->isVisible());
        // Nothing is redrawn: the button keeps its caption until the next full redraw.
        QCOMPARE(b.Team_CMD(1)->Caption(), QStringLiteral("소망"));
        QCOMPARE(b.Team_Label(1)->Width(), width);
        QTest::mouseClick(b.Command3, Qt::LeftButton);
        QCOMPARE(b.Team_CMD(1)->Caption(), typed);
    }

    // The score bars and the two read-outs show only what the board writes into them. Each row tries one
    // road in: a drop, a paste by key, by the menu or by the middle button (primary selection), typing,
    // an input method's commit. Then the next race counts on from the score, not from the text.
    void barsAndReadOutsTakeNoInput_data() {
        QTest::addColumn<QString>("control"); // "bar", "Text4" or "Text5"
        QTest::addColumn<QString>("road");
        for (const char* control : {"bar", "Text4", "Text5"})
            for (const char* road : {"drop", "ctrl+v", "shift+insert", "menu", "middle", "typing",
                                     "backspace", "delete", "ctrl+x", "input method"})
                QTest::addRow("%s, %s", control, road)
                    << QString::fromLatin1(control) << QString::fromLatin1(road);
    }
    void barsAndReadOutsTakeNoInput() {
        QFETCH(QString, control);
        QFETCH(QString, road);
        startTeams({120, 300});
        showBoard();
        board::main& b = screen();
        platform::TextBox* box = control == "Text4"   ? b.Text4
                                 : control == "Text5" ? b.Text5
                                                      : b.Team_Label(0);
        const QString shown = box->Text();
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("9999"));
        if (clipboard->supportsSelection())
            clipboard->setText(QStringLiteral("9999"), QClipboard::Selection);
        const QPoint middle = box->rect().center();

        if (road == "drop") {
            QMimeData data;
            data.setText(QStringLiteral("9999"));
            QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(box, &enter);
            QDropEvent drop(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(box, &drop);
            QVERIFY(!drop.isAccepted());
            QVERIFY(!box->acceptDrops());
        } else if (road == "menu") {
            QContextMenuEvent menu(QContextMenuEvent::Mouse, middle, box->mapToGlobal(middle));
            QApplication::sendEvent(box, &menu);
            QWidget* popup = QApplication::activePopupWidget();
            if (popup)
                popup->close();
            QVERIFY(!popup);
        } else if (road == "middle") {
            QTest::mouseClick(box, Qt::MiddleButton, Qt::NoModifier, middle);
        } else if (road == "input method") {
            QInputMethodEvent commit(QString(), {});
            commit.setCommitString(QStringLiteral("9999"));
            QApplication::sendEvent(box, &commit);
        } else {
            box->setFocus(); // the keys go to the box itself, whether or not it keeps the focus
            const auto key = [&](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
                QTest::keyClick(box, k, m);
            };
            if (road == "ctrl+v")
                key(Qt::Key_V, Qt::ControlModifier);
            else if (road == "shift+insert")
                key(Qt::Key_Insert, Qt::ShiftModifier);
            else if (road == "typing")
                QTest::keyClicks(box, QStringLiteral("9"));
            else if (road == "backspace")
                key(Qt::Key_Backspace);
            else if (road == "delete")
                key(Qt::Key_Home), key(Qt::Key_Delete);
            else
                key(Qt::Key_A, Qt::ControlModifier), key(Qt::Key_X, Qt::ControlModifier);
        }
        QCOMPARE(box->Text(), shown);
        QVERIFY(box->selectedText().isEmpty());

        // 100 pending for team 0 count up by 3 a cycle from its score, 120.
        b.Add_Score(0) = 100;
        QTest::mouseClick(b.Command1(board::CommandBar::Start), Qt::LeftButton);
        ticks(6);
        QCOMPARE(b.Team_Label(0)->Text(), QStringLiteral("123"));
        QCOMPARE(b.Text4->Text(), QStringLiteral("500"));
        QCOMPARE(b.Text5->Text(), QString::number(handTicked));
    }

    // Enter clicks a focused command button, as Space does; on a team button it opens nothing, and a
    // held Enter clicks once.
    void enterPressesTheFocusedButton_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("held");
        QTest::addColumn<bool>("raceStarted");
        QTest::addColumn<int>("maxScore");
        QTest::newRow("Enter on start") << "start" << int(Qt::Key_Return) << false << true << 500;
        QTest::newRow("Enter of the number pad on start")
            << "start" << int(Qt::Key_Enter) << false << true << 500;
        QTest::newRow("Space on start") << "start" << int(Qt::Key_Space) << false << true << 500;
        QTest::newRow("Enter on the maximum's up arrow")
            << "up" << int(Qt::Key_Return) << false << false << 600;
        QTest::newRow("Enter held on the up arrow") << "up" << int(Qt::Key_Return) << true << false << 600;
        QTest::newRow("Enter on a team button") << "team" << int(Qt::Key_Return) << false << false << 500;
    }
    void enterPressesTheFocusedButton() {
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(bool, held);
        QFETCH(bool, raceStarted);
        QFETCH(int, maxScore);
        startTeams({120, 300});
        showBoard();
        board::main& b = screen();
        b.Add_Score(0) = 100;
        QWidget* target = button == "start" ? b.Command1(board::CommandBar::Start)
                          : button == "up"  ? b.Command3
                                            : b.Team_CMD(1);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        if (held)
            for (int i = 0; i < 3; ++i) {
                QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
                QApplication::sendEvent(target, &repeat);
            }
        QCOMPARE(b.Timer1->Enabled(), raceStarted);
        QCOMPARE(game::state().Max_Score, maxScore);
        QVERIFY(!b.Text1->isVisible());
    }

    // After an entry the focus is back on the team's button, so a second Enter starts nothing: not a
    // race, not a raised maximum (the next control in the tab order is the maximum's up arrow).
    void secondEnterAfterAnEntryDoesNothing_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("maxScore");
        QTest::newRow("points") << int(Qt::LeftButton) << "25" << 500;
        QTest::newRow("points raising the maximum") << int(Qt::LeftButton) << "400" << 800;
        QTest::newRow("a name") << int(Qt::RightButton) << "새 이름" << 500;
    }
    void secondEnterAfterAnEntryDoesNothing() {
        QFETCH(int, button);
        QFETCH(QString, typed);
        QFETCH(int, maxScore);
        startTeams({120, 300});
        showBoard();
        board::main& b = screen();
        press(1, Qt::MouseButton(button));
        typeOver(typed);
        enter();
        QVERIFY(!b.Text1->isVisible());
        QCOMPARE(QApplication::focusWidget(), b.Team_CMD(1));
        const int pending = b.Add_Score(1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!b.Timer1->Enabled());
        QVERIFY(!b.Text1->isVisible());
        QCOMPARE(game::state().Max_Score, maxScore);
        QCOMPARE(b.Add_Score(1), pending);
    }

    void keyboardOnATeamButtonOpensNothing() {
        startTeams({120, 300});
        showBoard();
        board::main& b = screen();
        b.Team_CMD(1)->setFocus();
        QTest::keyClick(b.Team_CMD(1), Qt::Key_Space);
        QTest::keyClick(b.Team_CMD(1), Qt::Key_Return);
        QVERIFY(!b.Text1->isVisible());
    }

    void clickingABarFocusesTheStartButton() {
        startTeams({120, 300, 40});
        showBoard();
        board::main& b = screen();
        QTest::mouseClick(b.Team_Label(2), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), b.Command1(board::CommandBar::Start));
    }

    // ---- the race ----

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

    // ---- the winner celebration ----

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

    // ---- the command bar ----

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

QTEST_MAIN(BoardPlayTest)
#include "test_board_play.moc"
