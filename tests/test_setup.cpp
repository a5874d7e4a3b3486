// The setup screen: its definition, choosing teams and starting the board, renaming teams, and the saved
// boards, driven through the real widgets.
#include "board/main.h"
#include "game/board_file.h"
#include "game/module1.h"
#include "platform/program.h"
#include "setup/FRMlogo.h"
#include "support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTest>
#include <QWindow>

using platform::Int16;
using testing::flushDeletes;
using testing::putBoard;
using testing::u;

namespace {

setup::FRMlogo& screen() {
    return setup::FRMlogo::instance();
}

const QStringList startCaptions{u("믿음"), u("소망"), u("사랑"), u("은혜"), u("말씀"),
                                u("온유"), u("지혜"), u("진리"), u("화평"), u("평안")};

setup::FRMlogo& showScreen() {
    setup::FRMlogo& s = screen();
    s.Show();
    if (!QTest::qWaitForWindowActive(s.window.get()))
        qWarning("the setup screen did not become active");
    return s;
}

// Clicks the tick square of a box (its caption may lie under the name editor).
void tick(int box) {
    QTest::mouseClick(screen().Team(box), Qt::LeftButton, {}, QPoint(7, screen().Team(box)->height() / 2));
}

void press(int command) {
    QTest::mouseClick(screen().Cmd(command), Qt::LeftButton);
}

void type(const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, screen().Text1, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void enter() {
    QTest::keyClick(screen().Text1, Qt::Key_Return);
}

QStringList captions() {
    QStringList list;
    for (int i = 0; i < setup::teamBoxes; ++i)
        list << screen().Team(i)->Caption();
    return list;
}

QList<int> values() {
    QList<int> list;
    for (int i = 0; i < setup::teamBoxes; ++i)
        list << screen().Team(i)->Value();
    return list;
}

QStringList teamsInPlay() {
    QStringList list;
    const game::Module1& g = game::state();
    for (int i = 0; i < g.Team_Count; ++i)
        list << g.Team_Name(i) + u':' + QString::number(g.Team_Score(i));
    return list;
}

// A board file of `count` teams named t0, t1, ... with scores 10, 11, ...
QByteArray boardOf(int count, int max = 700, int speed = 40) {
    QByteArray bytes =
        QByteArray::number(count) + ';' + QByteArray::number(max) + ';' + QByteArray::number(speed) + "\r\n";
    for (int i = 0; i < count; ++i)
        bytes += 't' + QByteArray::number(i) + ';' + QByteArray::number(10 + i) + "\r\n";
    return bytes + "\r\n";
}

void choose(const QString& entry) {
    const auto found = screen().List1->findItems(entry, Qt::MatchExactly);
    if (found.size() != 1)
        qFatal("the board \"%s\" is not listed once", qPrintable(entry));
    const QRect at = screen().List1->visualItemRect(found.first());
    QTest::mouseClick(screen().List1->viewport(), Qt::LeftButton, {}, at.center());
}

QStringList listed() {
    QStringList list;
    for (int i = 0; i < screen().List1->ListCount(); ++i)
        list << screen().List1->List(i);
    return list;
}

} // namespace

class SetupTest : public testing::GuiTest {
    Q_OBJECT
private slots:
    // ---- definition ----

    void window() {
        setup::FRMlogo& s = showScreen();
        platform::FormWindow* w = s.window.get();
        QCOMPARE(w->windowTitle(), u("NUV 점수판"));
        QCOMPARE(w->windowHandle()->title(), u("NUV 점수판"));
        QCOMPARE(w->size(), QSize(396, 339));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        const Qt::WindowFlags flags = w->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(w->windowType(), Qt::Tool); // no task-bar entry
        QCOMPARE(w->palette().color(QPalette::Window), QColor(0, 0, 255));
        const QRect screenArea = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint offCentre = w->frameGeometry().center() - screenArea.center();
        QVERIFY2(offCentre.manhattanLength() <= 16,
                 qPrintable(QStringLiteral("%1 %2").arg(offCentre.x()).arg(offCentre.y())));
        QVERIFY(!w->windowIcon().isNull());
    }

    void controlsAsDesigned() {
        setup::FRMlogo& s = showScreen();
        QCOMPARE(captions(), startCaptions);
        QCOMPARE(values(), QList<int>(10, 0));
        QStringList buttons;
        for (int i = 0; i < 4; ++i)
            buttons << s.Cmd(i)->Caption();
        QCOMPARE(buttons, (QStringList{u("시작"), u("불러오기"), u("닫기"), u("삭제")}));
        QVERIFY(!s.Cmd(setup::CmdButton::Delete)->isEnabled());
        QVERIFY(!s.List1->isVisible());
        QVERIFY(!s.Text1->isVisible());
        // The longest name the editor takes is the longest a board file gives.
        QCOMPARE(s.Text1->maxLength(), game::longestTeamName);
        QCOMPARE(s.Frame1->title(), u("팀설정"));
        // In pixels, 15 twips to a pixel: the frame, box 4 (after a 270-twip step), the editor, a button.
        QCOMPARE(s.Frame1->geometry(), QRect(10, 8, 241, 225));
        QCOMPARE(s.Team(4)->geometry(), QRect(20, 100, 199, 19));
        QCOMPARE(s.Team(9)->geometry().top(), 196);
        QCOMPARE(s.Text1->geometry(), QRect(36, 22, 197, 20));
        QCOMPARE(s.List1->geometry(), QRect(8, 20, 225, 196));
        QCOMPARE(s.Cmd(setup::CmdButton::Delete)->geometry(), QRect(260, 88, 129, 35));
        QCOMPARE(s.Shape1->geometry(), QRect(0, 254, 396, 85));
        // The list covers the editor, which covers the boxes; the buttons lie over the frame.
        QWidget* atBox0 = s.Frame1->childAt(s.Text1->geometry().center());
        QCOMPARE(atBox0, s.Team(0));
        s.List1->show();
        QWidget* atBox5 = s.Frame1->childAt(s.Team(5)->geometry().center());
        QVERIFY(atBox5 == s.List1 || s.List1->isAncestorOf(atBox5));
    }

    // Every control answers to its designed name, once: debug output and findChild tell them apart.
    void controlsAnswerToTheirDesignedNames() {
        setup::FRMlogo& s = showScreen();
        const QStringList names = testing::controlNames(s.window.get());
        QCOMPARE(names.size(), 8 + 4 + setup::teamBoxes); // the single controls, Cmd, Team
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        QVERIFY(!names.contains(QString()));
        QCOMPARE(s.window->objectName(), QStringLiteral("FRMlogo"));
        QCOMPARE(s.window->findChild<QObject*>(QStringLiteral("Cmd(3)")), s.Cmd(setup::CmdButton::Delete));
        QCOMPARE(s.window->findChild<QObject*>(QStringLiteral("Team(7)")), s.Team(7));
        QCOMPARE(s.window->findChild<QObject*>(QStringLiteral("List1")), s.List1);
        QCOMPARE(s.window->findChild<QObject*>(QStringLiteral("Shape1")), s.Shape1);
    }

    // Focus starts on "시작"; Tab walks load, close, the ten boxes and back, past everything hidden or
    // disabled (the list, the editor, the delete button) and past what never takes the focus.
    void tabOrder() {
        setup::FRMlogo& s = showScreen();
        QCOMPARE(QApplication::focusWidget(), s.Cmd(setup::CmdButton::Start));
        QList<QWidget*> expected{s.Cmd(setup::CmdButton::Load), s.Cmd(setup::CmdButton::Close)};
        for (int i = 0; i < setup::teamBoxes; ++i)
            expected << s.Team(i);
        expected << s.Cmd(setup::CmdButton::Start);
        QList<QWidget*> walked;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << QApplication::focusWidget();
        }
        QCOMPARE(walked, expected);
    }

    // ---- choosing teams and starting ----

    void start_data() {
        QTest::addColumn<QList<int>>("ticks"); // boxes clicked, in that order
        QTest::addColumn<QStringList>("teams");
        QTest::newRow("2nd, 5th and 9th into slots 0 to 2")
            << QList<int>{1, 4, 8} << QStringList{u("소망:0"), u("말씀:0"), u("화평:0")};
        QTest::newRow("box order, not click order")
            << QList<int>{8, 1, 4} << QStringList{u("소망:0"), u("말씀:0"), u("화평:0")};
        QTest::newRow("only box 7") << QList<int>{7} << QStringList{u("진리:0")};
        QTest::newRow("ticked and unticked again is not chosen")
            << QList<int>{0, 3, 0} << QStringList{u("은혜:0")};
        QStringList allTen;
        for (const QString& caption : startCaptions)
            allTen << caption + u(":0");
        QTest::newRow("all ten") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9} << allTen;
    }
    void start() {
        QFETCH(QList<int>, ticks);
        QFETCH(QStringList, teams);
        game::Module1& g = game::state();
        g.Team_Name(9) = u("old");
        g.Team_Score(9) = 77;
        g.Save_Name = u("kept");
        showScreen();
        for (const int box : ticks) {
            tick(box);
            if (screen().Text1->isVisible())
                enter(); // closes the name editor the tick opened, leaving the caption as it was
        }
        press(setup::CmdButton::Start);
        QCOMPARE(teamsInPlay(), teams);
        QCOMPARE(g.Max_Score, 500);
        QCOMPARE(g.Run_Speed, 50);
        QCOMPARE(g.Save_Name, u("kept"));
        if (teams.size() < 10)
            QCOMPARE(g.Team_Name(9) + QString::number(g.Team_Score(9)), u("old77"));
        QVERIFY(board::main::instance().isLoaded());
        QVERIFY(!screen().isLoaded());
        flushDeletes();
    }

    // Nothing ticked and no board loaded: the start does nothing at all, also after coming back from a
    // board whose teams are still in the game state.
    void startWithNothingTicked() {
        game::Module1& g = game::state();
        g.Team_Count = 2;
        g.Team_Name(0) = u("a");
        g.Max_Score = 900;
        showScreen();
        press(setup::CmdButton::Start);
        QVERIFY(screen().isLoaded());
        QVERIFY(!board::main::instance().isLoaded());
        QVERIFY(!screen().Team_Ready);
        QCOMPARE(g.Team_Count, 2);
        QCOMPARE(g.Max_Score, 900);
        QCOMPARE(env->dialogs.messages, QStringList{});
    }

    void closeEndsTheProgram() {
        showScreen();
        press(setup::CmdButton::Close);
        QCOMPARE(env->programEnded, 1);
        screen().window->close(); // the title bar's close button
        QCOMPARE(env->programEnded, 2);
    }

    // A fresh screen each time it is shown: start-up captions, the flags cleared.
    void shownAgainAfterTheBoard() {
        showScreen();
        tick(2);
        type(u("새이름"));
        enter();
        press(setup::CmdButton::Start);
        flushDeletes();
        QCOMPARE(game::state().Team_Name(0), u("사랑새이름"));
        showScreen();
        QCOMPARE(captions(), startCaptions);
        QCOMPARE(values(), QList<int>(10, 0));
        QVERIFY(!screen().Team_Ready && !screen().Data_Loaded && !screen().Load_Busy);
    }

    void resetCaptions() {
        game::Module1& g = game::state();
        g.Team_Name(3) = u("x");
        g.Team_Score(3) = 5;
        g.Team_Name(10) = u("slot 10");
        g.Team_Count = 4;
        showScreen();
        tick(6);
        screen().Reset_Team();
        QCOMPARE(captions(), (QStringList{u("믿음"), u("소망"), u("사랑"), u("평안"), u("은혜"), u("온유"),
                                          u("지혜"), u("진리"), u("화평"), u("평안")}));
        QCOMPARE(values(), QList<int>(10, 0));
        QCOMPARE(g.Team_Name(3), QString());
        QCOMPARE(g.Team_Score(3), 0);
        QCOMPARE(g.Team_Name(10), u("slot 10"));
        QCOMPARE(g.Team_Count, 4);
    }

    // Only boxes 0 to 9 exist: a count beyond them shows ten boxes, one below 0 none.
    void setTeam_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("greyed");
        QTest::newRow("3") << 3 << 3;
        QTest::newRow("10") << 10 << 10;
        QTest::newRow("12") << 12 << 10;
        QTest::newRow("32767") << 32767 << 10;
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("-1") << -1 << 0;
    }
    void setTeam() {
        QFETCH(int, count);
        QFETCH(int, greyed);
        game::Module1& g = game::state();
        g.Team_Count = static_cast<Int16>(count);
        for (int i = 0; i < game::teamSlots; ++i)
            g.Team_Name(i) = QStringLiteral("s%1").arg(i);
        showScreen();
        screen().Set_Team();
        for (int i = 0; i < setup::teamBoxes; ++i) {
            QCOMPARE(screen().Team(i)->Value(), i < greyed ? 2 : 0);
            QCOMPARE(screen().Team(i)->Caption(),
                     i < greyed ? QStringLiteral("s%1").arg(i) : startCaptions[i]);
        }
        QVERIFY(!screen().Text1->isVisible());
    }

    // A greyed box shows the tick of a ticked box, in grey on a grey square, not a part-filled square.
    void greyedTick() {
        setup::FRMlogo& s = showScreen();
        s.Load_Busy = true; // no name editor for the tick
        platform::CheckBox* box = s.Team(0);
        const auto drawn = [&](int value) {
            box->setValue(value);
            return box->grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        const QImage empty = drawn(0), ticked = drawn(1), greyed = drawn(2);
        // The tick: where the ticked box is dark and the empty one is not.
        int tick = 0, greyTick = 0, greySquare = 0;
        double tickLightness = 0;
        for (int y = 0; y < empty.height(); ++y)
            for (int x = 0; x < empty.width(); ++x) {
                const QRgb g = greyed.pixel(x, y);
                greySquare += g == platform::CheckBox::greyedSquare;
                if (ticked.pixel(x, y) == empty.pixel(x, y) || qGray(ticked.pixel(x, y)) >= 100)
                    continue;
                ++tick;
                tickLightness += qGray(g);
                greyTick += qGray(g) >= 90 && qGray(g) <= 170 && std::abs(qRed(g) - qBlue(g)) < 12;
            }
        QVERIFY(tick > 10);
        QVERIFY2(greyTick >= 0.8 * tick, qPrintable(QStringLiteral("%1 of %2").arg(greyTick).arg(tick)));
        // The tick stands out from its grey square (a part-filled square would be one grey).
        QVERIFY(greySquare > 20);
        QVERIFY(tickLightness / tick < qGray(platform::CheckBox::greyedSquare) - 40);
    }

    // ---- renaming ----

    void tickOpensTheEditorOverTheCaption() {
        setup::FRMlogo& s = showScreen();
        tick(4);
        QVERIFY(s.Text1->isVisible());
        QCOMPARE(s.Text1->Top(), s.Team(4)->Top());
        QCOMPARE(s.Text1->Left(), 540.0f);
        QCOMPARE(s.Text1->Text(), u("말씀"));
        QCOMPARE(s.Edit_Index, 4);
        QCOMPARE(QApplication::focusWidget(), s.Text1);
        // The tick square stays uncovered: a click there reaches the box, not the editor.
        QCOMPARE(s.Frame1->childAt(s.Team(4)->geometry().topLeft() + QPoint(7, 9)), s.Team(4));
        QVERIFY(s.Text1->geometry().left() > s.Team(4)->geometry().left() + 14);
        type(u("은총"));
        enter();
        QVERIFY(!s.Text1->isVisible());
        QCOMPARE(s.Team(4)->Caption(), u("말씀은총"));
        QCOMPARE(s.Team(4)->Value(), 1);
    }

    void renaming_data() {
        QTest::addColumn<QString>("steps"); // t<box> ticks a box, :<text> types, e is Enter, clear empties
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<bool>("editorOpen");
        QTest::newRow("Enter at once changes nothing") << u("t2 e") << startCaptions << false;
        QTest::newRow("ticking another box drops what was typed") << u("t2 :새 t5") << startCaptions << true;
        QStringList emptied = startCaptions;
        emptied[2] = QString();
        QTest::newRow("Enter on an empty editor empties the caption") << u("t2 clear e") << emptied << false;
        QStringList unticked = startCaptions;
        unticked[3] = u("은혜!");
        QTest::newRow("unticking leaves the editor open; Enter still writes")
            << u("t3 :! t3 e") << unticked << false;
    }
    void renaming() {
        QFETCH(QString, steps);
        QFETCH(QStringList, captions);
        QFETCH(bool, editorOpen);
        setup::FRMlogo& s = showScreen();
        for (const QString& step : steps.split(u' ')) {
            if (step == u("e"))
                enter();
            else if (step == u("clear"))
                s.Text1->clear();
            else if (step.startsWith(u't'))
                tick(step.mid(1).toInt());
            else
                type(step.mid(1));
        }
        QCOMPARE(::captions(), captions);
        QCOMPARE(s.Text1->isVisible(), editorOpen);
        if (editorOpen)
            QCOMPARE(s.Text1->Text(), s.Team(s.Edit_Index)->Caption());
    }

    // Enter presses the focused button, as Space does: the screen opens with the focus on "시작".
    void enterPressesTheFocusedButton_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Enter of the number pad") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void enterPressesTheFocusedButton() {
        QFETCH(int, key);
        setup::FRMlogo& s = showScreen();
        tick(2);
        enter();
        // The editor hides and the focus passes on to box 0, where Enter does nothing.
        QCOMPARE(QApplication::focusWidget(), s.Team(0));
        QTest::keyClick(s.Team(0), Qt::Key_Return);
        QVERIFY(s.isLoaded());
        QCOMPARE(values(), (QList<int>{0, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
        s.Cmd(setup::CmdButton::Start)->setFocus();
        QTest::keyClick(s.Cmd(setup::CmdButton::Start), Qt::Key(key));
        QVERIFY(board::main::instance().isLoaded());
        QCOMPARE(teamsInPlay(), QStringList{u("사랑:0")});
        flushDeletes();
    }

    // An empty caption ticked at the start is a team named "".
    void emptyNameStarts() {
        setup::FRMlogo& s = showScreen();
        tick(1);
        s.Text1->clear();
        enter();
        press(setup::CmdButton::Start);
        QCOMPARE(teamsInPlay(), QStringList{u(":0")});
        flushDeletes();
    }

    // ---- saved boards ----

    void chooseABoard() {
        putBoard(u("셋"), QByteArray("3;700;40\r\n\xB9\xCF\xC0\xBD;120\r\nb;-5\r\nc;0\r\n\r\n"));
        setup::FRMlogo& s = showScreen();
        tick(7); // ticked before the load, renamed: neither counts afterwards
        type(u("X"));
        enter();
        press(setup::CmdButton::Load);
        QCOMPARE(listed(), QStringList{u("셋")});
        QVERIFY(s.List1->isVisible());
        choose(u("셋"));
        QCOMPARE(values(), (QList<int>{2, 2, 2, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(captions(), (QStringList{u("믿음"), u("b"), u("c"), u("평안"), u("은혜"), u("온유"),
                                          u("지혜"), u("진리X"), u("화평"), u("평안")}));
        QVERIFY(!s.List1->isVisible());
        QVERIFY(!s.Text1->isVisible()); // the boxes' clicks during the load kept the editor shut
        QVERIFY(s.Cmd(setup::CmdButton::Delete)->isEnabled());
        QVERIFY(s.Team_Ready && s.Data_Loaded && !s.Load_Busy);
        QCOMPARE(game::state().Save_Name, u("셋"));

        tick(5); // a box ticked after the load opens the editor, but does not join the board
        type(u("Y"));
        enter();
        press(setup::CmdButton::Start);
        QCOMPARE(teamsInPlay(), (QStringList{u("믿음:120"), u("b:-5"), u("c:0")}));
        QCOMPARE(game::state().Max_Score, 700);
        QCOMPARE(game::state().Run_Speed, 40);
        QVERIFY(board::main::instance().isLoaded());
        flushDeletes();
    }

    void threeTeamsAfterEight() {
        putBoard(u("eight"), boardOf(8));
        putBoard(u("three"), boardOf(3));
        showScreen();
        press(setup::CmdButton::Load);
        choose(u("eight"));
        press(setup::CmdButton::Load);
        choose(u("three"));
        QCOMPARE(values(), (QList<int>{2, 2, 2, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(captions(), (QStringList{u("t0"), u("t1"), u("t2"), u("평안"), u("은혜"), u("t5"), u("t6"),
                                          u("t7"), u("화평"), u("평안")}));
        QCOMPARE(game::state().Team_Count, 3);
        QCOMPARE(game::state().Team_Name(5), QString());
        QCOMPARE(game::state().Save_Name, u("three"));
    }

    // A board file that can't be read leaves the count it had; its boxes grey with empty names.
    void chooseABoardWhoseFileIsGone() {
        putBoard(u("x.scr"), boardOf(2)); // listed as "x", which names x.scr: not there
        game::state().Team_Count = 2;
        showScreen();
        press(setup::CmdButton::Load);
        QCOMPARE(listed(), QStringList{u("x")});
        choose(u("x"));
        QCOMPARE(values(), (QList<int>{2, 2, 0, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(captions().mid(0, 3), (QStringList{QString(), QString(), u("사랑")}));
        QVERIFY(screen().Cmd(setup::CmdButton::Delete)->isEnabled());
    }

    void deleteWhileTheListIsShown() {
        putBoard(u("a"), boardOf(2));
        putBoard(u("b"), boardOf(4));
        setup::FRMlogo& s = showScreen();
        press(setup::CmdButton::Load);
        choose(u("b"));
        press(setup::CmdButton::Load);
        QVERIFY(s.List1->isVisible());
        press(setup::CmdButton::Delete);
        QVERIFY(!QFile::exists(platform::programFile(u("b.scr"))));
        QVERIFY(s.List1->isVisible());
        QCOMPARE(s.List1->ListCount(), 0);
        QCOMPARE(values(), QList<int>(10, 0));
        QVERIFY(!s.Cmd(setup::CmdButton::Delete)->isEnabled());
        QVERIFY(!s.Team_Ready && !s.Data_Loaded && !s.Load_Busy);
        QCOMPARE(game::state().Save_Name, QString());
        QCOMPARE(game::state().Team_Count, 4); // the deleted board's; the next start sets it afresh
        QCOMPARE(env->dialogs.messages, QStringList{});
        press(setup::CmdButton::Load);
        QCOMPARE(listed(), QStringList{u("a")});
        // After the deletion a start needs a ticked box again.
        press(setup::CmdButton::Start);
        QVERIFY(s.isLoaded());
        QVERIFY(!board::main::instance().isLoaded());
    }

    // The board with the empty name, ".scr", is an empty entry that loads and deletes like any other.
    void theEmptyNamedBoard() {
        putBoard(QString(), boardOf(2));
        setup::FRMlogo& s = showScreen();
        press(setup::CmdButton::Load);
        QCOMPARE(listed(), QStringList{QString()});
        choose(QString());
        QCOMPARE(values().mid(0, 3), (QList<int>{2, 2, 0}));
        QCOMPARE(game::state().Team_Name(1), u("t1"));
        QCOMPARE(game::state().Save_Name, QString());
        press(setup::CmdButton::Delete);
        QVERIFY(!QFile::exists(platform::programFile(u(".scr"))));
        QVERIFY(!s.Cmd(setup::CmdButton::Delete)->isEnabled());
        QCOMPARE(env->dialogs.messages, QStringList{});
    }

    void keyboardChoosesToo() {
        putBoard(u("k"), boardOf(1));
        putBoard(u("m"), boardOf(3));
        setup::FRMlogo& s = showScreen();
        press(setup::CmdButton::Load);
        s.List1->setFocus();
        const int first = s.List1->currentRow() < 0 ? 0 : 1;
        QTest::keyClick(s.List1, Qt::Key_Down);
        QCOMPARE(game::state().Save_Name, s.List1->List(first));
        QVERIFY(!s.List1->isVisible());
    }
};

QTEST_MAIN(SetupTest)
#include "test_setup.moc"
