// The kept game: its bytes, the game kept while the board is played through the real screens, the
// question at the next start answered yes and no, and keeping that fails without stopping play.
#include "board/main.h"
#include "game/keeper.h"
#include "game/kept_game.h"
#include "game/module1.h"
#include "platform/program.h"
#include "setup/FRMlogo.h"
#include "setup/kept_game.h"
#include "support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>

using platform::Int16;

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

const QString question = u("|저장하지 않은 경기가 있습니다.\n이어서 하시겠습니까?");
const QString completed = u("|저장이 완료되었습니다.");

setup::FRMlogo& setupScreen() {
    return setup::FRMlogo::instance();
}

board::main& theBoard() {
    return board::main::instance();
}

QString keptPath() {
    return platform::programFile(QString::fromLatin1(game::keptGameFileName));
}

// The kept game's identity once written: every write puts a new file in place of the old one.
ino_t keptInode() {
    game::Keeper::waitUntilKept();
    const QString path = keptPath();
    struct stat info {};
    return stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// The setup screen as the program starts: shown, then the question.
void programStarts() {
    setupScreen().Show();
    setup::offerKeptGame();
}

// Everything the last run held in memory is gone, as after a kill: the screens, the game state, the
// board's working fields, the keeper. Only the program folder remains.
void killed() {
    testing::unloadScreens();
    game::state() = game::Module1{};
    game::keeper() = game::Keeper{};
    board::main& b = theBoard();
    b.Add_Score.fill(0);
    b.Edit_Mode.clear();
    b.Edit_Team = b.Winner = b.Tick = 0;
}

// Ticks the boxes (closing the name editor each tick opens) and starts the board.
void startBoard(const QList<int>& boxes) {
    setup::FRMlogo& s = setupScreen();
    s.Show();
    for (const int box : boxes) {
        QTest::mouseClick(s.Team(box), Qt::LeftButton, {}, QPoint(7, s.Team(box)->height() / 2));
        QTest::keyClick(s.Text1, Qt::Key_Return);
    }
    QTest::mouseClick(s.Cmd(setup::CmdButton::Start), Qt::LeftButton);
    QVERIFY(theBoard().isLoaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Commits text in the entry box opened by a press on team `row`'s button: points (left) or a name (right).
void entry(int row, const QString& text, Qt::MouseButton button = Qt::LeftButton) {
    board::main& b = theBoard();
    QTest::mouseClick(b.Team_CMD(row), button);
    b.Text1->setText(text);
    QTest::keyClick(b.Text1, Qt::Key_Return);
}

void applySettings(const QString& speed, const QString& maxScore) {
    board::main& b = theBoard();
    QTest::keyClick(b.window.get(), Qt::Key_F2);
    b.Text2->setText(speed);
    b.Text3->setText(maxScore);
    QTest::mouseClick(b.Command2, Qt::LeftButton);
}

void click(platform::CommandButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

QList<int> boxValues() {
    QList<int> values;
    for (int i = 0; i < setup::teamBoxes; ++i)
        values << setupScreen().Team(i)->Value();
    return values;
}

QStringList shownScores() {
    QStringList scores;
    for (int i = 0; i < game::state().Team_Count; ++i)
        scores << theBoard().Team_CMD(i)->Caption() + u':' + theBoard().Team_Label(i)->Text() + u'+' +
                      QString::number(theBoard().Add_Score(i));
    return scores;
}

game::KeptGame someGame() {
    game::KeptGame kept;
    game::Module1& g = kept.state;
    g.Team_Count = 3;
    g.Max_Score = 700;
    g.Run_Speed = 40;
    g.Save_Name = u("저녁; 2부\r\n");
    const QStringList names{u("믿음"), u("소망"), u("a；b")};
    const QList<int> scores{120, 2147483647, -3};
    for (int i = 0; i < 3; ++i) {
        g.Team_Name(i) = names[i];
        g.Team_Score(i) = scores[i];
    }
    kept.pending(0) = 25;
    kept.pending(1) = 10; // beyond 32 bits counted in: kept apart, it is kept all the same
    kept.pending(2) = -5;
    kept.unsaved = true;
    return kept;
}

} // namespace

class KeptGameTest : public testing::GuiTest {
    Q_OBJECT
private slots:

    // ---- the bytes ----

    void bytes() {
        const game::KeptGame kept = someGame();
        const QByteArray bytes = game::writeKeptGame(kept);
        QCOMPARE(bytes,
                 QByteArray("scoreboard kept game 1\r\nunsaved;1\r\n"
                            "board;%EC%A0%80%EB%85%81%3B%202%EB%B6%80%0D%0A\r\npending;25;10;-5\r\n\r\n"
                            "3;700;40\r\n\xB9\xCF\xC0\xBD;120\r\n\xBC\xD2\xB8\xC1;2147483647\r\n"
                            "a\xA3\xBB"
                            "b;-3\r\n\r\n"));
        const std::optional<game::KeptGame> read = game::readKeptGame(bytes);
        QVERIFY(read);
        QVERIFY(game::sameBoard(read->state, kept.state));
        for (int i = 0; i < game::teamSlots; ++i)
            QCOMPARE(read->pending(i), kept.pending(i));
        QVERIFY(read->unsaved);
    }

    void notAKeptGame_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("a board file") << QByteArray("3;500;50\r\na;1\r\nb;2\r\nc;3\r\n\r\n");
        QTest::newRow("cut short before its board") << QByteArray("scoreboard kept game 1\r\nunsaved;1\r\n");
    }
    void notAKeptGame() {
        QFETCH(QByteArray, bytes);
        QVERIFY(!game::readKeptGame(bytes));
    }

    // ---- kept through the real screens, continued at the next start ----

    // A board started, set up, given points and saved under a name; then raced, given more points and a
    // new team name, and the program killed before a save. The next start asks.
    void keptAndContinued_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("예") << true;
        QTest::newRow("아니요") << false;
    }
    void keptAndContinued() {
        QFETCH(bool, yes);
        startBoard({0, 1, 2});
        board::main& b = theBoard();
        applySettings(u("30000"), u("500")); // the race ticks by hand
        entry(0, u("100"));
        entry(1, u("30"));
        env->dialogs.answers = {u("저녁")};
        click(b.Command1(board::CommandBar::Save));
        click(b.Command1(board::CommandBar::Start));
        const ino_t beforeTheRace = keptInode();
        for (int i = 0; i < 180; ++i)
            b.Timer1_Timer();
        QCOMPARE(keptInode(), beforeTheRace); // never written on a race tick
        b.Timer1_Timer();
        QVERIFY(keptInode() != beforeTheRace); // but at the race's end
        entry(0, u("25"));
        entry(2, u("-5"));
        entry(1, u("새소망"), Qt::RightButton);
        killed();

        env->dialogs.yesNo = {yes};
        programStarts();
        QCOMPARE(env->dialogs.questions, QStringList{question});
        setup::FRMlogo& s = setupScreen();
        if (!yes) {
            QVERIFY(!QFile::exists(keptPath()));
            QCOMPARE(boxValues(), QList<int>(10, 0));
            QCOMPARE(game::state().Team_Count, 0);
            killed();
            programStarts();
            QCOMPARE(env->dialogs.questions.size(), 1); // never again for that game
            return;
        }
        QCOMPARE(boxValues(), (QList<int>{2, 2, 2, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(s.Team(1)->Caption(), u("새소망"));
        QVERIFY(!s.Cmd(setup::CmdButton::Delete)->isEnabled());
        click(s.Cmd(setup::CmdButton::Load));
        QCOMPARE(s.List1->ListCount(), 1); // the saved board, not the kept game
        QCOMPARE(s.List1->List(0), u("저녁"));
        s.List1->hide();

        click(s.Cmd(setup::CmdButton::Start));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(shownScores(), (QStringList{u("믿음:100+25"), u("새소망:30+0"), u("사랑:0+-5")}));
        QCOMPARE(b.Text5->Text(), u("30000"));

        // Killed again now: the game continued is still unsaved.
        QVERIFY(game::keeper().unsavedGame());
        click(b.Command1(board::CommandBar::Save));
        // Saved under the board's name without asking: the one prompt was the first run's.
        QCOMPARE(env->dialogs.prompts, QStringList{u("데이타 저장|저장할 이름을 넣으세요|")});
        QCOMPARE(env->dialogs.messages, (QStringList{completed, completed}));
        QCOMPARE(contents(platform::programFile(u("저녁.scr"))),
                 QByteArray("3;500;30000\r\n\xB9\xCF\xC0\xBD;125\r\n\xBB\xF5\xBC\xD2\xB8\xC1;30\r\n"
                            "\xBB\xE7\xB6\xFB;-5\r\n\r\n"));
        QCOMPARE(QDir(env->folder()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{u(".kept-game"), u("저녁.scr")}));

        killed();
        programStarts();
        QCOMPARE(env->dialogs.questions.size(), 1); // nothing to ask after a save
        QCOMPARE(boxValues(), QList<int>(10, 0));
    }

    // What a run leaves to ask about: only changes to the board since it was started, loaded or saved.
    void askedOnlyAfterUnsavedChanges_data() {
        QTest::addColumn<QString>("run"); // s start, p points, x an entry that adds nothing, v save,
                                          // a the speed arrow, l a saved board loaded and started
        QTest::addColumn<bool>("asked");
        QTest::newRow("no board") << "" << false;
        QTest::newRow("started only") << "s" << false;
        QTest::newRow("points") << "s p" << true;
        QTest::newRow("an entry that adds nothing") << "s x" << false;
        QTest::newRow("points, then saved") << "s p v" << false;
        QTest::newRow("saved, then the speed arrow") << "s v a" << true;
        QTest::newRow("a saved board loaded, started and left alone") << "l" << false;
    }
    void askedOnlyAfterUnsavedChanges() {
        QFETCH(QString, run);
        QFETCH(bool, asked);
        env->dialogs.answers = {u("b")};
        for (const QString& step : run.split(u' ', Qt::SkipEmptyParts)) {
            if (step == u("s")) {
                startBoard({3});
            } else if (step == u("p")) {
                entry(0, u("7"));
            } else if (step == u("x")) {
                entry(0, u("abc"));
            } else if (step == u("v")) {
                click(theBoard().Command1(board::CommandBar::Save));
            } else if (step == u("a")) {
                click(theBoard().Command5);
            } else {
                QFile file(platform::programFile(u("old.scr")));
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write("1;500;50\r\nt;5\r\n\r\n");
                file.close();
                setupScreen().Show();
                click(setupScreen().Cmd(setup::CmdButton::Load));
                setupScreen().List1->setCurrentRow(0);
                click(setupScreen().Cmd(setup::CmdButton::Start));
            }
        }
        killed();
        programStarts();
        QCOMPARE(env->dialogs.questions.size(), asked ? 1 : 0);
    }

    // The program ends while the question is open (an end signal): the game stays for the next start.
    void aQuestionLeftUnansweredKeepsTheGame() {
        startBoard({0});
        entry(0, u("3"));
        killed();
        env->dialogs.yesNo = {std::nullopt};
        programStarts();
        QCOMPARE(boxValues(), QList<int>(10, 0));
        killed();
        programStarts();
        QCOMPARE(env->dialogs.questions, (QStringList{question, question}));
    }

    // The real question: "예" the default (Enter), "아니요" on Escape, and its closing never taken for the
    // last window's closing, which would end the program over the setup screen (a tool window).
    void theRealQuestion_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("yes");
        QTest::newRow("Enter") << int(Qt::Key_Return) << true;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << false;
    }
    void theRealQuestion() {
        QFETCH(int, key);
        QFETCH(bool, yes);
        platform::Dialogs::install(nullptr);
        QStringList buttons;
        QString title;
        // Asked on the program's event loop, as at start; the loop ends only when the test ends it.
        QTimer stuck;
        QObject::connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(2); });
        stuck.start(10000);
        std::optional<bool> answer;
        QTimer::singleShot(0, [&] {
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box) {
                    QCoreApplication::exit(1);
                    return;
                }
                title = box->windowTitle();
                for (QAbstractButton* button : box->buttons())
                    buttons << button->text();
                QTest::keyClick(box, Qt::Key(key));
            });
            answer = platform::Dialogs::current().AskYesNo(question.mid(1));
            QTimer::singleShot(100, [] { QCoreApplication::exit(7); });
        });
        QCOMPARE(QApplication::exec(), 7);
        QCOMPARE(answer, std::optional<bool>(yes));
        QCOMPARE(title, u("NUV 점수판"));
        buttons.sort();
        QCOMPARE(buttons, (QStringList{u("아니요"), u("예")}));
    }

    // ---- keeping that fails ----

    // The kept game can't be written (its name is taken by a folder, which holds for root too): play
    // goes on with nothing shown; the operator is told once the board is saved.
    void keepingThatFailsNeverStopsPlay() {
        QVERIFY(QDir(env->folder()).mkpath(u(".kept-game/in-the-way")));
        startBoard({0, 1});
        board::main& b = theBoard();
        entry(1, u("40"));
        click(b.Command6);
        QCOMPARE(b.Add_Score(1), 40);
        QCOMPARE(game::state().Run_Speed, Int16(40));
        QCOMPARE(env->dialogs.messages, QStringList{});
        QVERIFY(!game::Keeper::waitUntilKept().isEmpty());
        env->dialogs.answers = {u("b")};
        click(b.Command1(board::CommandBar::Save));
        QCOMPARE(env->dialogs.messages.size(), 2);
        QCOMPARE(env->dialogs.messages[0], completed);
        QVERIFY2(env->dialogs.messages[1].startsWith(u("|진행 중인 경기를 따로 보관하지 못하고 있습니다.")),
                 qPrintable(env->dialogs.messages[1]));
        QCOMPARE(contents(platform::programFile(u("b.scr"))), QByteArray("2;500;40\r\n"
                                                                         "\xB9\xCF\xC0\xBD;0\r\n"
                                                                         "\xBC\xD2\xB8\xC1;40\r\n\r\n"));
    }

    // A save whose kept game can't be marked saved (the disk fills between the board file and the kept
    // game) takes the earlier kept game away: it must never come back over the board saved later.
    void aStaleKeptGameNeverComesBack() {
        startBoard({0, 1});
        board::main& b = theBoard();
        entry(0, u("9"));
        QVERIFY(game::keeper().unsavedGame());
        env->dialogs.answers = {u("b")};
        game::Keeper::waitUntilKept();
        {
            const testing::DiskFull diskFull(contents(keptPath()).size() - 1); // the board file is smaller
            click(b.Command1(board::CommandBar::Save));
        }
        QCOMPARE(env->dialogs.messages.size(), 2);
        QVERIFY(QFile::exists(platform::programFile(u("b.scr"))));
        QVERIFY(!QFile::exists(keptPath()));
        killed();
        programStarts();
        QCOMPARE(env->dialogs.questions, QStringList{});
    }
};

QTEST_MAIN(KeptGameTest)
#include "test_kept_game.moc"
