#include "support.h"

#include "board/main.h"
#include "game/keeper.h"
#include "game/module1.h"
#include "platform/program.h"
#include "platform/twips.h"
#include "setup/FRMlogo.h"

#include <QCoreApplication>
#include <QEvent>
#include <csignal>
#include <sys/resource.h>

namespace testing {

// A control character no one can type into the prompt.
const QString AnsweredDialogs::cancel = QStringLiteral("\x18cancel");

QString AnsweredDialogs::InputBox(const QString& prompt, const QString& title, const QString& defaultText) {
    return InputBoxOrCancel(prompt, title, defaultText).value_or(QString());
}

std::optional<QString> AnsweredDialogs::InputBoxOrCancel(const QString& prompt, const QString& title,
                                                         const QString& defaultText) {
    prompts << title + u'|' + prompt + u'|' + defaultText;
    if (answers.empty())
        return std::nullopt;
    QString answer = answers.front();
    answers.pop_front();
    if (answer == cancel)
        return std::nullopt;
    return answer;
}

void AnsweredDialogs::MsgBox(const QString& text, const QString& title) {
    messages << title + u'|' + text;
}

std::optional<bool> AnsweredDialogs::AskYesNo(const QString& text, const QString& title) {
    questions << title + u'|' + text;
    if (yesNo.empty())
        return false;
    const std::optional<bool> answer = yesNo.front();
    yesNo.pop_front();
    return answer;
}

Environment::Environment() : folder_(std::make_unique<QTemporaryDir>()) {
    platform::Dialogs::install(&dialogs);
    platform::Sound::install(&sound);
    platform::Browser::install(&browser);
    platform::setProgramFolderForTesting(folder_->path());
    platform::setEndProgramHandler([this] { ++programEnded; });
    board::main::instance().showSetupScreen = [this] { ++setupShown; };
    game::state() = game::Module1{};
    game::keeper() = game::Keeper{};
    board::main::instance().Add_Score.fill(0);
}

Environment::~Environment() {
    game::Keeper::waitUntilKept(); // before the scratch folder goes
    unloadScreens();
    board::main::instance().showSetupScreen = nullptr;
    platform::setEndProgramHandler(nullptr);
    platform::setProgramFolderForTesting(QString());
    platform::Browser::install(nullptr);
    platform::Sound::install(nullptr);
    platform::Dialogs::install(nullptr);
}

DiskFull::DiskFull(long long bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    old_ = limit.rlim_cur;
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

DiskFull::~DiskFull() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = old_;
    setrlimit(RLIMIT_FSIZE, &limit);
}

QStringList controlNames(const QWidget* window) {
    QStringList names;
    for (const QWidget* child : window->findChildren<QWidget*>())
        if (dynamic_cast<const platform::TwipsGeometry*>(child))
            names << child->objectName();
    return names;
}

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void unloadScreens() {
    board::main::instance().Unload();
    setup::FRMlogo::instance().Unload();
    flushDeletes();
}

bool showBoardSized(int width, int height) {
    board::main& b = board::main::instance();
    b.Show();
    b.window->setWindowState(Qt::WindowNoState);
    b.window->resize(width, height);
    QCoreApplication::processEvents();
    return b.window->width() == width && b.window->height() == height;
}

} // namespace testing
