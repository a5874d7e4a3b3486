#pragma once

// Builders for the tests that play on the board (its layout, score entry, race, celebration, settings,
// command bar): a board of teams, shown at a known size, and the operator's hands on it.
#include "board/main.h"
#include "support.h"

#include <QColor>
#include <QList>
#include <QString>

namespace testing::board_play {

using platform::Int16;

inline board::main& screen() {
    return board::main::instance();
}

// A client area of 1024 pixels is 15360 twips, 15480 with the sizable frame: with bar 0 starting at
// 2745, Span is 12735 and Bar_Room 10615.
inline constexpr int boardWidth = 1024;
inline constexpr double barRoom = boardWidth * 15 - 2745 - 2000;

// So long that the real timers never tick while a test ticks them by hand.
inline constexpr Int16 handTicked = 30000;

// The row colours of rows 0 to 5 (orange, green, yellow, blue, pink, pink).
extern const QColor designColour[6];

// Teams 믿음, 소망, 사랑, ... with these scores.
void startTeams(const QList<int>& scores, int maxScore = 500, Int16 runSpeed = handTicked);
// Shows the board boardWidth pixels wide and waits until its window is active.
void showBoard();
// The width of a bar for a score on the board that showBoard() opens.
float exactWidth(double score, double maxScore);
// Clicks a team's name button with a mouse button.
void press(int row, Qt::MouseButton button);
// Types into the entry box over its selected text; typing nothing clears it.
void typeOver(const QString& text);
// Enter in the entry box.
void enter();
// Ticks the race timer by hand.
void ticks(int count);
// Scores 120 and 300, 100 points pending for the first team, a race started and 40 ticks into it.
void raceUnderWay();

// The sound that platform::Sound plays when no test observes it: the real one.
struct RealSound {
    RealSound() { platform::Sound::install(nullptr); }
    ~RealSound() { platform::Sound::install(nullptr); }
    RealSound(const RealSound&) = delete;
    RealSound& operator=(const RealSound&) = delete;
};

} // namespace testing::board_play
