// One program per user: the first start listens, a later one hands its files over and ends,
// a socket left by a crash does not block a start; and the window opens handed-over files as
// "Load Definition" does.
#include "app_fixture.h"

#include "single_instance.h"

#include <QComboBox>
#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>

#include <future>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace brevant;
using namespace brevant::apptest;

namespace {

// A later start runs in another thread: its hand-over blocks until the first one's event loop
// answers, which the test thread keeps running meanwhile.
SingleInstance::Start ClaimElsewhere(const QString& folder, const QStringList& files) {
    auto later = std::async(std::launch::async, [folder, files] {
        SingleInstance instance(folder);
        return instance.Claim(files, 3000);
    });
    while (later.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QTest::qWait(10);
    return later.get();
}

// A Unix socket bound to path and closed without being removed, as a crashed program leaves it.
bool LeaveDeadSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    if (bytes.size() >= static_cast<qsizetype>(sizeof(address.sun_path))) return false;
    std::copy(bytes.begin(), bytes.end(), address.sun_path);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
                       ::listen(fd, 1) == 0;
    ::close(fd);
    return bound;
}

void WriteFile(const QString& path, const QByteArray& text) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

const QByteArray kHopper = "[DIMENSIONS]\nTopDiameter=10\nBottomDiameter=20\nConeHeight=10\n";

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void laterStartHandsItsFilesToTheFirst() {
        QTemporaryDir runtime;
        SingleInstance first(runtime.path());
        QCOMPARE(first.Claim({}), SingleInstance::Start::First);
        QVERIFY(QFileInfo(first.SocketPath()).exists());
        QSignalSpy received(&first, &SingleInstance::filesReceived);
        const QStringList files = {"/data/hopper.layout", "/data/tee piece.layout"};
        QCOMPARE(ClaimElsewhere(runtime.path(), files), SingleInstance::Start::HandedOver);
        QTRY_COMPARE(received.count(), 1);
        QCOMPARE(received.at(0).at(0).toStringList(), files);
        // A start with no files still reaches the running program (which comes to the front).
        QCOMPARE(ClaimElsewhere(runtime.path(), {}), SingleInstance::Start::HandedOver);
        QTRY_COMPARE(received.count(), 2);
        QCOMPARE(received.at(1).at(0).toStringList(), QStringList());
    }

    void bytesThatAreNoHandOverOpenNothing() {
        QTemporaryDir runtime;
        SingleInstance first(runtime.path());
        QCOMPARE(first.Claim({}), SingleInstance::Start::First);
        QSignalSpy received(&first, &SingleInstance::filesReceived);
        QLocalSocket stranger;
        stranger.connectToServer(first.SocketPath());
        QVERIFY(stranger.waitForConnected(2000));
        stranger.write("4294967295:huge\n");
        QVERIFY(stranger.waitForBytesWritten(2000));
        QTRY_COMPARE(stranger.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(received.count(), 0);
        // The program still answers a real second start.
        QCOMPARE(ClaimElsewhere(runtime.path(), {"/a.layout"}), SingleInstance::Start::HandedOver);
        QTRY_COMPARE(received.count(), 1);
    }

    void separateRuntimeFoldersDoNotMeet() {
        QTemporaryDir one, two;
        SingleInstance a(one.path());
        SingleInstance b(two.path());
        QCOMPARE(a.Claim({}), SingleInstance::Start::First);
        QCOMPARE(b.Claim({}), SingleInstance::Start::First);
    }

    void socketLeftByACrashDoesNotBlockAStart() {
        QTemporaryDir runtime;
        SingleInstance probe(runtime.path());
        QVERIFY(LeaveDeadSocket(probe.SocketPath()));
        QVERIFY(QFileInfo(probe.SocketPath()).exists());
        SingleInstance first(runtime.path());
        QCOMPARE(first.Claim({}), SingleInstance::Start::First);
        QSignalSpy received(&first, &SingleInstance::filesReceived);
        QCOMPARE(ClaimElsewhere(runtime.path(), {"/a.layout"}), SingleInstance::Start::HandedOver);
        QTRY_COMPARE(received.count(), 1);
    }

    void endedProgramFreesTheName() {
        QTemporaryDir runtime;
        {
            SingleInstance first(runtime.path());
            QCOMPARE(first.Claim({}), SingleInstance::Start::First);
        }
        SingleInstance next(runtime.path());
        QCOMPARE(next.Claim({}), SingleInstance::Start::First);
    }

    void unusableFolderRunsAlone() {
        SingleInstance nowhere("/nonexistent/brevant-runtime");
        QCOMPARE(nowhere.Claim({}), SingleInstance::Start::Alone);
        SingleInstance unnamed{QString()};
        QCOMPARE(unnamed.Claim({}), SingleInstance::Start::Alone);
    }

    void relativeFilesResolveAgainstTheStartingFolder() {
        const QStringList got = SingleInstance::AbsoluteFiles(
            {"hopper.layout", "../jobs/tee.layout", "/abs/x.layout", "./a b.layout"},
            "/home/sam/shop");
        const QStringList want = {"/home/sam/shop/hopper.layout", "/home/sam/jobs/tee.layout",
                                  "/abs/x.layout", "/home/sam/shop/a b.layout"};
        QCOMPARE(got, want);
    }

    void windowOpensAHandedOverFileAndCalculates() {
        AppFixture app;
        const QString path = app.dir.filePath("hopper.layout");
        WriteFile(path, kHopper);
        // Named before the window is ready: it waits, then loads and calculates.
        app.window->OpenFiles({path});
        QCOMPARE(app.window->windowTitle(), QString("Brevant by Quorvel Software"));
        app.Show();
        QCOMPARE(app.window->windowTitle(), QString("Brevant [hopper.layout]"));
        QCOMPARE(app.Find<QComboBox>("LayoutComboBox")->currentIndex(), 0);
        QCOMPARE(app.EditOf("ConeTopDiameter")->text(), QString("10"));
        QVERIFY2(app.Find<QLabel>("LargeRadius")->text().startsWith("22.36"),
                 qPrintable(app.Find<QLabel>("LargeRadius")->text()));
        QVERIFY(app.messages.empty());
    }

    void missingFileShowsTheLoadError() {
        AppFixture app;
        app.Show();
        const QString path = app.dir.filePath("gone.layout");
        app.window->OpenFiles({path});
        QCOMPARE(app.messages.size(), size_t(1));
        QVERIFY2(app.messages[0].title.contains(path), qPrintable(app.messages[0].title));
        QCOMPARE(app.window->windowTitle(), QString("Brevant by Quorvel Software"));
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
