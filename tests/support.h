#pragma once

// What every GUI test shares: answered dialogs, an observed sound and browser, a scratch program folder,
// a recorded end of the program, a fresh game state, and GuiTest, the fixture base that sets them up.
#include "fixtures.h"
#include "platform/browser.h"
#include "platform/dialogs.h"
#include "platform/sound.h"

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>
#include <deque>
#include <memory>
#include <optional>

namespace testing {

class AnsweredDialogs final : public platform::Dialogs {
public:
    std::deque<QString> answers; // next InputBox answers; "" when none is left (as Cancel gives)
    QStringList prompts;         // "title|prompt|default" of every InputBox asked
    QStringList messages;        // "title|text" of every MsgBox shown
    QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    // An answer that presses Cancel; no answer left presses Cancel too.
    static const QString cancel;
    std::optional<QString> InputBoxOrCancel(const QString& prompt, const QString& title,
                                            const QString& defaultText) override;
    void MsgBox(const QString& text, const QString& title) override;
    // Next AskYesNo answers: true for "예", false for "아니요", nothing for a box closed by the program's
    // end; "아니요" when none is left (Escape).
    std::deque<std::optional<bool>> yesNo;
    QStringList questions; // "title|text" of every AskYesNo asked
    std::optional<bool> AskYesNo(const QString& text, const QString& title) override;
};

class ObservedSound final : public platform::Sound {
public:
    QStringList played;
    void PlayAsync(const QString& wavPath) override { played << wavPath; }
};

class ObservedBrowser final : public platform::Browser {
public:
    QList<QUrl> opened;
    bool canStart = true;
    bool Open(const QUrl& url) override {
        opened << url;
        return canStart;
    }
};

// Installs all of the above for the life of a test, with a fresh scratch program folder, a zeroed game
// state, no pending points on the board and a fresh keeper of the kept game; the end of the program is
// counted instead of carried out.
class Environment {
public:
    Environment();
    ~Environment();
    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;

    AnsweredDialogs dialogs;
    ObservedSound sound;
    ObservedBrowser browser;
    int programEnded = 0;
    int setupShown = 0;
    QString folder() const { return folder_->path(); }

private:
    std::unique_ptr<QTemporaryDir> folder_;
};

// A file-size limit makes every write past it fail with "file too large", as a full disk does, and it
// holds for root, who writes past file permissions.
class DiskFull {
public:
    explicit DiskFull(long long bytes);
    ~DiskFull();
    DiskFull(const DiskFull&) = delete;
    DiskFull& operator=(const DiskFull&) = delete;

private:
    unsigned long long old_ = 0;
};

// The base of every test that drives a screen: init() gives each test function a fresh Environment,
// cleanup() unloads both screens and takes it down again. A test class derives from it and reads env.
class GuiTest : public QObject {
    Q_OBJECT
protected:
    std::unique_ptr<Environment> env;

private slots:
    void init() { env = std::make_unique<Environment>(); }
    void cleanup() { env.reset(); }
};

// Lets the deletions a screen deferred (its window, closed from inside its own event) run now.
void flushDeletes();

// The object names of the controls on a window (every widget placed in twips), in creation order.
QStringList controlNames(const QWidget* window);

// Unloads both screens and lets their deferred deletions run.
void unloadScreens();

// Shows the race board and gives its window a client area of the size asked, in pixels (15 twips each),
// laid out for it; returns whether the window got that size.
bool showBoardSized(int width, int height);

} // namespace testing
