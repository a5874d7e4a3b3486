#include "dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

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
        box.setMinimumWidth(360); // room for the title, which the window manager follows with the program's
        if (box.exec() != QDialog::Accepted)
            return std::nullopt;
        return box.textValue();
    }
    void MsgBox(const QString& text, const QString& title) override {
        QMessageBox box(QMessageBox::NoIcon, title.isEmpty() ? programTitle() : title, text, QMessageBox::Ok,
                        QApplication::activeWindow());
        box.button(QMessageBox::Ok)->setText(QStringLiteral("확인"));
        box.exec();
    }
};

Dialogs*& installed() {
    static Dialogs* dialogs = nullptr;
    return dialogs;
}

} // namespace

Dialogs& Dialogs::current() {
    static ModalDialogs real;
    return installed() ? *installed() : real;
}

void Dialogs::install(Dialogs* dialogs) {
    installed() = dialogs;
}

} // namespace platform
