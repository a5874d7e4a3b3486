// The race: pending points become score in 30 cycles of 6 ticks of Timer1. Every tick each bar grows by
// its step and the runner frame of the tick is painted at its tip; every sixth tick the shown numbers
// step on; the 181st tick adds the points and redraws the board exactly.
#include "main.h"

#include "game/keeper.h"
#include "game/module1.h"
#include "platform/convert.h"
#include "platform/failure.h"

#include <cmath>

namespace board {

using platform::skipOnError;

namespace {
// 180 growing ticks over 225: a bar grows by about 0.8 of its share of Span, and the closing redraw
// puts it at its exact width.
constexpr double stepDivisor = 225;
} // namespace

void main::Computer_Score() {
    const game::Module1& g = game::state();
    Int32 Span = 0;
    skipOnError(
        [&] { Span = platform::round32(static_cast<double>(window->OuterWidth()) - Team_Label(0)->Left()); });
    Race_Ready = false;
    for (long long i = 0; i <= static_cast<long long>(g.Team_Count) - 1; ++i) {
        // A slot without a place in the arrays (a board file with more than 10 teams) takes no part.
        bool pending = false;
        if (!skipOnError([&] { pending = Add_Score(i) != 0; }))
            continue;
        if (pending) {
            // 100 pending of 500 over a Span of 12735: 0.2 * 12735 / 225 = 11.32, a step of 11 twips.
            // With a maximum of 0, or a step beyond 16 bits, the step of the previous race stays.
            skipOnError([&] {
                Step_Width(i) =
                    platform::round16(platform::divide(Add_Score(i), g.Max_Score) * Span / stepDivisor);
            });
            skipOnError([&] { Step_Score(i) = Add_Score(i) / static_cast<double>(raceCycles); });
            Race_Ready = true;
        } else {
            skipOnError([&] { Step_Width(i) = 0; });
            skipOnError([&] { Step_Score(i) = 0; });
        }
    }
}

void main::Timer1_Timer() {
    const game::Module1& g = game::state();
    if (Race_Left < 1) {
        Race_Left = raceCycles;
        skipOnError([&] { Timer1->setEnabled(false); });
        skipOnError([&] { Over_Computer(); });
        skipOnError([&] { Set_Board(); });
        game::keeper().changed(Add_Score);
        return;
    }
    if (Tick == lastTickOfCycle)
        skipOnError([&] { Race_Left = platform::sub16(Race_Left, 1); });
    for (long long i = 0; i <= static_cast<long long>(g.Team_Count) - 1; ++i) {
        if (Tick == lastTickOfCycle) {
            // The shown number is whole, so each cycle adds the whole part of the step, rounded down:
            // 3.33 per cycle goes up by 3, -0.67 per cycle goes down by 1. A text that is not a 16-bit
            // number (a score above 32767) stays as it is until the closing redraw.
            skipOnError([&] {
                const double next = std::floor(platform::textToInt16(Team_Label(i)->Text()) + Step_Score(i));
                Team_Label(i)->setText(platform::numberText(static_cast<long long>(next)));
            });
        }
        skipOnError(
            [&] { Team_Label(i)->setWidth(static_cast<double>(Team_Label(i)->Width()) + Step_Width(i)); });
        skipOnError([&] { Running(static_cast<Int16>(i)); });
    }
    skipOnError([&] { advanceTick(); });
}

void main::advanceTick() {
    Tick = Tick == lastTickOfCycle ? Int16{0} : platform::add16(Tick, 1);
}

// No erasing and no refresh: each frame covers what the canvas shows, and the canvas puts every painted
// frame on the screen at its next repaint.
void main::Running(Int16 i) {
    const Int32 Bar_End =
        platform::round32(static_cast<double>(Team_Label(i)->Left()) + Team_Label(i)->Width());
    Picture1->PaintPicture(*Image2, Bar_End, Team_CMD(i)->Top(), Image2->Width(), 700, 0,
                           platform::mul16(Tick, 900), Image2->Width(), 900);
}

void main::Over_Computer() {
    game::Module1& g = game::state();
    for (long long i = 0; i <= static_cast<long long>(g.Team_Count) - 1; ++i) {
        // A score that would leave 32 bits stays as it was; its pending points are cleared all the same.
        skipOnError([&] { g.Team_Score(i) = platform::add32(g.Team_Score(i), Add_Score(i)); });
        skipOnError([&] { Add_Score(i) = 0; });
        skipOnError([&] { Team_Label(i)->setText(platform::numberText(g.Team_Score(i))); });
    }
}

} // namespace board
