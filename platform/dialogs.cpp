#include "dialogs.h"

#include "fonts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

QString programTitle() {
    return QStringLiteral("NUV 점수판");
}

namespace {

class ModalDialogs final : public Dialogs {
public:
    QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) override {
        return InputBoxOrCancel(prompt, title, defaultText).value_or(QString());
    }
    std::optional<QString> InputBoxOrCancel(const QString& prompt, const QString& title,
                                            const QString& defaultText) override {
        QInputDialog box(QApplication::activeWindow());
        box.setWindowTitle(title);
        box.setLabelText(prompt);
        box.setTextValue(defaultText);
        box.setOkButtonText(QStringLiteral("확인"));
        box.setCancelButtonText(QStringLiteral("취소"));
        // Legible from the back of the room, and wide enough for the title and a long board name.
        box.setFont(font(Face::Gulim, 12));
        if (auto* field = box.findChild<QLineEdit*>())
            field->setMinimumWidth(360);
        if (box.exec() != QDialog::Accepted)
            return std::nullopt;
        return box.textValue();
    }
    void MsgBox(const QString& text, const QString& title) override {
        QMessageBox box(QMessageBox::NoIcon, title.isEmpty() ? programTitle() : title, text, QMessageBox::Ok,
                        QApplication::activeWindow());
        box.setFont(font(Face::Gulim, 12));
        box.button(QMessageBox::Ok)->setText(QStringLiteral("확인"));
        box.exec();
    }
    std::optional<bool> AskYesNo(const QString& text, const QString& title) override {
        QMessageBox box(QMessageBox::Question, title.isEmpty() ? programTitle() : title, text,
                        QMessageBox::NoButton, QApplication::activeWindow());
        box.setFont(font(Face::Gulim, 12));
        // Asked before any window is active (at start, over the setup screen, a tool window that does
        // not count as one), the box has no parent; its closing must not end the program as the last
        // window's closing does.
        box.setAttribute(Qt::WA_QuitOnClose, false);
        QPushButton* yes = box.addButton(QStringLiteral("예"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("아니요"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        if (box.clickedButton() == yes)
            return true;
        if (box.clickedButton() == no)
            return false;
        return std::nullopt;
    }
};

} // namespace

Dialogs& Dialogs::real() {
    static ModalDialogs instance;
    return instance;
}

} // namespace platform
