// The board-file format as bytes: the CP949 text, writing, reading, and which file names are boards.
// Qt Core and the game alone: no screen takes part. Fixtures are spelled out in bytes.
#include "fixtures.h"
#include "game/board_file.h"
#include "game/module1.h"
#include "platform/cp949.h"

#include <QTest>

using platform::Int16;
using platform::Int32;
using testing::exampleFile;
using testing::setBoard;
using testing::u;

namespace {

using Pending = platform::CheckedArray<Int32, game::teamSlots>;

Pending pendingOf(const QList<int>& points) {
    Pending pending;
    pending.fill(0);
    for (int i = 0; i < points.size(); ++i)
        pending(i) = points[i];
    return pending;
}

// The state a reader starts from, every value recognisable, so what it leaves alone shows.
game::Module1 before() {
    game::Module1 g;
    g.Team_Count = 7;
    g.Max_Score = 999;
    g.Run_Speed = 99;
    for (int i = 0; i < game::teamSlots; ++i) {
        g.Team_Name(i) = QStringLiteral("n%1").arg(i);
        g.Team_Score(i) = 1000 + i;
    }
    return g;
}

} // namespace

class BoardFileTest : public QObject {
    Q_OBJECT
private slots:
    // ---- CP949 ----

    void cp949_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("iconv");
        for (const bool iconv : {false, true}) {
            const char* through = iconv ? " (iconv)" : " (Qt)";
            QTest::addRow("믿음%s", through) << u("믿음") << QByteArray(MIDEUM) << iconv;
            // The extended syllables that IBM's code page 949 lacks.
            QTest::addRow("똠%s", through) << u("똠") << QByteArray("\x8C\x63") << iconv;
            QTest::addRow("뷁%s", through) << u("뷁") << QByteArray("\x94\xEE") << iconv;
            QTest::addRow("ASCII%s", through) << u("Team 7;-1") << QByteArray("Team 7;-1") << iconv;
            QTest::addRow("full-width semicolon%s", through) << u("；") << QByteArray("\xA3\xBB") << iconv;
        }
    }
    void cp949() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, iconv);
        platform::cp949::useIconvForTesting(iconv);
        QCOMPARE(platform::cp949::converter(),
                 iconv ? platform::cp949::Converter::Iconv : platform::cp949::Converter::Qt);
        const platform::cp949::Encoded encoded = platform::cp949::encode(text);
        const QString decoded = platform::cp949::decode(bytes);
        platform::cp949::useIconvForTesting(false);
        QCOMPARE(encoded.bytes.toHex(' '), bytes.toHex(' '));
        QVERIFY(encoded.exact);
        QCOMPARE(decoded, text);
    }

    void cp949WithoutAForm_data() {
        QTest::addColumn<bool>("iconv");
        QTest::newRow("Qt") << false;
        QTest::newRow("iconv") << true;
    }
    void cp949WithoutAForm() {
        QFETCH(bool, iconv);
        platform::cp949::useIconvForTesting(iconv);
        const platform::cp949::Encoded encoded = platform::cp949::encode(u("a😀é팀"));
        const QString decoded = platform::cp949::decode(QByteArray("a\x81\x20" MIDEUM));
        platform::cp949::useIconvForTesting(false);
        QVERIFY(!encoded.exact);
        QCOMPARE(encoded.bytes, QByteArray("a??\xC6\xC0")); // one "?" for each character
        QVERIFY(decoded.startsWith(u'a'));
        QVERIFY(decoded.endsWith(u("믿음")));
        QVERIFY(decoded.contains(QChar(QChar::ReplacementCharacter)));
    }

    // Both converters read a lead byte whose trail byte is cut off by the end as one U+FFFD, like any
    // other byte that starts no character.
    void cp949CutOffLeadByte_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("iconv");
        for (const bool iconv : {false, true}) {
            const char* through = iconv ? " (iconv)" : " (Qt)";
            QTest::addRow("a lone lead byte%s", through) << QByteArray("\xB9") << u("\uFFFD") << iconv;
            QTest::addRow("after ASCII%s", through) << QByteArray("a\x81") << u("a\uFFFD") << iconv;
            QTest::addRow("after a syllable%s", through)
                << QByteArray(MIDEUM "\xB9") << u("믿음\uFFFD") << iconv;
            QTest::addRow("half of a syllable%s", through)
                << QByteArray("\xB9\xCF\xC0") << u("믿\uFFFD") << iconv;
            QTest::addRow("a lead byte before \";\"%s", through)
                << QByteArray("\x81;") << u("\uFFFD;") << iconv;
            QTest::addRow("a whole pair at the end%s", through)
                << QByteArray("a\x81\x41") << u("a갂") << iconv;
        }
    }
    void cp949CutOffLeadByte() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(bool, iconv);
        platform::cp949::useIconvForTesting(iconv);
        const QString decoded = platform::cp949::decode(bytes);
        platform::cp949::useIconvForTesting(false);
        QCOMPARE(decoded, text);
    }

    // ---- writing ----

    void write_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<int>>("scores");
        QTest::addColumn<QList<int>>("pending");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("speed");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("changed"); // "slot:stored" of names the file holds otherwise

        QTest::newRow("example, 20 of the 120 pending")
            << QStringList{u("믿음"), u("소망"), u("사랑")} << QList<int>{100, 80, 0} << QList<int>{20, 0, 0}
            << 500 << 50 << exampleFile << QStringList{};
        QTest::newRow("no teams") << QStringList{} << QList<int>{} << QList<int>{} << 500 << 50
                                  << QByteArray("0;500;50\r\n\r\n") << QStringList{};
        QTest::newRow("negative score and settings")
            << QStringList{u("a")} << QList<int>{-15} << QList<int>{-5} << -1 << -32768
            << QByteArray("1;-1;-32768\r\na;-20\r\n\r\n") << QStringList{};
        QTest::newRow("empty name") << QStringList{QString()} << QList<int>{7} << QList<int>{0} << 500 << 50
                                    << QByteArray("1;500;50\r\n;7\r\n\r\n") << QStringList{};
        QTest::newRow("32-bit ends") << QStringList{u("a"), u("b")} << QList<int>{2147483640, -2147483647}
                                     << QList<int>{7, -1} << 2147483647 << 32767
                                     << QByteArray(
                                            "2;2147483647;32767\r\na;2147483647\r\nb;-2147483648\r\n\r\n")
                                     << QStringList{};
        QTest::newRow("extended syllables")
            << QStringList{u("똠뷁")} << QList<int>{1} << QList<int>{0} << 500 << 50
            << QByteArray("1;500;50\r\n\x8C\x63\x94\xEE;1\r\n\r\n") << QStringList{};
        // A ";" would split the line and lose the score behind it; the full-width one looks the same.
        QTest::newRow("semicolon") << QStringList{u("a;b")} << QList<int>{5} << QList<int>{0} << 500 << 50
                                   << QByteArray("1;500;50\r\na\xA3\xBB"
                                                 "b;5\r\n\r\n")
                                   << QStringList{u("0:a；b")};
        QTest::newRow("line breaks") << QStringList{u("a\r\nb")} << QList<int>{5} << QList<int>{0} << 500
                                     << 50 << QByteArray("1;500;50\r\na  b;5\r\n\r\n")
                                     << QStringList{u("0:a  b")};
        QTest::newRow("no CP949 form")
            << QStringList{u("ok"), u("😀팀")} << QList<int>{1, 2} << QList<int>{0, 0} << 500 << 50
            << QByteArray("2;500;50\r\nok;1\r\n?\xC6\xC0;2\r\n\r\n") << QStringList{u("1:?팀")};
    }
    void write() {
        QFETCH(QStringList, names);
        QFETCH(QList<int>, scores);
        QFETCH(QList<int>, pending);
        QFETCH(int, max);
        QFETCH(int, speed);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, changed);
        game::Module1 g;
        setBoard(g, names, scores, max, static_cast<Int16>(speed));
        g.Team_Name(names.size()) = u("not in play");
        const game::Module1 kept = g;
        const game::BoardText text = game::writeBoard(g, pendingOf(pending));
        QCOMPARE(text.bytes.toHex(' '), bytes.toHex(' '));
        QVERIFY(!text.overflowSlot);
        QStringList changes;
        for (const game::NameChange& change : text.changedNames)
            changes << QStringLiteral("%1:%2").arg(change.slot).arg(change.stored);
        QCOMPARE(changes, changed);
        QCOMPARE(g.Team_Name(0), kept.Team_Name(0)); // the board keeps its own names
    }

    void writeRefusesAScoreBeyond32Bits_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("pending");
        QTest::newRow("above") << 2147483647 << 1;
        QTest::newRow("below") << -2147483647 - 1 << -1;
    }
    void writeRefusesAScoreBeyond32Bits() {
        QFETCH(int, score);
        QFETCH(int, pending);
        game::Module1 g;
        setBoard(g, {u("a"), u("b")}, {0, score});
        const game::BoardText text = game::writeBoard(g, pendingOf({0, pending}));
        QCOMPARE(text.overflowSlot, std::optional<int>(1));
        QVERIFY(text.bytes.isEmpty());
    }

    // ---- reading ----

    void read_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("speed");
        QTest::addColumn<QStringList>("names"); // slots 0 to 3, then whether slot 10 kept its name
        QTest::addColumn<QList<int>>("scores"); // slots 0 to 3
        const QStringList untouched{u("n0"), u("n1"), u("n2"), u("n3")};
        const QList<int> untouchedScores{1000, 1001, 1002, 1003};

        QTest::newRow("example") << exampleFile << 3 << 500 << 50
                                 << QStringList{u("믿음"), u("소망"), u("사랑"), u("n3")}
                                 << QList<int>{120, 80, 0, 1003};
        QTest::newRow("no teams") << QByteArray("0;500;50\r\n\r\n") << 0 << 500 << 50 << untouched
                                  << untouchedScores;
        QTest::newRow("empty file") << QByteArray() << 7 << 999 << 99 << untouched << untouchedScores;
        QTest::newRow("first line with two fields: speed kept, three teams read")
            << QByteArray("3;500\r\na;1\r\nb;2\r\nc;3\r\n") << 3 << 500 << 99
            << QStringList{u("a"), u("b"), u("c"), u("n3")} << QList<int>{1, 2, 3, 1003};
        QTest::newRow("LF alone ends no line: one line, speed \"50\\na\" not a number")
            << QByteArray("2;500;50\na;1\nb;2\n") << 2 << 500 << 99 << untouched << untouchedScores;
        QTest::newRow("CR alone ends a line; blanks and fractions convert")
            << QByteArray("2; 300 ;40\ra;1.5\rb; 2 \r") << 2 << 300 << 40
            << QStringList{u("a"), u("b"), u("n2"), u("n3")} << QList<int>{2, 2, 1002, 1003};
        QTest::newRow("negative score, extra fields ignored")
            << QByteArray("1;500;50;9\r\na;-120;x\r\n") << 1 << 500 << 50
            << QStringList{u("a"), u("n1"), u("n2"), u("n3")} << QList<int>{-120, 1001, 1002, 1003};
        QTest::newRow("semicolon in an old file: the name splits, the score stays")
            << QByteArray("1;500;50\r\na;b;5\r\n") << 1 << 500 << 50
            << QStringList{u("a"), u("n1"), u("n2"), u("n3")} << QList<int>{1000, 1001, 1002, 1003};
        QTest::newRow("blanks kept in names; empty fields change nothing")
            << QByteArray("3;500;50\r\n a ;x\r\n;\r\n\r\n") << 3 << 500 << 50
            << QStringList{u(" a "), QString(), u("n2"), u("n3")} << QList<int>{1000, 1001, 1002, 1003};
        QTest::newRow("no line left: the rest keep their slots")
            << QByteArray("3;500;50\r\na;1") << 3 << 500 << 50
            << QStringList{u("a"), u("n1"), u("n2"), u("n3")} << QList<int>{1, 1001, 1002, 1003};
        QTest::newRow("values beyond their widths stay")
            << QByteArray("40000;2147483648;32768\r\n") << 7 << 999 << 99 << untouched << untouchedScores;
        QTest::newRow("count not a number: the old count reads on")
            << QByteArray("x;500;50\r\na;1\r\n") << 7 << 500 << 50
            << QStringList{u("a"), u("n1"), u("n2"), u("n3")} << QList<int>{1, 1001, 1002, 1003};
        QTest::newRow("count below 0 is 0")
            << QByteArray("-3;500;50\r\na;1\r\n") << 0 << 500 << 50 << untouched << untouchedScores;
        QByteArray twelve("12;500;50\r\n");
        for (int i = 0; i < 12; ++i)
            twelve += QByteArray("t") + QByteArray::number(i) + ';' + QByteArray::number(i) + "\r\n";
        QTest::newRow("count above 10 is 10; slot 10 untouched")
            << twelve << 10 << 500 << 50 << QStringList{u("t0"), u("t1"), u("t2"), u("t3"), u("n10")}
            << QList<int>{0, 1, 2, 3};
        // Fields past the ones read cost nothing: millions of ";" are not split into millions of fields.
        const QByteArray semicolons(qsizetype{16} * 1024 * 1024, ';');
        QTest::newRow("16 MiB of \";\" after the first line's fields")
            << QByteArray("2;500;50" + semicolons + "\r\na;1\r\nb;2\r\n") << 2 << 500 << 50
            << QStringList{u("a"), u("b"), u("n2"), u("n3")} << QList<int>{1, 2, 1002, 1003};
        QTest::newRow("16 MiB of \";\" after a team's fields")
            << QByteArray("1;500;50\r\na;7" + semicolons + "\r\n") << 1 << 500 << 50
            << QStringList{u("a"), u("n1"), u("n2"), u("n3")} << QList<int>{7, 1001, 1002, 1003};
        const QByteArray longName(qsizetype{16} * 1024 * 1024, 'a');
        QTest::newRow("a name longer than a text box holds keeps its first 32767 characters")
            << QByteArray("1;500;50\r\n" + longName + ";9\r\n") << 1 << 500 << 50
            << QStringList{QString(32767, u'a'), u("n1"), u("n2"), u("n3")}
            << QList<int>{9, 1001, 1002, 1003};
        QTest::newRow("a lead byte cut off by the end of a name or of a line")
            << QByteArray("2;500;50\r\nx\xB9;3\r\n" MIDEUM "\xB9\r\n") << 2 << 500 << 50
            << QStringList{u("x\uFFFD"), u("믿음\uFFFD"), u("n2"), u("n3")}
            << QList<int>{3, 1001, 1002, 1003};
        QTest::newRow("bytes that are no CP949 still read")
            << QByteArray("1;500;50\r\nx\x81\x20;3\r\n") << 1 << 500 << 50
            << QStringList{u("x\uFFFD "), u("n1"), u("n2"), u("n3")} << QList<int>{3, 1001, 1002, 1003};
    }
    void read() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        QFETCH(int, max);
        QFETCH(int, speed);
        QFETCH(QStringList, names);
        QFETCH(QList<int>, scores);
        game::Module1 g = before();
        game::readBoard(bytes, g);
        QCOMPARE(g.Team_Count, count);
        QCOMPARE(g.Max_Score, max);
        QCOMPARE(g.Run_Speed, speed);
        QStringList read;
        QList<int> readScores;
        for (int i = 0; i < 4; ++i) {
            read << g.Team_Name(i);
            readScores << g.Team_Score(i);
        }
        if (names.size() > 4)
            read << g.Team_Name(10);
        QCOMPARE(read, names);
        QCOMPARE(readScores, scores);
    }

    // What the program writes, any reader of the format reads back as it was.
    void writtenBoardsReadBack() {
        game::Module1 g;
        setBoard(g, {u("똠뷁"), u(" 빈칸 "), QString(), u("x")}, {-5, 0, 2147483647, 12}, 2147483647, -7);
        game::Module1 read;
        game::readBoard(game::writeBoard(g, pendingOf({})).bytes, read);
        QCOMPARE(read.Team_Count, g.Team_Count);
        QCOMPARE(read.Max_Score, g.Max_Score);
        QCOMPARE(read.Run_Speed, g.Run_Speed);
        for (int i = 0; i < g.Team_Count; ++i) {
            QCOMPARE(read.Team_Name(i), g.Team_Name(i));
            QCOMPARE(read.Team_Score(i), g.Team_Score(i));
        }
    }

    // ---- listing ----

    void listingRule_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<QString>("entry");
        QTest::newRow("B.SCR") << u("B.SCR") << true << u("B.SCR");
        QTest::newRow("x.scr.scr") << u("x.scr.scr") << true << u("x");
        QTest::newRow("descr") << u("descr") << true << u("descr");
        QTest::newRow("notes.txt") << u("notes.txt") << false << QString();
        QTest::newRow(".scr") << u(".scr") << true << QString();
        QTest::newRow("mixed case") << u("a.Scr") << true << u("a.Scr");
        QTest::newRow("Korean") << u("믿음반.scr") << true << u("믿음반");
        QTest::newRow("too short") << u("cr") << false << QString();
    }
    void listingRule() {
        QFETCH(QString, file);
        QFETCH(bool, listed);
        QFETCH(QString, entry);
        QCOMPARE(game::isBoardFileName(file), listed);
        if (listed)
            QCOMPARE(game::boardNameOf(file), entry);
    }
};

QTEST_MAIN(BoardFileTest)
#include "test_board_file.moc"
