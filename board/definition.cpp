// The board screen as designed: every control with its container, place, size, text, font, colours,
// initial state, stacking and tab order. Behaviour lives in the other files of this folder.
#include "main.h"

#include "platform/fonts.h"
#include "platform/object_names.h"
#include "platform/program.h"
#include "platform/window_order.h"

namespace board {

using platform::CommandButton;
using platform::Face;
using platform::Frame;
using platform::Label;
using platform::rgb;
using platform::TextBox;

namespace {

struct RowDesign {
    QColor colour;
    double buttonLeft, buttonTop;
    double barLeft, barTop, barHeight;
    int buttonTabIndex, barTabIndex;
};

// Orange, green, yellow, blue, pink for rows 0 to 4, and back again for rows 5 to 9.
const RowDesign rowDesign[teamRows] = {
    {rgb(255, 192, 128), 60, 1800, 2610, 1800, 465, 6, 22},
    {rgb(128, 255, 128), 60, 2370, 2610, 2340, 450, 7, 23},
    {rgb(255, 255, 128), 60, 2940, 2640, 2940, 450, 8, 24},
    {rgb(128, 128, 255), 90, 3510, 2670, 3480, 450, 9, 25},
    {rgb(255, 128, 255), 90, 4050, 2670, 4050, 450, 10, 26},
    {rgb(255, 128, 255), 150, 6870, 2730, 6870, 450, 42, 37},
    {rgb(128, 128, 255), 150, 6330, 2730, 6300, 450, 43, 38},
    {rgb(255, 255, 128), 120, 5760, 2700, 5760, 450, 44, 39},
    {rgb(128, 255, 128), 120, 5190, 2670, 5160, 450, 45, 40},
    {rgb(255, 192, 128), 120, 4620, 2670, 4620, 465, 46, 41},
};

const QColor black = rgb(0, 0, 0), white = rgb(255, 255, 255), yellow = rgb(255, 255, 0);
const QColor buttonGrey = rgb(192, 192, 192);

platform::DensePicture picture(const char* name) {
    return platform::DensePicture::load(QStringLiteral(":/assets/") + QLatin1String(name));
}

CommandButton* arrowButton(Frame* strip, double left, double top, const QString& arrow) {
    auto* button = new CommandButton(strip, left, top, 405, 195);
    button->setCaption(arrow);
    button->setFont(platform::font(Face::Gulim, 12, true));
    button->setBackColor(yellow);
    return button;
}

TextBox* readOut(Frame* strip, double left, double width, const QString& text) {
    auto* box = new TextBox(strip, left, 210, width, 375);
    box->setText(text);
    box->setFont(platform::font(Face::Gulim, 20.25, true));
    box->setBackColor(yellow);
    box->setRightAligned(true);
    box->setFlatBorder(true);
    box->setTabStop(false);
    box->setDisplayOnly();
    return box;
}

Label* stripLabel(Frame* strip, double left, double width, const QString& caption) {
    auto* label = new Label(strip, left, 30, width, 195, caption);
    label->setForeColor(yellow);
    label->setTransparent();
    return label;
}

Label* dialogLabel(Frame* dialog, double left, double top, double width, double height,
                   const QString& caption, double points, bool bold, Qt::Alignment alignment) {
    auto* label = new Label(dialog, left, top, width, height, caption);
    if (points > 0)
        label->setFont(platform::font(Face::Gulim, points, bold));
    label->setAlignment(alignment | Qt::AlignTop);
    label->setBackColor(dialog->palette().color(QPalette::Button));
    return label;
}

TextBox* dialogBox(Frame* dialog, double left, double top, const QString& text) {
    auto* box = new TextBox(dialog, left, top, 1365, 435);
    box->setText(text);
    box->setFont(platform::font(Face::Gulim, 15.75, true));
    box->setRightAligned(true);
    return box;
}

} // namespace

void main::defineControls() {
    platform::FormWindow* w = window.get();
    w->setDesign(QString(), black);
    w->resize(658, 646); // the design size; the maximised size takes its place when the window opens

    Timer1 = new platform::IntervalTimer(w, 10);
    Timer2 = new platform::IntervalTimer(w, 10);
    Image1 = std::make_unique<platform::ImageHolder>(picture("background.bmp"));
    Image2 = std::make_unique<platform::ImageHolder>(picture("runner.bmp"));

    // The board canvas and its team rows.
    Picture1 = new platform::Canvas(w, 150, 240, 8055, 7605);
    Picture1->hide();
    // A picture box is a tab stop, the first: the board opens with the focus on its canvas, where Enter
    // or Space does nothing, rather than on the door that ends the program.
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Text1 = new TextBox(Picture1, 2850, 1800, 2505, 525);
    Text1->setFont(platform::font(Face::Gulim, 24, true));
    Text1->setRightAligned(true);
    Text1->hide();
    for (int i = 0; i < teamRows; ++i) {
        const RowDesign& row = rowDesign[i];
        auto* button = new CommandButton(Picture1, row.buttonLeft, row.buttonTop, 2505, 465);
        button->setFont(platform::font(Face::HYGyeonGothic, 21.75));
        button->setBackColor(row.colour);
        button->hide();
        Team_CMD(i) = button;
        auto* bar = new TextBox(Picture1, row.barLeft, row.barTop, 210, row.barHeight);
        bar->setFont(platform::font(Face::HYGyeonGothic, 26.25));
        bar->setBackColor(row.colour);
        bar->setRightAligned(true);
        bar->setFlatBorder(true);
        bar->setTabStop(false);
        bar->setDisplayOnly();
        bar->hide();
        Team_Label(i) = bar;
    }
    platform::stackTopmostFirst({Text1,         Team_CMD(9),   Team_CMD(8),   Team_CMD(7),   Team_CMD(6),
                                 Team_CMD(5),   Team_Label(9), Team_Label(8), Team_Label(7), Team_Label(6),
                                 Team_Label(5), Team_Label(4), Team_Label(3), Team_Label(2), Team_Label(1),
                                 Team_Label(0), Team_CMD(4),   Team_CMD(3),   Team_CMD(2),   Team_CMD(1),
                                 Team_CMD(0)});

    // The command bar.
    Frame1 = new Frame(w, -720, 7980, 10545, 1035);
    Frame1->setBackColor(black);
    Frame1->hide();
    const char* faces[] = {"btn_start.bmp", "btn_load.bmp", "btn_save.bmp", "btn_winner.bmp"};
    for (int i = CommandBar::Start; i <= CommandBar::Winner; ++i) {
        auto* button = new CommandButton(Frame1, 30 + 1530.0 * i + (i == 3 ? 30 : 0), 90, 1490, 540);
        button->setPicture(picture(faces[i]));
        button->setBackColor(buttonGrey);
        Command1(i) = button;
    }
    Command1(CommandBar::End) = new CommandButton(Frame1, 6210, 90, 765, 540);
    Command1(CommandBar::End)->setPicture(picture("exit.gif"));
    Command1(CommandBar::End)->setBackColor(white);
    Command1(CommandBar::End)->setFlat(true);
    Label7 = new Label(Frame1, 2430, 690, 5865, 240,
                       QStringLiteral("Copyright ⓒ 2026 누리빛 놀이연구소. All rights reserved."));
    Label7->setFont(platform::font(Face::Gulim, 9.75));
    Label7->setForeColor(white);
    Label7->setTransparent();
    platform::setDenseCursor(Label7, QStringLiteral(":/assets/hand.cur"));

    Frame2 = new Frame(Frame1, 7050, 60, 3195, 615);
    Frame2->setBackColor(black);
    Label6 = stripLabel(Frame2, 30, 1155, QStringLiteral("최대점수값"));
    Text4 = readOut(Frame2, 30, 1185, QStringLiteral("9999"));
    Command3 = arrowButton(Frame2, 1230, 210, QStringLiteral("▲"));
    Command4 = arrowButton(Frame2, 1230, 390, QStringLiteral("▼"));
    Label8 = stripLabel(Frame2, 1710, 1095, QStringLiteral("달리는 속도"));
    Text5 = readOut(Frame2, 1710, 1035, QStringLiteral("50"));
    Command5 = arrowButton(Frame2, 2760, 210, QStringLiteral("▲"));
    Command6 = arrowButton(Frame2, 2760, 390, QStringLiteral("▼"));
    platform::stackTopmostFirst({Command6, Command5, Text5, Command4, Command3, Text4, Label8, Label6});
    platform::stackTopmostFirst({Frame2, Command1(CommandBar::Back), Command1(CommandBar::Start),
                                 Command1(CommandBar::Save), Command1(CommandBar::Winner),
                                 Command1(CommandBar::End), Label7});

    // The settings dialog, hidden until an operator asks for it.
    Picture2 = new Frame(w, 750, 9600, 5535, 3945, QString(), Frame::Border::Single);
    Picture2->setBackColor(buttonGrey);
    Picture2->hide();
    Label1 = dialogLabel(Picture2, 90, 90, 5355, 495, QStringLiteral("점수판 설정"), 20.25, true,
                         Qt::AlignHCenter);
    Label2 =
        dialogLabel(Picture2, 180, 930, 2715, 405, QStringLiteral("달리는 속도"), 15.75, true, Qt::AlignLeft);
    Text2 = dialogBox(Picture2, 3780, 870, QStringLiteral("1"));
    Label3 =
        dialogLabel(Picture2, 570, 1410, 4605, 225,
                    QStringLiteral("숫자가 작을 수록 빨리 달립니다. [1-1000]"), 0, false, Qt::AlignRight);
    Label4 = dialogLabel(Picture2, 210, 1980, 2715, 405, QStringLiteral("최대 점수값"), 15.75, true,
                         Qt::AlignLeft);
    Text3 = dialogBox(Picture2, 3810, 1920, QStringLiteral("500"));
    Label5 = dialogLabel(Picture2, 570, 2460, 4605, 225,
                         QStringLiteral("최대 점수값에 따라 각 팀별 점수 길이가 달라집니다"), 0, false,
                         Qt::AlignRight);
    Command2 = new CommandButton(Picture2, 420, 3030, 4785, 675);
    Command2->setCaption(QStringLiteral("설정합니다"));
    Command2->setFont(platform::font(Face::Gulim, 20.25));
    Command2->setBackColor(rgb(224, 224, 224));
    platform::stackTopmostFirst({Command2, Text3, Text2, Label5, Label4, Label3, Label2, Label1});

    platform::stackTopmostFirst({Picture2, Frame1, Picture1});

    std::vector<std::pair<int, QWidget*>> tabOrder = {
        {0, Picture1},
        {1, Frame1},
        {2, Command1(CommandBar::End)},
        {3, Command1(CommandBar::Winner)},
        {4, Command1(CommandBar::Save)},
        {5, Command1(CommandBar::Start)},
        {11, Command1(CommandBar::Back)},
        {12, Text1},
        {13, Picture2},
        {14, Label1},
        {15, Label2},
        {16, Text2},
        {17, Label3},
        {18, Text3},
        {19, Label4},
        {20, Label5},
        {21, Command2},
        {27, Label7},
        {28, Frame2},
        {29, Text4},
        {30, Command3},
        {31, Command4},
        {32, Label6},
        {33, Text5},
        {34, Command5},
        {35, Command6},
        {36, Label8},
    };
    for (int i = 0; i < teamRows; ++i) {
        tabOrder.emplace_back(rowDesign[i].buttonTabIndex, Team_CMD(i));
        tabOrder.emplace_back(rowDesign[i].barTabIndex, Team_Label(i));
    }
    platform::applyTabOrder(std::move(tabOrder));
}

// Every control answers to its designed name (findChild, debug output): "Label7", "Team_CMD(3)".
void main::nameControls() {
    const std::pair<QObject*, const char*> named[] = {
        {window.get(), "main"}, {Timer1, "Timer1"}, {Timer2, "Timer2"},     {Picture1, "Picture1"},
        {Text1, "Text1"},       {Frame1, "Frame1"}, {Label7, "Label7"},     {Frame2, "Frame2"},
        {Label6, "Label6"},     {Text4, "Text4"},   {Command3, "Command3"}, {Command4, "Command4"},
        {Label8, "Label8"},     {Text5, "Text5"},   {Command5, "Command5"}, {Command6, "Command6"},
        {Picture2, "Picture2"}, {Label1, "Label1"}, {Label2, "Label2"},     {Text2, "Text2"},
        {Label3, "Label3"},     {Label4, "Label4"}, {Text3, "Text3"},       {Label5, "Label5"},
        {Command2, "Command2"},
    };
    for (const auto& [control, name] : named)
        platform::nameControl(control, name);
    platform::nameControls(Team_CMD, "Team_CMD");
    platform::nameControls(Team_Label, "Team_Label");
    platform::nameControls(Command1, "Command1");
}

void main::connectEvents() {
    platform::FormWindow* w = window.get();
    w->onResize = [this] { Form_Resize(); };
    // Closed by the window manager (there is no close button): the same as leaving through the door.
    w->onClose = [] { platform::endProgram(); };
    QObject::connect(Timer1, &platform::IntervalTimer::Timer, w, [this] { Timer1_Timer(); });
    QObject::connect(Timer2, &platform::IntervalTimer::Timer, w, [this] { Timer2_Timer(); });
    for (int i = CommandBar::Start; i <= CommandBar::End; ++i)
        QObject::connect(Command1(i), &QAbstractButton::clicked, w,
                         [this, i] { Command1_Click(static_cast<Int16>(i)); });
    for (int i = 0; i < teamRows; ++i) {
        QObject::connect(Team_CMD(i), &CommandButton::MouseDown, w,
                         [this, i](int button, int shift, float x, float y) {
                             Team_CMD_MouseDown(static_cast<Int16>(i), button, shift, x, y);
                         });
        QObject::connect(Team_Label(i), &TextBox::GotFocus, w,
                         [this, i] { Team_Label_GotFocus(static_cast<Int16>(i)); });
    }
    QObject::connect(Text1, &TextBox::KeyDown, w, [this](int key, int shift) { Text1_KeyDown(key, shift); });
    QObject::connect(Command3, &QAbstractButton::clicked, w, [this] { Command3_Click(); });
    QObject::connect(Command4, &QAbstractButton::clicked, w, [this] { Command4_Click(); });
    QObject::connect(Command5, &QAbstractButton::clicked, w, [this] { Command5_Click(); });
    QObject::connect(Command6, &QAbstractButton::clicked, w, [this] { Command6_Click(); });
    QObject::connect(Command2, &QAbstractButton::clicked, w, [this] { Command2_Click(); });
    QObject::connect(Label7, &Label::Click, w, [this] { Label7_Click(); });
    connectSettingsDialog();
}

} // namespace board
