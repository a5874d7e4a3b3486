#pragma once

#include "module1.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// The kept game: the game in play, written to the program folder after every change, so that a run that
// ends without a save (a crash, a kill, a power cut, the end button) can be continued at the next start.
// A few lines of its own, then the board exactly as the board-file writer writes it, read back by the
// board-file reader:
//
//     scoreboard kept game 1 CR LF     what the file is
//     unsaved;1 CR LF                  changed since the board was started, loaded or saved (1) or not (0)
//     board;%EC%A0%80%EB%85%81 CR LF   the board name, Save_Name, as percent-encoded UTF-8; empty: none
//     pending;20;0;-5 CR LF            each team's pending points, in slot order
//     CR LF                            the end of its own lines
//     3;500;50 CR LF  믿음;100 CR LF  ...  CR LF   the board, scores as raced (pending points apart)
//
// The raced scores and the pending points stay apart, so a board continued from it races its pending
// points as it would have; and a score whose sum with its pending points leaves 32 bits is kept all the
// same. Writing and reading are pure functions on bytes; the keeper does the file handling.
namespace game {

using Pending = platform::CheckedArray<Int32, teamSlots>;

// Its name in the program folder. The saved-boards list never shows it (it does not end in "scr").
inline constexpr char keptGameFileName[] = ".kept-game";

struct KeptGame {
    Module1 state; // teams, names, raced scores, maximum score, speed and the board name
    Pending pending;
    bool unsaved = false;
};

QByteArray writeKeptGame(const KeptGame& game);

// Nothing when the bytes are not a kept game (another file, or one cut short before its board). A line
// or field that does not convert leaves its value as a fresh record has it; never fails otherwise.
std::optional<KeptGame> readKeptGame(QByteArrayView bytes);

// Whether two records hold the same board: teams in play with their names and scores, maximum score,
// speed and board name (slots beyond the teams in play do not count).
bool sameBoard(const Module1& a, const Module1& b);

} // namespace game
