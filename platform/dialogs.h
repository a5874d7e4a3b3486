#pragma once

#include "replaceable.h"

#include <QString>
#include <optional>

class QWidget;

namespace platform {

// The program's title: the caption of the setup screen, and the title of a message box given none.
QString programTitle();

// The modal boxes the screens ask questions and tell things with. The screens go through the current
// Dialogs, so tests answer the boxes instead of a person.
class Dialogs : public Replaceable<Dialogs> {
public:
    virtual ~Dialogs() = default;
    // A modal text prompt with OK and Cancel: the text typed, or "" when cancelled.
    virtual QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) = 0;
    // The same prompt, telling Cancel apart from an empty answer: no value when cancelled. A replacement
    // that does not tell them apart answers through InputBox.
    virtual std::optional<QString> InputBoxOrCancel(const QString& prompt, const QString& title,
                                                    const QString& defaultText) {
        return InputBox(prompt, title, defaultText);
    }
    // A modal message with an OK button; an empty title shows the program's title.
    virtual void MsgBox(const QString& text, const QString& title = {}) = 0;
    // A modal question with "예" (the default: Enter) and "아니요" (Escape): true for "예", false for
    // "아니요", nothing when the box went without an answer (the program is ending). An empty title shows
    // the program's title. A replacement that cannot ask answers nothing, so what was asked about stays as
    // it was.
    virtual std::optional<bool> AskYesNo(const QString& /*text*/, const QString& /*title*/ = {}) {
        return std::nullopt;
    }

private:
    friend Replaceable<Dialogs>;
    static Dialogs& real();
};

} // namespace platform
