// The phone drives the board through the board's own procedures: an entry is the entry box's commit, the
// buttons are the command bar's. What it cannot do while the board is busy it refuses, so a race or a
// celebration under way is never disturbed from the phone.
#include "board_link.h"

#include "board/main.h"
#include "game/module1.h"
#include "platform/control_kit.h"
#include "platform/convert.h"
#include "platform/dialogs.h"
#include "platform/failure.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QRegularExpression>
#include <QWidget>
#include <algorithm>
#include <optional>

namespace remote {

namespace {

const QString saved = QStringLiteral("저장이 완료되었습니다.");

// The board's boxes are answered here while the phone saves: no prompt appears on the laptop, and what
// the board would have said goes back to the phone.
class CollectedDialogs final : public platform::Dialogs {
public:
    QStringList messages;
    QString InputBox(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> InputBoxOrCancel(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    void MsgBox(const QString& text, const QString&) override { messages << text; }
};

int teamsInPlay() {
    return std::clamp(static_cast<int>(game::state().Team_Count), 0, board::teamRows);
}

std::optional<Answer> refusedWhileBusy() {
    board::main& b = board::main::instance();
    if (!b.isLoaded())
        return Answer{503, QStringLiteral("점수판이 열려 있지 않습니다. 노트북에서 점수판을 여세요.")};
    if (b.Timer1->Enabled())
        return Answer{409, QStringLiteral("경주가 진행 중입니다. 경주가 끝난 뒤에 다시 누르세요.")};
    if (b.Timer2->Enabled())
        return Answer{409, QStringLiteral("승리팀 축하가 진행 중입니다. 끝난 뒤에 다시 누르세요.")};
    if (QApplication::activeModalWidget())
        return Answer{409, QStringLiteral("노트북 화면에 열린 창이 있습니다. 노트북에서 먼저 닫아 주세요.")};
    return std::nullopt;
}

// The laptop's entry box as it was before the phone borrowed it: its place, text, mode, target and
// whether it was open, and where the keyboard focus was.
class BorrowedEntryBox {
public:
    explicit BorrowedEntryBox(board::main& b)
        : b_(b), left_(b.Text1->Left()), top_(b.Text1->Top()), text_(b.Text1->Text()), mode_(b.Edit_Mode),
          team_(b.Edit_Team), open_(b.Text1->isVisible()), focus_(QApplication::focusWidget()) {}
    ~BorrowedEntryBox() {
        platform::skipOnError([&] {
            b_.Text1->setLeft(left_);
            b_.Text1->setTop(top_);
            b_.Text1->setText(text_);
            b_.Edit_Mode = mode_;
            b_.Edit_Team = team_;
            b_.Text1->setVisible(open_);
            if (focus_)
                focus_->setFocus(Qt::OtherFocusReason);
        });
    }
    BorrowedEntryBox(const BorrowedEntryBox&) = delete;
    BorrowedEntryBox& operator=(const BorrowedEntryBox&) = delete;

private:
    board::main& b_;
    double left_, top_;
    QString text_, mode_;
    platform::Int16 team_;
    bool open_;
    QPointer<QWidget> focus_;
};

Answer refusedPoints(const QString& text) {
    static const QRegularExpression number(QStringLiteral(R"(^\s*[-+]?(\d+\.?\d*|\.\d+)\s*$)"));
    if (number.match(text).hasMatch())
        return {400,
                QStringLiteral("점수는 -32768부터 32767까지만 줄 수 있습니다. 아무것도 바꾸지 않았습니다.")};
    return {400, QStringLiteral("'%1'은(는) 숫자가 아닙니다. 점수는 12, -5처럼 숫자로 넣으세요. "
                                "아무것도 바꾸지 않았습니다.")
                     .arg(text.left(20))};
}

} // namespace

QByteArray toJson(const BoardView& view) {
    QJsonArray teams;
    for (const TeamView& team : view.teams)
        teams.append(QJsonObject{{QStringLiteral("slot"), team.slot},
                                 {QStringLiteral("name"), team.name},
                                 {QStringLiteral("score"), team.score},
                                 {QStringLiteral("pending"), team.pending}});
    return QJsonDocument(QJsonObject{{QStringLiteral("loaded"), view.loaded},
                                     {QStringLiteral("teams"), teams},
                                     {QStringLiteral("max"), view.maxScore},
                                     {QStringLiteral("racing"), view.racing},
                                     {QStringLiteral("celebrating"), view.celebrating},
                                     {QStringLiteral("named"), view.named}})
        .toJson(QJsonDocument::Compact);
}

BoardView RaceBoardLink::view() const {
    board::main& b = board::main::instance();
    const game::Module1& g = game::state();
    BoardView view;
    view.loaded = b.isLoaded();
    if (!view.loaded)
        return view;
    for (int i = 0; i < teamsInPlay(); ++i)
        view.teams.append({i, g.Team_Name(i), g.Team_Score(i), b.Add_Score(i)});
    view.maxScore = g.Max_Score;
    view.racing = b.Timer1->Enabled();
    view.celebrating = b.Timer2->Enabled();
    view.named = !g.Save_Name.isEmpty();
    return view;
}

// The text goes into the laptop's entry box and is committed there, so the conversion and the rules are
// the box's own: 12.5 adds 12, a negative number takes away, passing the maximum raises it. Text the box
// would silently ignore is refused here with a reason instead.
Answer RaceBoardLink::givePoints(int slot, const QString& points) {
    if (std::optional<Answer> busy = refusedWhileBusy())
        return *busy;
    if (slot < 0 || slot >= teamsInPlay())
        return {404, QStringLiteral("그런 팀은 없습니다. 화면을 새로 고쳐 보세요.")};
    if (points.size() > 20)
        return refusedPoints(points);
    platform::Int16 value = 0;
    if (!platform::skipOnError([&] { value = platform::textToInt16(points); }))
        return refusedPoints(points);

    board::main& b = board::main::instance();
    game::Module1& g = game::state();
    const qint32 maxBefore = g.Max_Score;
    {
        BorrowedEntryBox borrowed(b);
        b.Team_CMD_MouseDown(static_cast<platform::Int16>(slot), platform::LeftButton, 0, 0, 0);
        b.Text1->setText(points);
        b.Text1_KeyDown(platform::KeyReturn, 0);
    }
    const QString name = g.Team_Name(slot);
    QString message = value >= 0 ? QStringLiteral("%1 팀에 %2점을 더했습니다.").arg(name).arg(value)
                                 : QStringLiteral("%1 팀에서 %2점을 뺐습니다.").arg(name).arg(-value);
    if (g.Max_Score != maxBefore)
        message += QStringLiteral(" 최대점수가 %1(으)로 올라갔습니다.").arg(g.Max_Score);
    return {200, message};
}

Answer RaceBoardLink::startRace() {
    if (std::optional<Answer> busy = refusedWhileBusy())
        return *busy;
    board::main& b = board::main::instance();
    b.Command1_Click(board::CommandBar::Start);
    if (!b.Timer1->Enabled())
        return {200, QStringLiteral("더할 점수가 없어서 출발하지 않았습니다. 먼저 점수를 주세요.")};
    return {200, QStringLiteral("출발! 경주가 시작되었습니다.")};
}

Answer RaceBoardLink::celebrate() {
    if (std::optional<Answer> busy = refusedWhileBusy())
        return *busy;
    board::main::instance().Command1_Click(board::CommandBar::Winner);
    return {200, QStringLiteral("승리팀을 축하합니다.")};
}

Answer RaceBoardLink::save() {
    if (std::optional<Answer> busy = refusedWhileBusy())
        return *busy;
    if (game::state().Save_Name.isEmpty())
        return {409, QStringLiteral("이 점수판은 아직 이름이 없습니다. 노트북에서 '저장하기'를 한 번 눌러 "
                                    "이름을 정하면, 그다음부터 휴대폰으로 저장할 수 있습니다.")};
    CollectedDialogs collected;
    platform::Dialogs* before = &platform::Dialogs::current();
    platform::Dialogs::install(&collected);
    board::main::instance().Command1_Click(board::CommandBar::Save);
    platform::Dialogs::install(before);
    if (collected.messages.contains(saved))
        return {200, QStringLiteral("'%1' 점수판을 저장했습니다.").arg(game::state().Save_Name)};
    return {500, collected.messages.join(u'\n')};
}

} // namespace remote
