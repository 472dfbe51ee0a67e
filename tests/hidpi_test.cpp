#include "support/cuttexts.h"
#include "support/guitestbase.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>

using namespace spawnsmith;

// The wizard on a high-DPI screen (a device pixel ratio of 2): windows keep their sizes
// in device-independent pixels, and every picture is drawn from its 2x artwork, not stretched.
class HiDpiTest : public GuiTestBase {
    Q_OBJECT
private slots:
    void screenIsHighDpi();
    void everyWindowRendersAtTwiceItsSize();
    void splashShowsTheSharpLogo();
    void gameButtons_data();
    void gameButtons();
};

void HiDpiTest::screenIsHighDpi() {
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
}

// Every window, at twice the density: the window is exactly its client area (below the menu
// bar, if any), every control lies inside that area, the window icon has its 160-pixel
// drawing, every caption shows whole, and the window renders into twice as many device pixels.
void HiDpiTest::everyWindowRendersAtTwiceItsSize() {
    for (const WindowId id : frame().registeredWindows()) {
        const QString name = objectNameOf(id);
        Window* window = open(name);
        QVERIFY2(window, qPrintable(name));
        QWidget* client = window->client();
        const auto* menuBar = window->findChild<QMenuBar*>();
        const int menuHeight = menuBar ? menuBar->height() : 0;
        QCOMPARE(window->size(), client->size() + QSize(0, menuHeight));

        for (const QWidget* control : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(client->rect().contains(control->geometry()),
                     qPrintable(name + "." + control->objectName() + " sticks out"));

        if (name != "frmgtaccload")
            QCOMPARE(window->windowIcon().pixmap(QSize(80, 80), 2.0).size(), QSize(160, 160));

        const QStringList cut = cutTexts(window);
        QVERIFY2(cut.isEmpty(), qPrintable(name + " cuts " + cut.join(", ")));

        const QPixmap rendered = window->grab();
        QCOMPARE(rendered.devicePixelRatio(), 2.0);
        QCOMPARE(rendered.size(), window->size() * 2);
        frame().unload(id);
        settle();
    }
}

void HiDpiTest::splashShowsTheSharpLogo() {
    open("frmgtaccload");
    auto* logo = control<QLabel>("frmgtaccload", "imggtacclogo");
    QVERIFY(logo);
    QCOMPARE(logo->pixmap().devicePixelRatio(), 2.0);
    QCOMPARE(logo->pixmap().size(), QSize(666, 454));
    // On screen the label shows the 2x drawing pixel for pixel.
    const QImage shown = logo->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage drawing = QImage(":/images/splash@2x.png").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), drawing.size());
    QVERIFY(shown == drawing);
}

void HiDpiTest::gameButtons_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("drawing");
    QTest::newRow("GTA3") << "cmdgta3"
                          << ":/images/gta3@2x.png";
    QTest::newRow("GTA VC") << "cmdgtavc"
                            << ":/images/gtavc@2x.png";
    QTest::newRow("GTA SA") << "cmdgtasa"
                            << ":/images/gtasa@2x.png";
}

// Each game button paints its own game's logo from the 2x drawing.
void HiDpiTest::gameButtons() {
    QFETCH(QString, button);
    QFETCH(QString, drawing);
    open("frmgtapick");
    auto* picture = control<QAbstractButton>("frmgtapick", button);
    QVERIFY(picture);
    QCOMPARE(picture->iconSize(), QSize(200, 200));
    const QPixmap painted = picture->icon().pixmap(picture->iconSize(), 2.0);
    QCOMPARE(painted.size(), QSize(400, 400));
    QVERIFY(painted.toImage().convertToFormat(QImage::Format_RGB32) ==
            QImage(drawing).convertToFormat(QImage::Format_RGB32));
}

// A device pixel ratio of 2 must be in place before the application starts.
int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "hidpi_test.moc"
