// Start-up and layout of the board: the working fields at load, the canvas and command bar for the
// window's size, and Set_Board, the one procedure that redraws everything from the game state.
#include "main.h"

#include "game/module1.h"
#include "platform/convert.h"
#include "platform/failure.h"

namespace board {

using platform::skipOnError;

void main::Form_Load() {
    Pre_Board();
}

void main::Pre_Board() {
    game::Module1& g = game::state();
    for (long long i = 0; i <= static_cast<long long>(g.Team_Count) - 1; ++i)
        skipOnError([&] { Add_Score(i) = 0; });
    Flash_Left = celebrationCycles;
    Race_Left = raceCycles;
    skipOnError([&] { Text4->setText(platform::numberText(g.Max_Score)); });
    skipOnError([&] { Text5->setText(platform::numberText(g.Run_Speed)); });
}

void main::Form_Resize() {
    // W and H are read afresh at every step, as the window may be resized under us no more than that.
    const auto W = [this] { return static_cast<double>(window->ScaleWidth()); };
    const auto H = [this] { return static_cast<double>(window->ScaleHeight()); };
    Int32 Button_Step = 0;
    skipOnError([&] { Picture1->setTop(0); });
    skipOnError([&] { Picture1->setLeft(0); });
    skipOnError([&] { Picture1->setWidth(W()); });
    skipOnError([&] { Picture1->setHeight(H() - Frame1->Height()); });
    skipOnError([&] { Picture2->setLeft((Picture1->Width() - static_cast<double>(Picture2->Width())) / 2); });
    skipOnError(
        [&] { Picture2->setTop((Picture1->Height() - static_cast<double>(Picture2->Height())) / 2); });
    skipOnError([&] { Frame1->setWidth(W()); });
    skipOnError([&] { Frame1->setLeft(0); });
    skipOnError([&] { Frame1->setTop(Picture1->Height()); });
    skipOnError([&] {
        Button_Step = platform::round32(
            (static_cast<double>(Frame1->Width()) - static_cast<double>(Frame2->Width()) - 120) / 5);
    });
    for (long long i = CommandBar::Start; i <= CommandBar::Winner; ++i)
        skipOnError([&] { Command1(i)->setLeft(platform::add32(platform::mul32(i, Button_Step), 120)); });
    skipOnError(
        [&] { Frame2->setLeft(static_cast<double>(Frame1->Width()) - Frame2->Width() - 120 - Button_Step); });
    skipOnError([&] {
        Command1(CommandBar::End)
            ->setLeft(static_cast<double>(Frame1->Width()) - Command1(CommandBar::End)->Width() - 240);
    });
    skipOnError([&] { Set_Board(); });
    skipOnError([&] { Picture1->show(); });
    skipOnError([&] { Frame1->show(); });
    skipOnError([&] { Label7->setLeft((static_cast<double>(Frame1->Width()) - Label7->Width()) / 2); });
}

void main::Set_Board() {
    const game::Module1& g = game::state();
    const double W = window->ScaleWidth();
    const double H = window->ScaleHeight();
    const long long n = g.Team_Count;
    Int32 Row_Gap = 0;
    Int32 Bar_Room = 0;
    Int32 Bar_End = 0;

    // n + 1 equal gaps spread the rows over a band H * 3/5 - command bar high, 3500 twips down the canvas.
    skipOnError([&] {
        Row_Gap = platform::round32(
            platform::divide(H * 3 / 5 - Frame1->Height() - platform::mul16(n, 465), platform::add16(n, 1)));
    });
    // The whole background, stretched over the whole canvas: this also wipes every runner painted before.
    skipOnError([&] {
        Picture1->PaintPicture(*Image1, 0, 0, Picture1->ScaleWidth(), Picture1->ScaleHeight(), 0, 0,
                               Image1->Width(), Image1->Height());
    });
    for (long long i = 0; i <= n - 1; ++i) {
        skipOnError([&] { Team_CMD(i)->setCaption(g.Team_Name(i)); });
        skipOnError([&] { Team_Label(i)->setText(platform::numberText(g.Team_Score(i))); });
        // The height of bar 0 is the row pitch of every row.
        skipOnError([&] {
            Team_CMD(i)->setTop(static_cast<double>(Team_Label(0)->Height()) * static_cast<double>(i) +
                                platform::mul32(Row_Gap, i + 1) + 3500);
        });
        skipOnError([&] { Team_Label(i)->setTop(Team_CMD(i)->Top()); });
        skipOnError([&] { Team_CMD(i)->setLeft(120); });
        // The bar starts 120 twips right of the button's right edge.
        skipOnError([&] { Team_Label(i)->setLeft(static_cast<double>(Team_CMD(i)->Width()) + 240); });
        // 2000 twips are left at the right for the runner of a bar at the maximum score.
        skipOnError([&] { Bar_Room = platform::round32(W - Team_Label(i)->Left() - 2000); });
        skipOnError(
            [&] { Team_Label(i)->setWidth(platform::divide(g.Team_Score(i), g.Max_Score) * Bar_Room); });
        skipOnError([&] { Team_CMD(i)->show(); });
        skipOnError([&] { Team_Label(i)->show(); });
        skipOnError([&] {
            Bar_End = platform::round32(static_cast<double>(Team_Label(i)->Left()) + Team_Label(i)->Width());
        });
        // The 900-twip first frame squeezed to 700, top at the row's top, left edge at the bar's end.
        skipOnError([&] {
            Picture1->PaintPicture(*Image2, Bar_End, Team_CMD(i)->Top(), Image2->Width(), 700, 0, 0,
                                   Image2->Width(), 900);
        });
    }
    skipOnError([&] { Picture1->Refresh(); });
    skipOnError([&] { Timer1->setInterval(g.Run_Speed); });
}

} // namespace board
