#include "panel.h"

#include "platform/fonts.h"
#include "qr.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace remote {

namespace {

QLabel* line(QWidget* parent, const QString& text, double points, bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setFont(platform::font(platform::Face::Gulim, points, bold));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

} // namespace

PairingPanel::PairingPanel(QWidget* board, const QString& address, const QString& qrText, const QString& code,
                           bool reachable)
    : QFrame(board) {
    setObjectName(QStringLiteral("remotePairingPanel"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    setLineWidth(2);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(8);
    layout->addWidget(line(this, QStringLiteral("휴대폰 리모컨 연결"), 18, true));
    layout->addWidget(line(this, QStringLiteral("휴대폰 카메라로 QR 코드를 찍으세요."), 11));

    auto* qr = new QLabel(this);
    qr->setObjectName(QStringLiteral("qrCode"));
    const QImage image = qrImage(qrText.toUtf8());
    const int side = image.width() * qMax(1, 260 / qMax(1, image.width()));
    qr->setPixmap(QPixmap::fromImage(image.scaled(side, side, Qt::KeepAspectRatio, Qt::FastTransformation)));
    qr->setAlignment(Qt::AlignCenter);
    layout->addWidget(qr);

    layout->addWidget(line(this, QStringLiteral("또는 휴대폰 브라우저의 주소 창에 이 주소를 넣고"), 11));
    QLabel* shownAddress = line(this, address, 16, true);
    shownAddress->setObjectName(QStringLiteral("address"));
    layout->addWidget(shownAddress);
    layout->addWidget(line(this, QStringLiteral("이 여섯 자리 번호를 넣으세요."), 11));
    QLabel* shownCode = line(this, code.left(3) + QStringLiteral(" ") + code.mid(3), 26, true);
    shownCode->setObjectName(QStringLiteral("code"));
    layout->addWidget(shownCode);
    if (!reachable)
        layout->addWidget(line(this,
                               QStringLiteral("이 노트북이 네트워크에 연결되어 있지 않습니다. 휴대폰과 같은 "
                                              "와이파이에 연결하세요."),
                               10));
    countdown_ = line(this, QString(), 10);
    layout->addWidget(countdown_);
    auto* close = new QPushButton(QStringLiteral("닫기"), this);
    close->setFont(platform::font(platform::Face::Gulim, 12));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    clock_.setInterval(1000);
    connect(&clock_, &QTimer::timeout, this, &PairingPanel::tick);
    clock_.start();
    secondsLeft_ = openSeconds + 1;
    tick();
    setMinimumWidth(460);
    adjustSize();
    centre();
    raise();
    show();
    close->setFocus();
}

void PairingPanel::tick() {
    if (--secondsLeft_ <= 0) {
        close();
        return;
    }
    countdown_->setText(QStringLiteral("이 창은 %1분 %2초 뒤에 닫히고, 그 뒤에는 연결할 수 없습니다.")
                            .arg(secondsLeft_ / 60)
                            .arg(secondsLeft_ % 60, 2, 10, QLatin1Char('0')));
}

void PairingPanel::centre() {
    if (QWidget* board = parentWidget())
        move((board->width() - width()) / 2, qMax(0, (board->height() - height()) / 2));
}

void PairingPanel::closeEvent(QCloseEvent* event) {
    clock_.stop();
    emit finished();
    QFrame::closeEvent(event);
}

} // namespace remote
