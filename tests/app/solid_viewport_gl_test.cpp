// The "Solid" tab's OpenGL viewport after a Calculate of each layout type: the part shows as a
// shaded silhouette in the middle, the view presets and the wheel change the picture, a drag
// orbits, and where OpenGL is missing or refused a sentence stands in its place. The pictures
// are saved for people to look at.
#include "app_fixture.h"

#include "solid_gl_window.h"
#include "solid_viewport.h"

#include <QComboBox>
#include <QDir>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QScreen>
#include <QTabWidget>
#include <QWheelEvent>

using namespace brevant;
using namespace brevant::apptest;

namespace {

constexpr int kSolidTab = 1;

QString ArtifactDir() {
    QString dir = qEnvironmentVariable("BREVANT_ARTIFACT_DIR", BREVANT_ARTIFACT_DIR);
    dir += "/screenshots";
    QDir().mkpath(dir);
    return dir;
}

// A pixel of the shaded part: the surfaces are never darker than their emissive grey, while
// the background is black and the grids are a faint grey.
bool SurfacePixel(QRgb p) {
    return qGray(p) > 60;
}

// The share of part pixels inside the given rectangle.
double SurfaceShare(const QImage& image, const QRect& area) {
    qint64 lit = 0, all = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x, ++all)
            if (SurfacePixel(image.pixel(x, y))) ++lit;
    return all ? double(lit) / double(all) : 0;
}

qint64 SurfaceCount(const QImage& image) {
    return qint64(SurfaceShare(image, image.rect()) * image.width() * image.height());
}

// The middle half of the picture in each direction.
QRect Centre(const QImage& image) {
    return QRect(image.width() / 4, image.height() / 4, image.width() / 2, image.height() / 2);
}

double DifferentShare(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return 1;
    qint64 differ = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++differ;
    return double(differ) / (double(a.width()) * a.height());
}

void Wheel(QWidget* w, int delta) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

// The OpenGL windows of the application (the 3D view's).
int OpenGLWindows() {
    int n = 0;
    for (const QWindow* w : QGuiApplication::allWindows())
        if (qobject_cast<const SolidGLWindow*>(w)) ++n;
    return n;
}

// Whether this display's OpenGL rasterises on the processor.
bool SoftwareRenderer() {
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    if (!context.create() || !context.makeCurrent(&surface)) return false;
    const auto* name = reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER));
    const bool software = IsSoftwareRenderer(QString::fromLatin1(name));
    context.doneCurrent();
    return software;
}

struct SolidApp {
    AppFixture app;
    SolidViewport* view = nullptr;

    // Chooses the layout type, types its values, calculates and shows the "Solid" tab.
    bool Calculate(int type, const QStringList& edits) {
        app.Show(1100, 760);
        app.Find<QComboBox>("LayoutComboBox")->setCurrentIndex(type);
        for (qsizetype i = 0; i + 1 < edits.size(); i += 2)
            app.Commit(edits[i].toUtf8().constData(), edits[i + 1]);
        app.Trigger("CalculateMenu");
        app.Find<QTabWidget>("DisplayTabControl")->setCurrentIndex(kSolidTab);
        view = app.Find<SolidViewport>("Viewport3D1");
        QApplication::processEvents();
        return view && app.messages.empty();
    }
    QImage Grab() { return view->grabFramebuffer(); }
    // The viewport's pixels as the display has them, once pending repaints are done.
    QImage OnScreen() {
        QTest::qWait(100);
        QApplication::processEvents();
        const QPoint at = view->mapTo(view->window(), QPoint(0, 0));
        return view->screen()
            ->grabWindow(view->window()->winId(), at.x(), at.y(), view->width(), view->height())
            .toImage();
    }
    void Save(const QImage& image, const QString& name) {
        QVERIFY(image.save(ArtifactDir() + "/solid-" + name + ".png"));
    }
};

} // namespace

class SolidViewportTest : public QObject {
    Q_OBJECT

private slots:
    void partShowsAndViewsChangeIt_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("edits"); // name, text, name, text, ...
        QTest::newRow("cone") << 0
                              << QStringList{"ConeTopDiameter", "10", "ConeBottomDiameter", "20",
                                             "ConeHeight",      "10", "ConeTopXShift",      "3"};
        QTest::newRow("square-to-round")
            << 1
            << QStringList{"SquareWidth",       "20", "SquareLength",    "16", "SquareHeight", "12",
                           "SquareTopDiameter", "10", "SquareTopXShift", "2"};
        QTest::newRow("spiral-flight")
            << 2 << QStringList{"SpiralODEdit", "21", "SpiralIDEdit", "8", "SpiralPitchEdit", "12"};
        QTest::newRow("pipe-intersection")
            << 3
            << QStringList{"BigPipeDiaEdit", "12", "SmallPipeDiaEdit", "6", "PipeOffsetEdit", "1"};
    }

    void partShowsAndViewsChangeIt() {
        QFETCH(int, type);
        QFETCH(QStringList, edits);
        const QString tag = QString::fromUtf8(QTest::currentDataTag());
        SolidApp s;
        QVERIFY(s.Calculate(type, edits));
        QVERIFY2(s.view->UnavailableText().isEmpty(), qPrintable(s.view->UnavailableText()));

        const QImage reset = s.Grab();
        s.Save(reset, tag + "-reset");
        s.Save(WindowPicture(*s.app.window), tag + "-window");
        QVERIFY2(SurfaceShare(reset, Centre(reset)) > 0.15,
                 qPrintable(QString::number(SurfaceShare(reset, Centre(reset)))));

        s.app.Trigger("TopViewMenu");
        const QImage top = s.Grab();
        s.Save(top, tag + "-top");
        s.app.Trigger("FrontViewMenu");
        const QImage front = s.Grab();
        s.Save(front, tag + "-front");
        QVERIFY(SurfaceShare(top, Centre(top)) > 0.05);
        QVERIFY(SurfaceShare(front, Centre(front)) > 0.05);
        QVERIFY2(DifferentShare(top, front) > 0.03,
                 qPrintable(QString::number(DifferentShare(top, front))));

        // One notch towards the user brings the camera closer: the part grows; one notch away
        // takes it back.
        s.app.Trigger("ResetViewMenu");
        const qint64 before = SurfaceCount(s.Grab());
        Wheel(s.view, -120);
        const QImage closer = s.Grab();
        s.Save(closer, tag + "-wheel-closer");
        QVERIFY2(SurfaceCount(closer) > before * 1.05,
                 qPrintable(QString("%1 -> %2").arg(before).arg(SurfaceCount(closer))));
        Wheel(s.view, 120);
        QVERIFY(SurfaceCount(s.Grab()) < SurfaceCount(closer));
    }

    void leftDragOrbitsTheCamera() {
        SolidApp s;
        QVERIFY(s.Calculate(
            0, {"ConeTopDiameter", "10", "ConeBottomDiameter", "20", "ConeHeight", "10"}));
        const SolidCamera before = s.app.window->Engine().Solid.Camera;
        const QImage still = s.Grab();
        QTest::mousePress(s.view, Qt::LeftButton, {}, QPoint(100, 100));
        QMouseEvent move(QEvent::MouseMove, QPointF(140, 120),
                         s.view->mapToGlobal(QPointF(140, 120)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(s.view, &move);
        QTest::mouseRelease(s.view, Qt::LeftButton, {}, QPoint(140, 120));
        const SolidCamera& after = s.app.window->Engine().Solid.Camera;
        QCOMPARE(after.RotationY, before.RotationY + 40 * 0.3);
        QCOMPARE(after.RotationX, before.RotationX - 20 * 0.3);
        const QImage turned = s.Grab();
        s.Save(turned, "cone-orbited");
        QVERIFY(DifferentShare(still, turned) > 0.01);
    }

    // What the display shows, not a fresh rendering: the view must repaint itself after the
    // commands that change the scene or the camera.
    void commandsRepaintTheScreen() {
        SolidApp s;
        QVERIFY(s.Calculate(
            0, {"ConeTopDiameter", "10", "ConeBottomDiameter", "20", "ConeHeight", "10"}));
        const QImage calculated = s.OnScreen();
        QVERIFY(SurfaceShare(calculated, Centre(calculated)) > 0.15);
        s.app.Trigger("TopViewMenu");
        QVERIFY(DifferentShare(calculated, s.OnScreen()) > 0.03);
        // Another layout type without its inputs leaves the scene empty.
        s.app.Find<QComboBox>("LayoutComboBox")->setCurrentIndex(2);
        const QImage emptied = s.OnScreen();
        s.Save(emptied, "layout-changed-empty");
        QVERIFY(SurfaceShare(emptied, Centre(emptied)) < 0.02);
    }

    // The window starts and paints without OpenGL: no OpenGL window until the "Solid" tab is
    // first shown, and the main window itself never composes its widgets through OpenGL.
    void openGLStartsWithTheSolidTab() {
        AppFixture app;
        app.Show(1000, 700);
        QApplication::processEvents();
        QCOMPARE(OpenGLWindows(), 0);
        QCOMPARE(app.window->windowHandle()->surfaceType(), QSurface::RasterSurface);
        app.Find<QTabWidget>("DisplayTabControl")->setCurrentIndex(brevant::kSolidTab);
        QApplication::processEvents();
        QCOMPARE(OpenGLWindows(), 1);
        QCOMPARE(app.window->windowHandle()->surfaceType(), QSurface::RasterSurface);
    }

    // On a software renderer the view is drawn without multisampling while it is dragged and
    // with it again once the button is released. What the screen shows is saved for both.
    void plainFramesWhileDraggingOnASoftwareRenderer() {
        SolidApp s;
        QVERIFY(s.Calculate(
            0, {"ConeTopDiameter", "10", "ConeBottomDiameter", "20", "ConeHeight", "10"}));
        QTRY_COMPARE(s.view->LastFrameSamples(), kRestSamples);
        s.Save(s.OnScreen(), "screen-at-rest");
        const bool software = SoftwareRenderer();
        QTest::mousePress(s.view, Qt::LeftButton, {}, QPoint(100, 100));
        for (int x = 104; x <= 140; x += 4) {
            QMouseEvent move(QEvent::MouseMove, QPointF(x, 110),
                             s.view->mapToGlobal(QPointF(x, 110)), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QApplication::sendEvent(s.view, &move);
            QTest::qWait(20);
        }
        QTRY_COMPARE(s.view->LastFrameSamples(), software ? 0 : kRestSamples);
        s.Save(s.OnScreen(), "screen-while-dragged");
        QTest::mouseRelease(s.view, Qt::LeftButton, {}, QPoint(140, 110));
        QTRY_COMPARE(s.view->LastFrameSamples(), kRestSamples);
        s.Save(s.OnScreen(), "screen-after-drag");
    }

    void sentenceWhereOpenGLIsMissing() {
        AppFixture app;
        auto* page = Child<QWidget>(app.window.get());
        SolidViewportOptions options;
        options.UseOpenGL = false;
        QWidget* w = MakeSolidViewport(page, app.window->Engine(), options);
        QCOMPARE(w->objectName(), QString("Viewport3D1"));
        auto* label = qobject_cast<QLabel*>(w);
        QVERIFY(label);
        QCOMPARE(label->text(), QString(kNoOpenGLText));
        QCOMPARE(w->cursor().shape(), Qt::SizeAllCursor);
    }

    void sentenceWhereTheShadersAreRefused() {
        AppFixture app;
        app.Show(800, 600);
        SolidViewportOptions options;
        options.Shaders.SurfaceFragment = "void main() { this is not GLSL }";
        QWidget* w = MakeSolidViewport(nullptr, app.window->Engine(), options);
        std::unique_ptr<QWidget> owner(w);
        auto* view = qobject_cast<SolidViewport*>(w);
        QVERIFY(view);
        view->resize(400, 300);
        view->show();
        const QImage picture = view->grabFramebuffer();
        picture.save(ArtifactDir() + "/solid-shaders-refused.png");
        QCOMPARE(view->UnavailableText(), QString(kNoShadersText));
        // The sentence is drawn: some light pixels on the black, not a blank rectangle.
        QVERIFY(SurfaceCount(picture) > 50);
    }
};

QTEST_MAIN(SolidViewportTest)
#include "solid_viewport_gl_test.moc"
