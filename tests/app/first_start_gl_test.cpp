// The very first start of a user: a fresh home and XDG folders, no settings file. The window
// comes up with the cone chosen, its input page and its dimension picture, as the program
// itself builds it (the user's folders from the platform). The screenshot goes to the
// artifact folder.
#include "dimension_picture.h"
#include "main_window.h"
#include "platform_folders.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <memory>

using namespace brevant;

namespace {

QString ArtifactDir() {
    QString dir = qEnvironmentVariable("BREVANT_ARTIFACT_DIR", BREVANT_ARTIFACT_DIR);
    dir += "/screenshots";
    QDir().mkpath(dir);
    return dir;
}

// Share of the picture's pixels that are drawn on its black ground.
double LitShare(const QImage& image) {
    qint64 lit = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) > 60) ++lit;
    return double(lit) / double(image.width() * image.height());
}

// Share of the drawn 2x2 device-pixel blocks that are not one flat colour. A picture drawn at
// the device resolution has detail inside its blocks along every edge; a picture drawn at half
// the resolution and blown up has none.
double DetailedBlockShare(const QImage& image) {
    qint64 drawn = 0, detailed = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb a = image.pixel(x, y), b = image.pixel(x + 1, y);
            const QRgb c = image.pixel(x, y + 1), d = image.pixel(x + 1, y + 1);
            if (qGray(a) <= 60 && qGray(b) <= 60 && qGray(c) <= 60 && qGray(d) <= 60) continue;
            ++drawn;
            if (a != b || a != c || a != d) ++detailed;
        }
    return drawn ? double(detailed) / double(drawn) : 0;
}

} // namespace

class FirstStartTest : public QObject {
    Q_OBJECT

private slots:
    void freshUserStartsWithTheCone() {
        const QString home = qEnvironmentVariable("HOME");
        QVERIFY(!QFileInfo::exists(home + "/Documents/Quorvel/Brevant/Brevant.ini"));
        TMainForm window(StandardPlatformFolders());
        window.resize(1000, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(200);
        QVERIFY(QString::fromStdString(window.SettingsPath()).startsWith(home));
        QVERIFY(!QFileInfo::exists(QString::fromStdString(window.SettingsPath())));

        auto* combo = window.findChild<QComboBox*>("LayoutComboBox");
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(combo->currentText(), QString("Cone"));
        QCOMPARE(window.findChild<QTabWidget*>("DimTabControl")->currentIndex(), 0);
        QVERIFY(window.findChild<QLineEdit*>("ConeTopDiameter")->isVisible());
        QVERIFY(!window.findChild<QLineEdit*>("BigPipeDiaEdit")->isVisible());
        auto* picture = window.findChild<DimensionPicture*>("DimImage");
        QCOMPARE(picture->Picture(), 0);
        QVERIFY(picture->isVisible());
        const QImage pictureImage = picture->grab().toImage();
        QVERIFY(LitShare(pictureImage) > 0.005);
        // On a high-density screen (QT_SCALE_FACTOR=2) the window keeps its layout in logical
        // pixels and draws the picture at the full device resolution, not blown up.
        const qreal ratio = window.devicePixelRatio();
        QCOMPARE(pictureImage.devicePixelRatio(), ratio);
        QCOMPARE(pictureImage.width(), qRound(picture->width() * ratio));
        QVERIFY(picture->width() > 300 && picture->height() > 300);
        const QRect inWindow(picture->mapTo(&window, QPoint(0, 0)), picture->size());
        QVERIFY(window.rect().contains(inWindow));
        if (ratio >= 2) QVERIFY2(DetailedBlockShare(pictureImage) > 0.2, "picture drawn blurred");
        const QString name = ratio >= 2 ? "/first-start-scale2.png" : "/first-start.png";
        QVERIFY(window.grab().save(ArtifactDir() + name));
        QVERIFY(window.findChild<QLabel*>("StatusLabel")->text().isEmpty());
    }
};

// The folders are fresh before the application reads any of them.
int main(int argc, char** argv) {
    QTemporaryDir home;
    if (!home.isValid()) return 2;
    const QByteArray root = home.path().toLocal8Bit();
    QDir().mkpath(home.path() + "/runtime");
    QFile::setPermissions(home.path() + "/runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    setenv("HOME", root.constData(), 1);
    setenv("XDG_CONFIG_HOME", (root + "/.config").constData(), 1);
    setenv("XDG_DATA_HOME", (root + "/.local/share").constData(), 1);
    setenv("XDG_CACHE_HOME", (root + "/.cache").constData(), 1);
    setenv("XDG_RUNTIME_DIR", (root + "/runtime").constData(), 1);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Brevant");
    QApplication::setOrganizationName("Quorvel Software");
    FirstStartTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "first_start_gl_test.moc"
