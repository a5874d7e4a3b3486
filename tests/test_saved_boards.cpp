// Boards on disk through the two screens: the setup screen's list of the program folder, deleting there,
// and saving on the board, the saves that fail included.
#include "board/main.h"
#include "game/board_file.h"
#include "game/module1.h"
#include "platform/program.h"
#include "setup/FRMlogo.h"
#include "support.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <dirent.h>
#include <optional>
#include <sys/stat.h>

using platform::Int16;
using platform::Int32;
using testing::contents;
using testing::DiskFull;
using testing::exampleFile;
using testing::setBoard;
using testing::u;
using testing::writeFile;

namespace {

// The names of the folder as the system lists them, unsorted.
QStringList readdirOrder(const QString& folder) {
    QStringList names;
    DIR* dir = opendir(QFile::encodeName(folder).constData());
    while (dirent* entry = readdir(dir))
        names << QFile::decodeName(entry->d_name);
    closedir(dir);
    return names;
}

board::main& theBoard() {
    return board::main::instance();
}

const QString completed = QStringLiteral("|저장이 완료되었습니다.");

} // namespace

class SavedBoardsTest : public testing::GuiTest {
    Q_OBJECT
private slots:
    // ---- listing ----

    // The load button lists ordinary files only, in the order the file system gives them.
    void listingOfTheFolder() {
        const QDir folder(env->folder());
        for (const char* name : {"zeta.scr", "B.SCR", "x.scr.scr", "descr", "notes.txt", ".scr", "alpha.scr"})
            writeFile(folder.filePath(u(name)), "0;500;50\r\n\r\n");
        QVERIFY(folder.mkdir(u("folder.scr")));
        QCOMPARE(mkfifo(QFile::encodeName(folder.filePath(u("pipe.scr"))).constData(), 0600), 0);
        QStringList expected;
        for (const QString& name : readdirOrder(env->folder()))
            if (name != u("folder.scr") && name != u("pipe.scr") && name != u(".") && name != u("..") &&
                game::isBoardFileName(name))
                expected << game::boardNameOf(name);

        setup::FRMlogo& s = setup::FRMlogo::instance();
        s.Show();
        QTest::mouseClick(s.Cmd(setup::CmdButton::Load), Qt::LeftButton);
        QStringList listed;
        for (int i = 0; i < s.List1->ListCount(); ++i)
            listed << s.List1->List(i);
        QCOMPARE(listed, expected);
        QCOMPARE(listed.size(), 6);
        QVERIFY(s.List1->isVisible());
    }

    void listingOfAFolderThatIsNotThere() {
        platform::setProgramFolderForTesting(env->folder() + u("/gone"));
        setup::FRMlogo& s = setup::FRMlogo::instance();
        s.Show();
        QTest::mouseClick(s.Cmd(setup::CmdButton::Load), Qt::LeftButton);
        QCOMPARE(s.List1->ListCount(), 0);
        QVERIFY(s.List1->isVisible());
    }

    // ---- reading a file ----

    void missingFileLeavesTheStateAlone() {
        game::Module1& g = game::state();
        g.Team_Count = 4;
        g.Max_Score = 800;
        g.Run_Speed = 30;
        g.Save_Name = u("없는판");
        setup::FRMlogo& s = setup::FRMlogo::instance();
        s.Show();
        s.Set_SCR();
        QCOMPARE(g.Team_Count, 4);
        QCOMPARE(g.Max_Score, 800);
        QCOMPARE(g.Run_Speed, 30);
        QCOMPARE(env->dialogs.messages, QStringList{});
    }

    // ---- deleting ----

    void deletingAFileThatHasGone() {
        writeFile(QDir(env->folder()).filePath(u("a.scr")), exampleFile);
        setup::FRMlogo& s = chooseBoard(u("a"));
        QVERIFY(QFile::remove(QDir(env->folder()).filePath(u("a.scr"))));
        QTest::mouseClick(s.Cmd(setup::CmdButton::Delete), Qt::LeftButton);
        QCOMPARE(env->dialogs.messages, QStringList{u("|지울 점수판 파일이 이미 없습니다: a.scr")});
        // Nothing is left to keep: the screen is reset all the same.
        QCOMPARE(s.Team(0)->Value(), 0);
        QCOMPARE(s.Team(0)->Caption(), u("믿음"));
        QVERIFY(!s.Cmd(setup::CmdButton::Delete)->isEnabled());
        QVERIFY(!s.Team_Ready && !s.Data_Loaded);
        QCOMPARE(game::state().Save_Name, QString());
    }

    void deletingAFileThatCannotBeRemoved() {
        const QDir folder(env->folder());
        writeFile(folder.filePath(u("a.scr")), exampleFile);
        setup::FRMlogo& s = chooseBoard(u("a"));
        // The board file has become a folder with something in it: no one can unlink that.
        QVERIFY(QFile::remove(folder.filePath(u("a.scr"))));
        QVERIFY(folder.mkpath(u("a.scr/inside")));
        QTest::mouseClick(s.Cmd(setup::CmdButton::Delete), Qt::LeftButton);
        QCOMPARE(env->dialogs.messages.size(), 1);
        QVERIFY(env->dialogs.messages[0].startsWith(u("|점수판 파일을 지우지 못했습니다: a.scr")));
        // Nothing looks deleted that is not: the board stays chosen.
        QVERIFY(folder.exists(u("a.scr/inside")));
        QCOMPARE(s.Team(0)->Value(), 2);
        QVERIFY(s.Cmd(setup::CmdButton::Delete)->isEnabled());
        QVERIFY(s.Data_Loaded);
        QCOMPARE(game::state().Save_Name, u("a"));
    }

    // ---- saving ----

    void saveExample() {
        game::Module1& g = game::state();
        setBoard(g, {u("믿음"), u("소망"), u("사랑")}, {100, 80, 0});
        theBoard().Add_Score(0) = 20;
        env->dialogs.answers = {u("첫판")};
        theBoard().Save_Team();
        QCOMPARE(env->dialogs.prompts, QStringList{u("데이타 저장|저장할 이름을 넣으세요|")});
        QCOMPARE(env->dialogs.messages, QStringList{completed});
        QCOMPARE(contents(platform::programFile(u("첫판.scr"))).toHex(' '), exampleFile.toHex(' '));
        // Nothing changes on the board but the board name.
        QCOMPARE(g.Save_Name, u("첫판"));
        QCOMPARE(g.Team_Score(0), 100);
        QCOMPARE(theBoard().Add_Score(0), 20);
        // Beside it only the kept game, marked saved.
        QCOMPARE(QDir(env->folder()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{u(".kept-game"), u("첫판.scr")}));
    }

    void saveAgainReplacesWithoutAsking() {
        game::Module1& g = game::state();
        g.Save_Name = u("b");
        writeFile(platform::programFile(u("b.scr")), "old board, longer than the new one\r\n");
        setBoard(g, {}, {});
        theBoard().Save_Team();
        QCOMPARE(env->dialogs.prompts, QStringList{});
        QCOMPARE(env->dialogs.messages, QStringList{completed});
        QCOMPARE(contents(platform::programFile(u("b.scr"))), QByteArray("0;500;50\r\n\r\n"));
    }

    // OK on an empty answer saves the board with the empty name, ".scr"; Cancel saves nothing.
    void emptyAnswerAndCancel_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("saved");
        QTest::newRow("empty answer") << QString() << true;
        QTest::newRow("cancel") << testing::AnsweredDialogs::cancel << false;
    }
    void emptyAnswerAndCancel() {
        QFETCH(QString, answer);
        QFETCH(bool, saved);
        setBoard(game::state(), {u("a")}, {3});
        env->dialogs.answers = {answer};
        theBoard().Save_Team();
        QCOMPARE(env->dialogs.prompts.size(), 1);
        QCOMPARE(QFile::exists(platform::programFile(u(".scr"))), saved);
        QCOMPARE(env->dialogs.messages, saved ? QStringList{completed} : QStringList{});
        QCOMPARE(game::state().Save_Name, QString());
    }

    void namesThatReachOutsideAreRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent folder") << u("../up");
        QTest::newRow("two dots alone") << u("..");
        QTest::newRow("slash") << u("a/b");
        QTest::newRow("absolute") << u("/tmp/x");
        QTest::newRow("backslash") << u("a\\b");
        QTest::newRow("tab") << u("a\tb");
        QTest::newRow("line feed") << u("a\nb");
        QTest::newRow("delete character") << u("a\x7f");
    }
    void namesThatReachOutsideAreRefused() {
        QFETCH(QString, name);
        QTemporaryDir outside;
        platform::setProgramFolderForTesting(outside.path() + u("/program"));
        QVERIFY(QDir(outside.path()).mkdir(u("program")));
        setBoard(game::state(), {u("a")}, {3});
        env->dialogs.answers = {name};
        theBoard().Save_Team();
        QCOMPARE(env->dialogs.messages.size(), 1);
        QVERIFY(env->dialogs.messages[0].startsWith(u("|이 이름으로는 저장할 수 없습니다.")));
        QCOMPARE(game::state().Save_Name, QString());
        QCOMPARE(QDir(outside.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{u("program")});
        QCOMPARE(QDir(outside.path() + u("/program")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{});
    }

    // Saves that really fail, each in a way that holds for root: the operator is told, no completion is
    // shown, an earlier file of that name stays as it was, and a name typed for it is asked again.
    void failedSaves_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("program folder is a file") << u("folder is a file");
        QTest::newRow("name longer than the file system takes") << u("long name");
        QTest::newRow("board file is a folder") << u("file is a folder");
        QTest::newRow("disk full") << u("disk full");
    }
    void failedSaves() {
        QFETCH(QString, how);
        const QDir folder(env->folder());
        game::Module1& g = game::state();
        setBoard(g, {u("믿음"), u("소망"), u("사랑")}, {100, 80, 0});
        const QByteArray earlier("2;500;50\r\nold;1\r\nold;2\r\n\r\n");
        writeFile(folder.filePath(u("b.scr")), earlier);
        bool typed = true;
        std::optional<testing::DiskFull> diskFull;
        if (how == u("folder is a file")) {
            platform::setProgramFolderForTesting(folder.filePath(u("b.scr")));
            env->dialogs.answers = {u("b")};
        } else if (how == u("long name")) {
            env->dialogs.answers = {QString(100, QChar(0xAC00))}; // 300 bytes in UTF-8
        } else if (how == u("file is a folder")) {
            QVERIFY(folder.mkpath(u("c.scr/inside")));
            g.Save_Name = u("c");
            typed = false;
        } else {
            g.Save_Name = u("b");
            typed = false;
            diskFull.emplace(16);
        }
        theBoard().Save_Team();
        diskFull.reset();

        QCOMPARE(env->dialogs.messages.size(), 1);
        QVERIFY2(env->dialogs.messages[0].startsWith(u("|점수판을 저장하지 못했습니다: ")),
                 qPrintable(env->dialogs.messages[0]));
        QCOMPARE(contents(folder.filePath(u("b.scr"))), earlier);
        QCOMPARE(g.Save_Name.isEmpty(), typed);
        // No half-written file or leftover beside them.
        QStringList left = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        left.removeAll(u("c.scr"));
        QCOMPARE(left, QStringList{u("b.scr")});
    }

    void scoreBeyond32BitsIsNotSaved() {
        game::Module1& g = game::state();
        setBoard(g, {u("믿음"), u("소망")}, {5, 2147483647});
        theBoard().Add_Score(1) = 1;
        g.Save_Name = u("b");
        theBoard().Save_Team();
        QCOMPARE(env->dialogs.messages.size(), 1);
        QVERIFY(env->dialogs.messages[0].startsWith(u("|'소망' 팀의 점수와 아직 더하지 않은 점수를 합하면")));
        QVERIFY(!QFile::exists(platform::programFile(u("b.scr"))));
    }

    void changedNamesAreTold() {
        setBoard(game::state(), {u("a;b"), u("😀팀")}, {1, 2});
        env->dialogs.answers = {u("b")};
        theBoard().Save_Team();
        QCOMPARE(env->dialogs.messages.size(), 2);
        QVERIFY(env->dialogs.messages[0].contains(u("a;b  →  a；b\n😀팀  →  ?팀")));
        QCOMPARE(env->dialogs.messages[1], completed);
        QCOMPARE(contents(platform::programFile(u("b.scr"))), QByteArray("2;500;50\r\na\xA3\xBB"
                                                                         "b;1\r\n?\xC6\xC0;2\r\n\r\n"));
    }

    // The board's save button, and the board saved there continued on the setup screen.
    void savedOnTheBoardContinuedOnSetup() {
        setBoard(game::state(), {u("믿음"), u("소망"), u("사랑")}, {100, 80, 0}, 500, 30000);
        theBoard().Show();
        theBoard().Add_Score(0) = 20;
        env->dialogs.answers = {u("이어서")};
        QTest::mouseClick(theBoard().Command1(board::CommandBar::Save), Qt::LeftButton);
        QCOMPARE(env->dialogs.messages, QStringList{completed});
        QCOMPARE(contents(platform::programFile(u("이어서.scr"))), "3;500;30000\r\n" + exampleFile.mid(10));
        testing::unloadScreens();
        game::state() = game::Module1{};

        setup::FRMlogo& s = chooseBoard(u("이어서"));
        QTest::mouseClick(s.Cmd(setup::CmdButton::Start), Qt::LeftButton);
        QVERIFY(theBoard().isLoaded());
        QCOMPARE(game::state().Team_Score(0), 120);
        QCOMPARE(game::state().Run_Speed, 30000);
        QCOMPARE(theBoard().Add_Score(0), 0);
    }

private:
    setup::FRMlogo& chooseBoard(const QString& name) {
        setup::FRMlogo& s = setup::FRMlogo::instance();
        s.Show();
        QTest::mouseClick(s.Cmd(setup::CmdButton::Load), Qt::LeftButton);
        const auto found = s.List1->findItems(name, Qt::MatchExactly);
        if (found.size() != 1)
            qFatal("the board \"%s\" is not listed once", qPrintable(name));
        s.List1->setCurrentItem(found.first());
        return s;
    }
};

QTEST_MAIN(SavedBoardsTest)
#include "test_saved_boards.moc"
