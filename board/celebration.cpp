// The winner celebration: the leader's runner runs in place for 5 cycles of 6 ticks of Timer2 while its
// bar takes the colours of bars 1, 2, 3, 4, 5, 0, 1, ... in turn; the 31st tick redraws the board.
#include "main.h"

#include "game/module1.h"
#include "platform/failure.h"

namespace board {

using platform::skipOnError;

void main::Win_Score() {
    const game::Module1& g = game::state();
    // Only a positive score leads; on a tie the lower slot keeps the lead. With no positive score the
    // leader of the previous celebration is celebrated again.
    Int32 Best = 0;
    for (long long i = 0; i <= static_cast<long long>(g.Team_Count) - 1; ++i) {
        skipOnError([&] {
            if (g.Team_Score(i) > Best) {
                Best = g.Team_Score(i);
                Winner = platform::to16(i);
            }
        });
    }
    // Shared with the race: a celebration started during a race restarts the race's cycle as well.
    Tick = 0;
    skipOnError([&] { Timer2->setInterval(g.Run_Speed); });
    skipOnError([&] { Timer2->setEnabled(true); });
}

void main::Timer2_Timer() {
    if (Flash_Left < 1) {
        Flash_Left = celebrationCycles;
        skipOnError([&] { Timer2->setEnabled(false); });
        // The closing redraw wipes the runner frames; the bar keeps the last colour it was given.
        skipOnError([&] { Set_Board(); });
        return;
    }
    if (Tick == lastTickOfCycle)
        skipOnError([&] { Flash_Left = platform::sub16(Flash_Left, 1); });
    skipOnError([&] { Running(Winner); });
    skipOnError([&] { advanceTick(); });
    // Bars 0 to 5 always exist, played or not; the leader copies its own colour when Tick is its slot.
    skipOnError([&] { Team_Label(Winner)->setBackColor(Team_Label(Tick)->BackColor()); });
}

} // namespace board
