// Score entry on the board: points and names typed into the entry box over a team's row, and what
// the mouse and keyboard do on the name buttons and bars. Driven through the real widgets.
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

class ScoreEntryTest : public testing::GuiTest {
    Q_OBJECT
private slots:
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
};

QTEST_MAIN(ScoreEntryTest)
#include "test_score_entry.moc"
