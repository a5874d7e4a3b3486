// The two screens of an extended desktop, a laptop at a ratio of 1 and a 4K projector at a ratio of 2
// (two_screens.json, which CTest hands to Qt's offscreen platform): which screen each window opens on,
// and the board drawn twice as dense on the projector without anything moving.
#include "board/main.h"
#include "game/module1.h"
#include "platform/pictures.h"
#include "setup/FRMlogo.h"
#include "support.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace {

QScreen* screenNamed(const QString& name) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == name)
            return screen;
    return nullptr;
}

void settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The setup screen as the operator left it: dragged so that its centre is on the given screen.
setup::FRMlogo& setupScreenOn(QScreen* screen) {
    setup::FRMlogo& s = setup::FRMlogo::instance();
    s.Show();
    s.window->move(screen->geometry().center() - QPoint(s.window->width() / 2, s.window->height() / 2));
    settle();
    return s;
}

board::main& startBoard(setup::FRMlogo& s) {
    s.Team(0)->setValue(1);
    s.Cmd_Click(setup::CmdButton::Start);
    settle();
    return board::main::instance();
}

QImage plain(QImage image) {
    image.setDevicePixelRatio(1.0);
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

class ScreensTest : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::Environment> env;

private slots:
    void init() {
        env = std::make_unique<testing::Environment>();
        board::main::instance().showSetupScreen = [] { setup::FRMlogo::instance().Show(); };
    }
    void cleanup() { env.reset(); }

    void theDesktopHasTwoScreens() {
        QVERIFY2(screenNamed("laptop") && screenNamed("projector"),
                 "run with QT_QPA_PLATFORM=offscreen:configfile=two_screens.json");
        QCOMPARE(screenNamed("projector")->devicePixelRatio(), 2.0);
    }

    void boardOpensWhereTheSetupScreenIsAndSetupComesBackWhereTheBoardWas_data() {
        QTest::addColumn<QString>("screenName");
        QTest::newRow("projector") << "projector";
        QTest::newRow("laptop") << "laptop";
    }
    void boardOpensWhereTheSetupScreenIsAndSetupComesBackWhereTheBoardWas() {
        QFETCH(QString, screenName);
        QScreen* screen = screenNamed(screenName);
        QVERIFY(screen);
        board::main& b = startBoard(setupScreenOn(screen));
        QVERIFY(b.isLoaded());
        QCOMPARE(b.window->screen(), screen);
        QVERIFY(b.window->isMaximized());
        QCOMPARE(b.window->geometry(), screen->availableGeometry());
        QCOMPARE(b.window->devicePixelRatioF(), screen->devicePixelRatio());

        b.Command1_Click(board::CommandBar::Back); // 불러오기
        settle();
        setup::FRMlogo& s = setup::FRMlogo::instance();
        QVERIFY(s.isLoaded() && s.window->isVisible());
        QCOMPARE(s.window->screen(), screen);
        // Centred to within the few pixels of the frame the window manager adds.
        const QPoint offCentre = s.window->geometry().center() - screen->availableGeometry().center();
        QVERIFY2(qAbs(offCentre.x()) <= 3 && qAbs(offCentre.y()) <= 3,
                 qPrintable(QStringLiteral("%1, %2 off the centre").arg(offCentre.x()).arg(offCentre.y())));
    }

    void theBoardOnTheProjectorIsTwiceAsDense() {
        game::state().Max_Score = 500;
        board::main& b = startBoard(setupScreenOn(screenNamed("projector")));
        game::state().Team_Score(0) = 250;
        b.Set_Board();
        settle();
        const QImage& canvas = b.Picture1->surface();
        QCOMPARE(canvas.devicePixelRatio(), 2.0);
        QCOMPARE(canvas.size(), b.Picture1->size() * 2);

        // Every control stands at the whole logical pixel its twips give, as at a ratio of 1; the bar's
        // end is a device pixel edge at twice that, and the runner starts on it.
        platform::TextBox* bar = b.Team_Label(0);
        const int barEnd = platform::twipsToPixel(static_cast<double>(bar->Left()) + bar->Width());
        const int rowTop = platform::twipsToPixel(b.Team_CMD(0)->Top());
        QCOMPARE(bar->geometry().right() + 1, barEnd);
        const QImage shown = plain(b.Picture1->grab().toImage());
        QCOMPARE(shown.size(), canvas.size());
        const int y = 2 * rowTop + 2 * bar->height() / 2;
        QVERIFY(shown.pixelColor(2 * barEnd - 1, y) != QColor(57, 181, 74));
        QCOMPARE(shown.pixelColor(2 * barEnd, y), QColor(57, 181, 74)); // the runner frame's green margin

        // The runner is the first frame of the dense strip (900 twips high, squeezed to 700), not the
        // designed strip blown up.
        const QImage dense = QImage(platform::denseName(QStringLiteral(":/assets/runner.bmp")));
        QCOMPARE(dense.size(), QSize(262, 720));
        const QRect target(2 * barEnd, 2 * rowTop, 262, 2 * platform::twipsToPixel(700));
        const QImage expected =
            plain(dense.copy(0, 0, 262, 120)
                      .scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        QCOMPARE(plain(canvas.copy(target)), expected);
        const QImage designed(QStringLiteral(":/assets/runner.bmp"));
        const QImage blownUp =
            plain(designed.copy(0, 0, 131, 60)
                      .scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        QVERIFY(plain(canvas.copy(target)) != blownUp);
    }

    // The designed picture up to a ratio of 1, the dense one above it: at 1.5 the 2x pixels are brought
    // down a little, at 3 up by half, both sharper than the 1x pixels blown up.
    void picturesByRatio_data() {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("width");
        QTest::newRow("1") << 1.0 << 131;
        QTest::newRow("1.25") << 1.25 << 262;
        QTest::newRow("1.5") << 1.5 << 262;
        QTest::newRow("2") << 2.0 << 262;
        QTest::newRow("3") << 3.0 << 262;
    }
    void picturesByRatio() {
        QFETCH(double, ratio);
        QFETCH(int, width);
        const auto runner = platform::DensePicture::load(QStringLiteral(":/assets/runner.bmp"));
        QCOMPARE(runner.designed().size(), QSize(131, 360));
        QCOMPARE(runner.forRatio(ratio).width(), width);
        QCOMPARE(runner.forRatio(ratio).deviceIndependentSize(), QSizeF(131, 360));
    }

    void densePicturesStandInForTheDesignedOnes() {
        board::main& b = startBoard(setupScreenOn(screenNamed("projector")));
        // The window icon keeps the designed 32 x 32 at a ratio of 1 and has the dense 64 x 64 at 2.
        const QIcon icon = b.window->windowIcon();
        QCOMPARE(icon.pixmap(QSize(32, 32), 1.0).size(), QSize(32, 32));
        const QPixmap denseIcon = icon.pixmap(QSize(32, 32), 2.0);
        QCOMPARE(denseIcon.size(), QSize(64, 64));
        QCOMPARE(
            plain(denseIcon.toImage()),
            plain(QImage(QStringLiteral(":/assets/icon@2x.ico")).convertToFormat(QImage::Format_ARGB32)));
        // The link cursor: dense pixels, the hot spot on the same fingertip in logical pixels.
        const QCursor cursor = b.Label7->cursor();
        QCOMPARE(cursor.pixmap().size(), QSize(64, 64));
        QCOMPARE(cursor.pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(cursor.hotSpot(), QPoint(6, 0));
        // The exit door keeps its designed place and size.
        QCOMPARE(b.Command1(board::CommandBar::End)->Picture().size(), QSize(34, 33));
        const QImage door = plain(b.Command1(board::CommandBar::End)->grab().toImage());
        const QImage denseDoor = QImage(QStringLiteral(":/assets/exit@2x.gif"));
        const QPoint at(b.Command1(board::CommandBar::End)->width() - 34,
                        b.Command1(board::CommandBar::End)->height() - 33); // centred, doubled
        QCOMPARE(door.pixelColor(at + QPoint(2 * 2 + 8, 2 * 16)), denseDoor.pixelColor(2 * 2 + 8, 2 * 16));
    }
};

QTEST_MAIN(ScreensTest)
#include "test_screens.moc"
