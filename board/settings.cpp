// The settings strip: the arrows of the maximum score and of the running speed, the publisher line, and
// the settings dialog, which the operator opens with F2 or a double-click on the strip.
#include "main.h"

#include "game/keeper.h"
#include "game/module1.h"
#include "platform/browser.h"
#include "platform/convert.h"
#include "platform/dialogs.h"
#include "platform/double_click.h"
#include "platform/failure.h"

#include <QApplication>
#include <QKeySequence>
#include <QShortcut>
#include <QUrl>

namespace board {

using platform::skipOnError;

namespace {

const QString publisherAddress = QStringLiteral("https://www.example.org/");

constexpr Int32 maxScoreStep = 100;
constexpr Int16 runSpeedStep = 10;

} // namespace

// The arrows do not skip failing statements: a step that would pass the largest value of its type is
// refused as a whole, like a step below the lowest value, so the setting stays on its ladder of 100s or
// 10s and the next ▼ comes back exactly.
void main::Command3_Click() {
    platform::abandonOnFailure([&] {
        game::Module1& g = game::state();
        g.Max_Score = platform::add32(g.Max_Score, maxScoreStep);
        Text4->setText(platform::numberText(g.Max_Score));
        Set_Board();
    });
    game::keeper().changed(Add_Score);
}

void main::Command4_Click() {
    platform::abandonOnFailure([&] {
        game::Module1& g = game::state();
        if (g.Max_Score <= maxScoreStep)
            return;
        g.Max_Score = platform::sub32(g.Max_Score, maxScoreStep);
        Text4->setText(platform::numberText(g.Max_Score));
        Set_Board();
    });
    game::keeper().changed(Add_Score);
}

// The speed reaches the race timer at the next start or full redraw, and the celebration timer at the
// next celebration: a race or celebration under way keeps its pace.
void main::Command5_Click() {
    platform::abandonOnFailure([&] {
        game::Module1& g = game::state();
        g.Run_Speed = platform::add16(g.Run_Speed, runSpeedStep);
        Text5->setText(platform::numberText(g.Run_Speed));
    });
    game::keeper().changed(Add_Score);
}

void main::Command6_Click() {
    platform::abandonOnFailure([&] {
        game::Module1& g = game::state();
        if (g.Run_Speed <= runSpeedStep)
            return;
        g.Run_Speed = platform::sub16(g.Run_Speed, runSpeedStep);
        Text5->setText(platform::numberText(g.Run_Speed));
    });
    game::keeper().changed(Add_Score);
}

// A box whose text is not a 16-bit number leaves its setting as it was. The read-outs of the strip
// follow, so they never show a setting the board no longer has.
void main::Command2_Click() {
    game::Module1& g = game::state();
    skipOnError([&] { g.Run_Speed = platform::textToInt16(Text2->Text()); });
    skipOnError([&] { g.Max_Score = platform::textToInt16(Text3->Text()); });
    skipOnError([&] { Text5->setText(platform::numberText(g.Run_Speed)); });
    skipOnError([&] { Text4->setText(platform::numberText(g.Max_Score)); });
    skipOnError([&] { Set_Board(); });
    skipOnError([&] { hideSettingsDialog(); });
    game::keeper().changed(Add_Score);
}

void main::Label7_Click() {
    platform::abandonOnFailure([&] {
        if (platform::Browser::current().Open(QUrl(publisherAddress)))
            return;
        platform::Dialogs::current().MsgBox(
            QStringLiteral(
                "웹 브라우저를 시작할 수 없습니다.\n브라우저의 주소 창에 %1 을(를) 직접 입력해 주십시오.")
                .arg(publisherAddress));
    });
}

void main::connectSettingsDialog() {
    platform::FormWindow* w = window.get();
    auto* toggle = new QShortcut(QKeySequence(Qt::Key_F2), w);
    QObject::connect(toggle, &QShortcut::activated, w, [this] {
        if (Picture2->isVisible())
            hideSettingsDialog();
        else
            showSettingsDialog();
    });
    auto* dismiss = new QShortcut(QKeySequence(Qt::Key_Escape), Picture2);
    dismiss->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(dismiss, &QShortcut::activated, w, [this] { hideSettingsDialog(); });
    for (platform::TextBox* box : {Text2, Text3})
        QObject::connect(box, &platform::TextBox::KeyDown, w, [this](int key, int) {
            if (key == platform::KeyReturn)
                Command2_Click();
        });
    new platform::DoubleClickWatcher(Frame2, [this] { showSettingsDialog(); });
    Frame2->setToolTip(QStringLiteral("두 번 누르거나 F2 키를 누르면 점수판 설정 창이 열립니다"));
    Picture2->setToolTip(QStringLiteral("Esc 키를 누르면 바꾸지 않고 닫습니다"));
}

// The boxes start from the board's settings, so applying without typing changes nothing. The dialog
// stands where the layout keeps it, centred over the canvas.
void main::showSettingsDialog() {
    const game::Module1& g = game::state();
    skipOnError([&] { Text2->setText(platform::numberText(g.Run_Speed)); });
    skipOnError([&] { Text3->setText(platform::numberText(g.Max_Score)); });
    skipOnError([&] { Picture2->show(); });
    skipOnError([&] { Text2->setFocus(Qt::OtherFocusReason); });
    skipOnError([&] { Text2->selectAll(); });
}

// The focus leaves the dialog for the canvas first: left to the tab order it would pass to the maximum
// score's ▲, and the Enter that applied the dialog, pressed again, would raise the maximum.
void main::hideSettingsDialog() {
    skipOnError([&] {
        if (Picture2->isAncestorOf(QApplication::focusWidget()))
            Picture1->setFocus(Qt::OtherFocusReason);
    });
    skipOnError([&] { Picture2->hide(); });
}

} // namespace board
