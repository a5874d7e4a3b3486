#pragma once

#include "platform/arith.h"
#include "platform/checked_array.h"

#include <QString>

namespace game {

using platform::Int16;
using platform::Int32;

// Slots 0 to 10: the teams in play are packed into 0 to Team_Count - 1; slot 10 exists but has no row
// on the board. Any other subscript is a Failure.
inline constexpr int teamSlots = 11;

// The one record both screens share: which teams play, their names and scores, the score that fills a
// whole bar, the animation speed and the board file in use. Everything is zero or empty at start.
struct Module1 {
    Int16 Team_Count = 0;
    platform::CheckedArray<QString, teamSlots> Team_Name;
    platform::CheckedArray<Int32, teamSlots> Team_Score;
    Int32 Max_Score = 0;
    Int16 Run_Speed = 0;
    QString Save_Name; // board name without folder and ".scr"; "" means none yet
};

// The program-wide instance.
Module1& state();

} // namespace game
