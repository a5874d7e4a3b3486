#pragma once

#include "module1.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

// The board file: one small CP949 text file per saved board, named after the board with ".scr" appended,
// in the program folder. Line 1 is "count;max;speed", then one "name;score" line per team in slot order,
// every line ended by CR LF, and one more CR LF at the end:
//
//     3;500;50 CR LF   믿음;120 CR LF   소망;80 CR LF   사랑;0 CR LF   CR LF
//
// Writing and reading are pure functions on bytes, so the reader can be tested and fuzzed without a
// disk or a screen; the screens do the file handling.
namespace game {

// At most this many teams go into a file and come out of one: the screens have ten team boxes and rows.
inline constexpr int boardFileTeams = 10;
// The longest team name read from a file: what a text box holds, so every name the program can write.
// A longer one, which only a made-up file has, keeps its first characters; laid out in full on a team
// box, a name of 16 million characters took 600 MB and seconds.
inline constexpr int longestTeamName = 32767;

// "<board>.scr", the extension always in lower case; the empty board name gives ".scr".
QString boardFileName(const QString& boardName);

// ---- listing ----

// A file is a board file when its last three characters, upper-cased, are "SCR" (so "descr" is one).
bool isBoardFileName(const QString& fileName);
// The entry shown for a board file: its name with every lower-case ".scr" removed ("x.scr.scr" is "x",
// "B.SCR" stays "B.SCR").
QString boardNameOf(const QString& fileName);

// ---- naming ----

// A board name typed in becomes a file name in the program folder. One that would name a file elsewhere
// or that the file system would take apart is refused: a "/" or "\" (a folder), ".." (the folder above)
// or a control character.
bool isSafeBoardName(const QString& boardName);

// ---- writing ----

// A team name that the file can't hold as it stands, and what it holds instead: ";" would split the line
// and lose the score behind it, so it is stored as the full-width "；"; CR and LF would break the line
// and are stored as blanks; a character without a CP949 form is stored as "?".
struct NameChange {
    int slot = 0;
    QString name;
    QString stored;
};

struct BoardText {
    QByteArray bytes; // the whole file; empty when overflowSlot is set
    std::vector<NameChange> changedNames;
    // A slot whose score plus pending points does not fit in 32 bits: nothing can be written that holds
    // its true score, so nothing is written.
    std::optional<int> overflowSlot;
};

// The file of the board in play: each team's score is its accumulated score plus its pending points,
// summed in 32 bits, so a board saved in the middle of a round loads with those points counted.
BoardText writeBoard(const Module1& state, const platform::CheckedArray<Int32, teamSlots>& pending);

// ---- reading ----

// Reads a board file into the state: line 1 into Team_Count, Max_Score and Run_Speed, then one line per
// team into its name and score. A line ends at CR or at CR LF (LF alone is part of the line); fields are
// split at ";", further fields ignored. A field that is missing or does not convert leaves its variable
// as it was, and reading goes on. A count above 10 is taken as 10 and one below 0 as 0: the screens have
// boxes and rows for ten teams. A team for which the file has no line left keeps what its slot held.
// Never fails, whatever the bytes; costs the bytes it is given and at most the decoded text of the five
// fields it reads, however long the lines and however many the fields.
void readBoard(QByteArrayView bytes, Module1& state);

} // namespace game
