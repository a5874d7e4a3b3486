// The command bar: start a race, back to the setup screen, save, celebrate the leader, end the program.
// Every button works at any time, also during a race or a celebration.
#include "main.h"

#include "game/module1.h"
#include "platform/failure.h"
#include "platform/program.h"
#include "platform/sound.h"

namespace board {

using platform::skipOnError;

void main::Command1_Click(Int16 index) {
    const game::Module1& g = game::state();
    switch (index) {
    case CommandBar::Start:
        // A second start during a race recomputes the steps and plays the sound again, but the race
        // keeps the cycles it has left.
        Tick = 0;
        skipOnError([&] { Timer1->setInterval(g.Run_Speed); });
        skipOnError([&] { Computer_Score(); });
        if (Race_Ready) {
            // The program folder's own start.wav, else the one installed with the program. A sound that
            // cannot be played gives way to the default one, or to none: the race runs either way.
            skipOnError([&] {
                platform::Sound::current().PlayAsync(platform::dataFile(QStringLiteral("start.wav")));
            });
            skipOnError([&] { Timer1->setEnabled(true); });
        }
        break;
    case CommandBar::Back:
        // Unloading stops the timers where they are: the points of an interrupted race are not added.
        skipOnError([&] {
            if (showSetupScreen)
                showSetupScreen();
        });
        skipOnError([&] { Unload(); });
        break;
    case CommandBar::Save:
        skipOnError([&] { Save_Team(); });
        break;
    case CommandBar::Winner:
        skipOnError([&] { Win_Score(); });
        break;
    case CommandBar::End:
        platform::endProgram();
        break;
    default:
        break;
    }
}

} // namespace board
