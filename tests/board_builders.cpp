#include "board_builders.h"

#include "game/module1.h"

#include <QTest>
#include <algorithm>

namespace testing::board_play {

const QColor designColour[6] = {{255, 192, 128}, {128, 255, 128}, {255, 255, 128},
                                {128, 128, 255}, {255, 128, 255}, {255, 128, 255}};

void startTeams(const QList<int>& scores, int maxScore, Int16 runSpeed) {
    const char* names[] = {"믿음", "소망", "사랑", "은혜", "기쁨", "평화", "온유", "절제", "충성", "양선"};
    QStringList teams;
    for (int i = 0; i < scores.size(); ++i)
        teams << u(names[i]);
    setBoard(game::state(), teams, scores, maxScore, runSpeed);
}

void showBoard() {
    board::main& b = screen();
    QVERIFY(showBoardSized(boardWidth, 700));
    QCOMPARE(b.window->OuterWidth(), float(boardWidth * 15 + 120));
    QVERIFY(QTest::qWaitForWindowActive(b.window.get()));
}

float exactWidth(double score, double maxScore) {
    return static_cast<float>(std::max(0.0, score / maxScore * barRoom));
}

void press(int row, Qt::MouseButton button) {
    QTest::mouseClick(screen().Team_CMD(row), button);
}

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

void raceUnderWay() {
    startTeams({120, 300});
    showBoard();
    board::main& b = screen();
    b.Add_Score(0) = 100;
    QTest::mouseClick(b.Command1(board::CommandBar::Start), Qt::LeftButton);
    ticks(40);
    QVERIFY(b.Timer1->Enabled());
}

} // namespace testing::board_play
