// Saving the board in play to its board file, asking for a board name the first time.
#include "main.h"

#include "game/board_file.h"
#include "game/keeper.h"
#include "game/module1.h"
#include "platform/convert.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/program.h"

#include <QStringList>

namespace board {

namespace {

QString refusedName() {
    return QStringLiteral(
        "이 이름으로는 저장할 수 없습니다.\n"
        "점수판 이름에는 '/'나 '\\' 같은 폴더 구분 문자, '..', 제어 문자를 쓸 수 없습니다.\n"
        "다시 저장하면서 다른 이름을 넣으세요.");
}

QString scoreTooLarge(const QString& team) {
    return QStringLiteral("'%1' 팀의 점수와 아직 더하지 않은 점수를 합하면 너무 커서 저장할 수 없습니다.\n"
                          "저장하지 않았습니다. 전에 저장한 파일은 그대로 있습니다.")
        .arg(team);
}

QString writeFailed(const QString& fileName, const QString& reason) {
    return QStringLiteral("점수판을 저장하지 못했습니다: %1\n"
                          "프로그램 폴더에 쓸 수 없거나, 디스크가 가득 찼거나, 쓸 수 없는 이름입니다.\n"
                          "전에 저장한 파일은 그대로 있습니다.\n\n(%2)")
        .arg(fileName, reason);
}

QString namesChanged(const std::vector<game::NameChange>& changes) {
    QStringList lines;
    for (const game::NameChange& change : changes)
        lines << QStringLiteral("%1  →  %2").arg(change.name, change.stored);
    return QStringLiteral("다음 팀 이름은 점수판 파일에 그대로 쓸 수 없어서 바꾸어 저장했습니다.\n\n") +
           lines.join(u'\n');
}

// The board file holds the game now; what the operator loses while the game can't be kept is what
// comes after it.
QString gameNotKept(const QString& reason) {
    return QStringLiteral(
               "진행 중인 경기를 따로 보관하지 못하고 있습니다.\n"
               "프로그램이 갑자기 끝나면 지금부터 준 점수는 남지 않으니, 자주 저장하십시오.\n\n(%1)")
        .arg(reason);
}

} // namespace

// Cancel at the name prompt saves nothing: the operator said no, and saving anyway would replace the
// board saved under the empty name without asking. An empty answer confirmed with OK saves ".scr", the
// board with the empty name, as earlier files of that name expect. A save that fails writes nothing,
// says so, and keeps the earlier file; a name typed for it is forgotten, so the next save asks again.
void main::Save_Team() {
    game::Module1& g = game::state();
    platform::Dialogs& dialogs = platform::Dialogs::current();
    bool typedNow = false;
    if (g.Save_Name.isEmpty()) {
        const std::optional<QString> answer = dialogs.InputBoxOrCancel(
            QStringLiteral("저장할 이름을 넣으세요"), QStringLiteral("데이타 저장"), QString());
        if (!answer)
            return;
        if (!game::isSafeBoardName(*answer)) {
            dialogs.MsgBox(refusedName());
            return;
        }
        g.Save_Name = *answer;
        typedNow = true;
    }
    const auto forgetTypedName = [&] {
        if (typedNow)
            g.Save_Name.clear();
    };

    const game::BoardText text = game::writeBoard(g, Add_Score);
    if (text.overflowSlot) {
        dialogs.MsgBox(scoreTooLarge(g.Team_Name(*text.overflowSlot)));
        forgetTypedName();
        return;
    }
    const QString fileName = game::boardFileName(g.Save_Name);
    const platform::WriteResult written = platform::replaceFile(platform::programFile(fileName), text.bytes);
    if (!written.ok) {
        dialogs.MsgBox(writeFailed(fileName, written.reason));
        forgetTypedName();
        return;
    }
    const QString notKept = game::keeper().saved(Add_Score);
    if (!text.changedNames.empty())
        dialogs.MsgBox(namesChanged(text.changedNames));
    dialogs.MsgBox(QStringLiteral("저장이 완료되었습니다."));
    if (!notKept.isEmpty())
        dialogs.MsgBox(gameNotKept(notKept));
}

} // namespace board
