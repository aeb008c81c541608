// Every example as the user opens it, in the "Solid" tab: the reset view Calculate leaves and
// the Top and Front views show the whole part with a margin. The part's pixels keep clear of
// the viewport's border, in a wide window and in a narrow one (a picture higher than wide).
#include "app_fixture.h"
#include "engine/layout_registry.h"

#include "solid_viewport.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTabWidget>

using namespace brevant;
using namespace brevant::apptest;

namespace {

constexpr int kBorder = 3; // pixels along each edge that must stay clear of the part

QString ArtifactDir() {
    QString dir = qEnvironmentVariable("BREVANT_ARTIFACT_DIR", BREVANT_ARTIFACT_DIR);
    dir += "/screenshots";
    QDir().mkpath(dir);
    return dir;
}

// A pixel of the shaded part: silver surfaces are grey and never darker than their emissive
// grey, the branch pipe is aqua. The axes (pure red, green, blue), the faint grids and the
// black background are not the part.
bool PartPixel(QRgb p) {
    const int r = qRed(p), g = qGreen(p), b = qBlue(p);
    const bool grey = std::max({r, g, b}) - std::min({r, g, b}) < 48 && qGray(p) > 60;
    const bool aqua = r < 120 && g > 120 && b > 120 && std::abs(g - b) < 60;
    return grey || aqua;
}

// The box round the part's pixels; empty when there are none.
QRect PartBox(const QImage& image) {
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (PartPixel(image.pixel(x, y))) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The layout type and unit system an example is calculated in, from its golden arguments.
std::pair<int, int> TypeAndUnits(const QString& example) {
    QFile f(QString(BREVANT_SOURCE_DIR) + "/tests/golden/" + example + "/arguments.txt");
    if (!f.open(QIODevice::ReadOnly)) return {-1, -1};
    const QString args = QString::fromUtf8(f.readAll());
    QStringList types; // the registry's keys, in the combo's order
    for (const std::string& key : brevant::LayoutKeys())
        types << QString::fromStdString(key);
    const QStringList units{"in", "cm", "mm"};
    const auto type = QRegularExpression(R"(--type (\w+))").match(args).captured(1);
    const auto unit = QRegularExpression(R"(--units (\w+))").match(args).captured(1);
    return {int(types.indexOf(type)), int(units.indexOf(unit.isEmpty() ? "in" : unit))};
}

} // namespace

class SolidFitTest : public QObject {
    Q_OBJECT

private slots:
    void everyExampleFitsTheViewport_data() {
        QTest::addColumn<QString>("example");
        QTest::addColumn<QSize>("window");
        const QStringList examples =
            QDir(QString(BREVANT_SOURCE_DIR) + "/examples").entryList({"*.layout"}, QDir::Files);
        QVERIFY(examples.size() >= 6);
        for (const QString& file : examples) {
            const QString name = QFileInfo(file).completeBaseName();
            QTest::newRow(qPrintable(name + "-wide")) << name << QSize(1100, 700);
            QTest::newRow(qPrintable(name + "-narrow")) << name << QSize(560, 760);
        }
    }

    void everyExampleFitsTheViewport() {
        QFETCH(QString, example);
        QFETCH(QSize, window);
        const auto [type, units] = TypeAndUnits(example);
        QVERIFY2(type >= 0 && units >= 0, qPrintable(example));
        AppFixture app;
        app.Show(window.width(), window.height());
        LayoutEngine& e = app.window->Engine();
        app.window->Run([&e, units = units] {
            e.Form.UnitsComboBox.itemIndex = units;
            e.UpdateUnitLabels();
        });
        app.Find<QComboBox>("LayoutComboBox")->setCurrentIndex(type);
        const QString path = QString(BREVANT_SOURCE_DIR) + "/examples/" + example + ".layout";
        app.window->OpenFiles({path});
        app.Trigger("CalculateMenu");
        QVERIFY2(app.messages.empty(),
                 qPrintable(app.messages.empty() ? QString() : app.messages.front().title));
        app.Find<QTabWidget>("DisplayTabControl")->setCurrentIndex(brevant::kSolidTab);
        auto* view = app.Find<SolidViewport>("Viewport3D1");
        QVERIFY(view);
        QApplication::processEvents();
        QVERIFY2(view->UnavailableText().isEmpty(), qPrintable(view->UnavailableText()));
        const char* presets[] = {"ResetViewMenu", "TopViewMenu", "FrontViewMenu"};
        for (const char* preset : presets) {
            app.Trigger(preset);
            const QImage image = view->grabFramebuffer();
            const QString tag = QString::fromUtf8(QTest::currentDataTag()) + "-" + preset;
            QVERIFY(image.save(ArtifactDir() + "/fit-" + tag + ".png"));
            const QRect part = PartBox(image);
            QVERIFY2(!part.isEmpty(), qPrintable(tag));
            const QRect inside = image.rect().adjusted(kBorder, kBorder, -kBorder, -kBorder);
            QVERIFY2(inside.contains(part), qPrintable(tag + QString(" part %1,%2 %3x%4 in %5x%6")
                                                                 .arg(part.x())
                                                                 .arg(part.y())
                                                                 .arg(part.width())
                                                                 .arg(part.height())
                                                                 .arg(image.width())
                                                                 .arg(image.height())));
            // Framed, not lost in the middle: the part spans much of the picture one way.
            const double span = std::max(double(part.width()) / image.width(),
                                         double(part.height()) / image.height());
            QVERIFY2(span > 0.5, qPrintable(tag + " spans " + QString::number(span)));
        }
    }
};

QTEST_MAIN(SolidFitTest)
#include "solid_fit_gl_test.moc"
