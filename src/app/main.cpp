// brevant: the desktop program's entry point.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle("Brevant by Quorvel Software");
    w.show();
    return app.exec();
}
