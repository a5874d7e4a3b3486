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
        bool ok = false;
        const QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                                   QLineEdit::Normal, defaultText, &ok);
        return ok ? text : QString();
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
