// The saved boards: listing the board files of the program folder, loading the one chosen into the team
// boxes, deleting it.
#include "FRMlogo.h"

#include "game/board_file.h"
#include "game/module1.h"
#include "platform/dialogs.h"
#include "platform/failure.h"
#include "platform/files.h"
#include "platform/program.h"

namespace setup {

using platform::skipOnError;

namespace {
// A board file is a few hundred bytes; reading stops well past anything the program writes, so a huge
// file that merely ends in "scr" can't take the memory.
constexpr qint64 boardFileLimit = qint64{16} * 1024 * 1024;
} // namespace

// While the loaded board is put into the boxes, Load_Busy keeps the name editor shut: the boxes report
// every change of their value as a click.
void FRMlogo::List1_Click() {
    platform::abandonOnFailure([&] {
        game::Module1& g = game::state();
        g.Save_Name = List1->List(List1->ListIndex());
        Load_Busy = true;
        Reset_Team();
        Set_SCR();
        Set_Team();
        List1->hide();
        Load_Busy = false;
        Team_Ready = true;
        Data_Loaded = true;
        Cmd(CmdButton::Delete)->setEnabled(true);
    });
}

void FRMlogo::Load_Data() {
    skipOnError([&] { List1->Clear(); });
    QStringList files;
    skipOnError([&] { files = platform::ordinaryFiles(platform::programFolder()); });
    for (const QString& file : files) {
        if (game::isBoardFileName(file))
            skipOnError([&] { List1->AddItem(game::boardNameOf(file)); });
    }
}

// A file that can't be read yields nothing: the state keeps what it had.
void FRMlogo::Set_SCR() {
    game::Module1& g = game::state();
    skipOnError([&] {
        const std::optional<QByteArray> bytes =
            platform::readFile(platform::programFile(game::boardFileName(g.Save_Name)), boardFileLimit);
        if (bytes)
            game::readBoard(*bytes, g);
    });
}

// A board whose file has gone already is still taken off the screen (there is nothing left to keep),
// and the operator is told. A file that is there but can't be removed stays chosen, so nothing looks
// deleted that is not.
void FRMlogo::Del_Data() {
    platform::abandonOnFailure([&] {
        game::Module1& g = game::state();
        const QString fileName = game::boardFileName(g.Save_Name);
        const platform::RemoveResult removed = platform::removeFile(platform::programFile(fileName));
        if (removed.outcome == platform::Removal::Failed) {
            platform::Dialogs::current().MsgBox(
                QStringLiteral("점수판 파일을 지우지 못했습니다: %1\n\n(%2)").arg(fileName, removed.reason));
            return;
        }
        if (removed.outcome == platform::Removal::Missing)
            platform::Dialogs::current().MsgBox(
                QStringLiteral("지울 점수판 파일이 이미 없습니다: %1").arg(fileName));
        Reset_Team();
        List1->Clear();
        Cmd(CmdButton::Delete)->setEnabled(false);
        Team_Ready = false;
        Load_Busy = false;
        Data_Loaded = false;
        g.Save_Name = QString();
    });
}

} // namespace setup
