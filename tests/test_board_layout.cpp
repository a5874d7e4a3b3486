// The board screen as it opens: its definition, the layout for the window's size, and Set_Board.
#include "board_builders.h"
#include "game/module1.h"

#include <QApplication>
#include <QSet>
#include <QTest>
#include <QWindow>

using namespace testing::board_play;

class BoardLayoutTest : public testing::GuiTest {
    Q_OBJECT
private slots:

    void definitionBeforeLayout() {
        testing::unloadScreens();
        board::main& b = screen();
        b.window = platform::openWindow(Qt::Window);
        b.defineControls();
        QVERIFY(!b.Picture1->Visible());
        QVERIFY(!b.Frame1->Visible());
        QVERIFY(!b.Picture2->Visible());
        QVERIFY(!b.Text1->Visible());
        for (int i = 0; i < board::teamRows; ++i) {
            QVERIFY(!b.Team_CMD(i)->Visible());
            QVERIFY(!b.Team_Label(i)->Visible());
            QCOMPARE(b.Team_Label(i)->Width(), 210.0f);
        }
        QVERIFY(!b.Timer1->Enabled());
        QVERIFY(!b.Timer2->Enabled());
        QCOMPARE(b.Timer1->Interval(), 10);
        QCOMPARE(b.Frame1->Height(), 1035.0f);
        QCOMPARE(b.Image1->Width(), 15360.0f);
        QCOMPARE(b.Image1->Height(), 11520.0f);
        QCOMPARE(b.Image2->Width(), 1965.0f);
        QCOMPARE(b.Image2->Height(), 5400.0f);
        // The row colours run orange, green, yellow, blue, pink and back again.
        const QColor orange(255, 192, 128), pink(255, 128, 255);
        QCOMPARE(b.Team_Label(0)->BackColor(), orange);
        QCOMPARE(b.Team_CMD(9)->BackColor(), orange);
        QCOMPARE(b.Team_Label(4)->BackColor(), pink);
        QCOMPARE(b.Team_Label(5)->BackColor(), pink);
        // Score bars and read-outs are no tab stops, but a click still focuses them.
        QCOMPARE(b.Team_Label(3)->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(b.Text4->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(b.Text5->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(b.Team_CMD(3)->focusPolicy(), Qt::StrongFocus);
        // The publisher line shows the pointing hand, its hot spot at the fingertip.
        QCOMPARE(b.Label7->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(b.Label7->cursor().hotSpot(), QPoint(6, 0));
        QCOMPARE(b.Label7->cursor().pixmap().size(), QSize(32, 32));
        QCOMPARE(b.Picture1->cursor().shape(), Qt::ArrowCursor);
        // Every face of the command bar is there, in its designed size.
        for (int i = 0; i < 4; ++i)
            QCOMPARE(b.Command1(i)->Picture().size(), QSize(97, 33));
        QCOMPARE(b.Command1(board::CommandBar::End)->Picture().size(), QSize(34, 33));
        // The door's background shows through.
        QVERIFY(b.Command1(board::CommandBar::End)->Picture().hasAlphaChannel());
        b.Unload();
    }

    // Every control answers to its designed name, once: debug output and findChild tell them apart.
    void controlsAnswerToTheirDesignedNames() {
        board::main& b = screen();
        b.Show();
        const QStringList names = testing::controlNames(b.window.get());
        QCOMPARE(names.size(), 22 + 2 * board::teamRows + 5); // the single controls, two rows of ten, the bar
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        QVERIFY(!names.contains(QString()));
        QCOMPARE(b.window->objectName(), QStringLiteral("main"));
        QCOMPARE(b.window->findChild<QObject*>(QStringLiteral("Team_CMD(3)")), b.Team_CMD(3));
        QCOMPARE(b.window->findChild<QObject*>(QStringLiteral("Team_Label(9)")), b.Team_Label(9));
        QCOMPARE(b.window->findChild<QObject*>(QStringLiteral("Command1(4)")),
                 b.Command1(board::CommandBar::End));
        QCOMPARE(b.window->findChild<QObject*>(QStringLiteral("Label7")), b.Label7);
        QCOMPARE(b.window->findChild<QObject*>(QStringLiteral("Picture2")), b.Picture2);
        QCOMPARE(b.window->findChild<QObject*>(QStringLiteral("Timer1")), b.Timer1);
    }

    // 15360 x 11520 twips with a 1035-twip command bar and 4 teams.
    void rowsOfTheWorkedExample() {
        startTeams({250, 0, 500, 120}, 500, 50);
        QVERIFY(testing::showBoardSized(1024, 768));
        board::main& b = screen();
        QCOMPARE(b.Picture1->Height(), 11520.0f - 1035.0f);
        const float tops[] = {4303, 5571, 6839, 8107};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(b.Team_CMD(i)->Top(), tops[i]);
            QCOMPARE(b.Team_Label(i)->Top(), tops[i]);
            QCOMPARE(b.Team_CMD(i)->Left(), 120.0f);
            QCOMPARE(b.Team_Label(i)->Left(), 2745.0f);
            QVERIFY(b.Team_CMD(i)->Visible());
            QVERIFY(b.Team_Label(i)->Visible());
        }
        for (int i = 4; i < board::teamRows; ++i)
            QVERIFY(!b.Team_CMD(i)->Visible());
        // Bar_Room is 10615: 250 of 500 points is a bar 5307.5 twips wide, read back exactly.
        QCOMPARE(b.Team_Label(0)->Width(), 5307.5f);
        QCOMPARE(b.Team_Label(1)->Width(), 0.0f);
        QCOMPARE(b.Team_Label(2)->Width(), 10615.0f); // ends 2000 twips before the right edge
        QCOMPARE(b.Team_CMD(0)->Caption(), QStringLiteral("믿음"));
        QCOMPARE(b.Team_Label(3)->Text(), QStringLiteral("120"));
        QCOMPARE(b.Text4->Text(), QStringLiteral("500"));
        QCOMPARE(b.Text5->Text(), QStringLiteral("50"));
        QCOMPARE(b.Timer1->Interval(), 50);
        // The widgets stand where the twips put them, to a pixel: 2745 / 15 = 183, (2745 + 5307.5) / 15 =
        // 536.8.
        QCOMPARE(b.Team_Label(0)->geometry(), QRect(183, 287, 537 - 183, 31));
        QCOMPARE(b.Team_CMD(0)->geometry(), QRect(8, 287, 167, 31));
        QVERIFY(b.Picture1->Visible());
        QVERIFY(b.Frame1->Visible());
    }

    void commandBarOfTheWorkedExample() {
        startTeams({});
        QVERIFY(testing::showBoardSized(1024, 768));
        board::main& b = screen();
        QCOMPARE(b.Frame1->Width(), 15360.0f);
        // The sizable frame is not drawn, but it counts in the outer width: 60 twips a side.
        QCOMPARE(b.window->ScaleWidth(), 15360.0f);
        QCOMPARE(b.window->OuterWidth(), 15480.0f);
        QCOMPARE(b.window->frameGeometry(), b.window->geometry());
        QCOMPARE(b.Frame1->Top(), 11520.0f - 1035.0f);
        const float lefts[] = {120, 2529, 4938, 7347};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(b.Command1(i)->Left(), lefts[i]);
        QCOMPARE(b.Frame2->Left(), 9636.0f);
        QCOMPARE(b.Command1(board::CommandBar::End)->Left(), 14355.0f);
        // The publisher line's box is centred by the layout; its text stands at the box's left edge.
        QCOMPARE(b.Label7->Left(), (15360.0f - 5865.0f) / 2);
        QCOMPARE(b.Label7->alignment() & Qt::AlignHorizontal_Mask, Qt::Alignment(Qt::AlignLeft));
        QCOMPARE(b.Picture2->Left(), (15360.0f - 5535.0f) / 2);
        QVERIFY(!b.Picture2->Visible());
    }

    // The caption stays empty as designed; the task bar still names the program.
    void windowTitle() {
        startTeams({});
        QVERIFY(testing::showBoardSized(1024, 768));
        board::main& b = screen();
        QCOMPARE(b.window->windowTitle(), QString());
        QCOMPARE(b.window->windowHandle()->title(), QStringLiteral("NUV 점수판"));
    }

    // The board opens with the focus on its canvas; Tab then walks the command bar, the team buttons of
    // rows 0 to 4, the load button, the settings dialog when it is open, the arrows, the team buttons of
    // rows 5 to 9, and back to the canvas. Rows not in play, the entry box, the bars and the read-outs
    // are passed over.
    void tabOrder_data() {
        QTest::addColumn<int>("teams");
        QTest::addColumn<bool>("dialogOpen");
        QTest::newRow("3 teams") << 3 << false;
        QTest::newRow("6 teams") << 6 << false;
        QTest::newRow("10 teams") << 10 << false;
        QTest::newRow("7 teams, settings dialog open") << 7 << true;
    }
    void tabOrder() {
        QFETCH(int, teams);
        QFETCH(bool, dialogOpen);
        game::Module1& g = game::state();
        g.Team_Count = platform::Int16(teams);
        for (int i = 0; i < teams; ++i)
            g.Team_Name(i) = QString::number(i);
        g.Max_Score = 500;
        QVERIFY(testing::showBoardSized(1024, 768));
        board::main& b = screen();
        QVERIFY(QTest::qWaitForWindowActive(b.window.get()));
        QCOMPARE(QApplication::focusWidget(), b.Picture1);
        if (dialogOpen) {
            b.showSettingsDialog();
            b.Picture1->setFocus();
        }
        QList<QWidget*> expected{b.Command1(board::CommandBar::End), b.Command1(board::CommandBar::Winner),
                                 b.Command1(board::CommandBar::Save), b.Command1(board::CommandBar::Start)};
        for (int i = 0; i < std::min(teams, 5); ++i)
            expected << b.Team_CMD(i);
        expected << b.Command1(board::CommandBar::Back);
        if (dialogOpen)
            expected << b.Text2 << b.Text3 << b.Command2;
        expected << b.Command3 << b.Command4 << b.Command5 << b.Command6;
        for (int i = 5; i < teams; ++i)
            expected << b.Team_CMD(i);
        expected << b.Picture1;
        QList<QWidget*> walked;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << QApplication::focusWidget();
        }
        QCOMPARE(walked, expected);
    }

    void noTeamsShowsTheBackgroundOnly() {
        startTeams({});
        QVERIFY(testing::showBoardSized(1024, 768));
        board::main& b = screen();
        for (int i = 0; i < board::teamRows; ++i)
            QVERIFY(!b.Team_CMD(i)->Visible());
        // The lower part of the background is grass all the way.
        const QImage& canvas = b.Picture1->surface();
        QCOMPARE(canvas.pixelColor(canvas.width() / 2, canvas.height() - 3), QColor(57, 181, 74));
    }

    void maxScoreZeroKeepsEveryBarAsItWas() {
        startTeams({250, 0}, 0);
        QVERIFY(testing::showBoardSized(1024, 768));
        board::main& b = screen();
        // 250 / 0 and 0 / 0 both fail: the bars keep their designed width, the rest of the row is laid out.
        QCOMPARE(b.Team_Label(0)->Width(), 210.0f);
        QCOMPARE(b.Team_Label(1)->Width(), 210.0f);
        QCOMPARE(b.Team_Label(0)->Text(), QStringLiteral("250"));
        QVERIFY(b.Team_CMD(1)->Visible());
        QCOMPARE(b.Text4->Text(), QStringLiteral("0"));
    }

    // Rows without controls (a count above 10 from a board file) fail row by row; rows before them are whole.
    void countAboveTenLaysOutTheRowsThatExist() {
        startTeams({});
        game::Module1& g = game::state();
        g.Team_Count = 12;
        for (int i = 0; i < 11; ++i) {
            g.Team_Name(i) = QString::number(i);
            g.Team_Score(i) = 100;
        }
        QVERIFY(testing::showBoardSized(1920, 1080));
        board::main& b = screen();
        for (int i = 0; i < board::teamRows; ++i) {
            QVERIFY(b.Team_CMD(i)->Visible());
            QCOMPARE(b.Team_CMD(i)->Caption(), QString::number(i));
        }
    }

    void negativeWidthsAreEmptyBars() {
        startTeams({-100, 100}, 500);
        QVERIFY(testing::showBoardSized(1024, 768));
        QCOMPARE(screen().Team_Label(0)->Width(), 0.0f);
        QCOMPARE(screen().Team_Label(0)->Text(), QStringLiteral("-100"));
        game::state().Max_Score = -500;
        screen().Set_Board();
        QCOMPARE(screen().Team_Label(1)->Width(), 0.0f);
    }

    void resizingLaysOutAgain() {
        startTeams({250});
        QVERIFY(testing::showBoardSized(1024, 768));
        screen().window->resize(1920, 1080);
        QCoreApplication::processEvents();
        board::main& b = screen();
        QCOMPARE(b.Frame1->Width(), 28800.0f);
        QCOMPARE(b.Team_Label(0)->Width(), 250.0f / 500.0f * float(28800 - 2745 - 2000));
    }

    void loadingResetsPendingPointsAndCounters() {
        startTeams({0, 0});
        board::main& b = screen();
        b.Add_Score(0) = 40;
        b.Add_Score(1) = 7;
        b.Add_Score(5) = 9; // not in play: left alone
        b.Race_Left = 3;
        b.Flash_Left = 1;
        b.Winner = 1;
        QVERIFY(testing::showBoardSized(800, 600));
        QCOMPARE(b.Add_Score(0), 0);
        QCOMPARE(b.Add_Score(1), 0);
        QCOMPARE(b.Add_Score(5), 9);
        QCOMPARE(b.Race_Left, platform::Int16(30));
        QCOMPARE(b.Flash_Left, platform::Int16(5));
        QCOMPARE(b.Winner, platform::Int16(1)); // kept for the life of the program
    }
};

QTEST_MAIN(BoardLayoutTest)
#include "test_board_layout.moc"
