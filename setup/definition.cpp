// The setup screen as designed: every control with its container, place, size, text, font, colours,
// initial state, stacking and tab order. Behaviour lives in the other files of this folder.
#include "FRMlogo.h"

#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/object_names.h"
#include "platform/program.h"
#include "platform/window_order.h"

namespace setup {

using platform::CheckBox;
using platform::CommandButton;
using platform::Face;
using platform::Frame;
using platform::Label;
using platform::rgb;

namespace {

const QColor blue = rgb(0, 0, 255), white = rgb(255, 255, 255), lavender = rgb(192, 192, 255);

struct BoxDesign {
    double top;
    const char* caption;
    int tabIndex;
};

// Rows 300 twips apart, except 270 between rows 3 and 4, 4 and 5, and 8 and 9.
const BoxDesign boxDesign[teamBoxes] = {
    {330, "믿음", 5},   {630, "소망", 11},  {930, "사랑", 12},  {1230, "은혜", 13}, {1500, "말씀", 14},
    {1770, "온유", 15}, {2070, "지혜", 16}, {2370, "진리", 17}, {2670, "화평", 18}, {2940, "평안", 19},
};

struct ButtonDesign {
    double top;
    const char* caption;
    int tabIndex;
};

// Top to bottom: start, load, delete, close.
const ButtonDesign buttonDesign[4] = {
    {180, "시작", 1}, {750, "불러오기", 2}, {1890, "닫기", 3}, {1320, "삭제", 10}};

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The stand-in faces set their lines looser than the designed ones, so a line can be taller than its
// label, and set at the top its descenders would be cut off. Set at the bottom, the line gives up only
// the empty room above its letters (Label7's 13 pixels hold the letters of its 13-pixel font, not the
// font's 15-pixel line).
void fitLine(Label* label) {
    if (QFontMetrics(label->font()).height() > label->height())
        label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
}

Label* bandLabel(QWidget* w, double left, double top, double width, double height, const QString& caption,
                 const QFont& font) {
    auto* label = new Label(w, left, top, width, height, caption);
    label->setFont(font);
    label->setTransparent();
    label->setForeColor(rgb(0, 0, 0));
    fitLine(label);
    return label;
}

} // namespace

void FRMlogo::defineControls() {
    platform::FormWindow* w = window.get();
    w->setDesign(platform::programTitle(), blue);
    w->setFixedSize(396, 339);

    // The team frame and its contents.
    Frame1 = new Frame(w, 150, 120, 3615, 3375, QStringLiteral("팀설정"), Frame::Border::Etched);
    Frame1->setFont(platform::font(Face::Gulim, 12, true));
    Frame1->setBackColor(blue);
    Frame1->setCaptionColor(white);
    for (int i = 0; i < teamBoxes; ++i) {
        auto* box = new CheckBox(Frame1, 300, boxDesign[i].top, 2985, 285, text(boxDesign[i].caption));
        box->setFont(platform::font(Face::Gulim, 12, true));
        box->setColors(blue, white);
        Team(i) = box;
    }
    Text1 = new platform::TextBox(Frame1, 540, 330, 2955, 300);
    Text1->setFont(platform::font(Face::Gulim, 12));
    Text1->hide();
    List1 = new platform::ListBox(Frame1, 120, 300, 3375, 2940);
    List1->setFont(platform::font(Face::Gulim, 12));
    List1->hide();
    platform::stackTopmostFirst({List1, Text1, Team(9), Team(8), Team(7), Team(6), Team(5), Team(4), Team(3),
                                 Team(2), Team(1), Team(0)});

    // The command buttons, in one column right of the frame.
    for (int i = 0; i < 4; ++i) {
        auto* button = new CommandButton(w, 3900, buttonDesign[i].top, 1935, 525);
        button->setCaption(text(buttonDesign[i].caption));
        button->setFont(platform::font(Face::Gulim, 15.75, true));
        button->setBackColor(lavender);
        Cmd(i) = button;
    }
    Cmd(CmdButton::Delete)->setEnabled(false);

    // The publisher band.
    Shape1 = new platform::Shape(w, 0, 3810, 5940, 1275, white, lavender, 2);
    Image1 = new platform::ImageBox(w, 75, 3960, 750, 735,
                                    platform::DensePicture::load(QStringLiteral(":/assets/logo.bmp")));
    Label6 = bandLabel(w, 975, 3960, 4020, 375, QStringLiteral("누리빛 놀이연구소"),
                       platform::font(Face::HYGyeonGothic, 20.25));
    Label6->setForeColor(rgb(0, 0, 192));
    Label5 = bandLabel(w, 930, 4380, 4890, 330, QStringLiteral("Nuribit Play Lab"),
                       platform::font(Face::Gulim, 15.75, true));
    Label7 = bandLabel(w, 90, 4770, 5790, 195,
                       QStringLiteral("www.example.org   전화 000-0000-0000   팩스 000-0000-0001"),
                       platform::font(Face::Gulim, 9.75));
    platform::stackTopmostFirst({Cmd(CmdButton::Delete), Cmd(CmdButton::Close), Cmd(CmdButton::Load),
                                 Cmd(CmdButton::Start), Frame1, Image1, Label5, Label6, Label7, Shape1});

    std::vector<std::pair<int, QWidget*>> tabOrder = {
        {0, Frame1}, {4, Text1}, {6, List1}, {7, Label7}, {8, Label6}, {9, Label5},
    };
    for (int i = 0; i < 4; ++i)
        tabOrder.emplace_back(buttonDesign[i].tabIndex, Cmd(i));
    for (int i = 0; i < teamBoxes; ++i)
        tabOrder.emplace_back(boxDesign[i].tabIndex, Team(i));
    platform::applyTabOrder(std::move(tabOrder));
}

// Every control answers to its designed name (findChild, debug output): "List1", "Team(3)".
void FRMlogo::nameControls() {
    const std::pair<QObject*, const char*> named[] = {
        {window.get(), "FRMlogo"}, {Frame1, "Frame1"}, {List1, "List1"},
        {Text1, "Text1"},          {Image1, "Image1"}, {Label5, "Label5"},
        {Label6, "Label6"},        {Label7, "Label7"}, {Shape1, "Shape1"},
    };
    for (const auto& [control, name] : named)
        platform::nameControl(control, name);
    platform::nameControls(Cmd, "Cmd");
    platform::nameControls(Team, "Team");
}

void FRMlogo::connectEvents() {
    platform::FormWindow* w = window.get();
    // The title bar's close button: the same as the close command.
    w->onClose = [] { platform::endProgram(); };
    for (int i = 0; i < 4; ++i)
        QObject::connect(Cmd(i), &QAbstractButton::clicked, w,
                         [this, i] { Cmd_Click(static_cast<Int16>(i)); });
    for (int i = 0; i < teamBoxes; ++i)
        QObject::connect(Team(i), &CheckBox::Click, w, [this, i] { Team_Click(static_cast<Int16>(i)); });
    QObject::connect(Text1, &platform::TextBox::KeyDown, w,
                     [this](int key, int shift) { Text1_KeyDown(key, shift); });
    QObject::connect(List1, &platform::ListBox::Click, w, [this] { List1_Click(); });
}

} // namespace setup
