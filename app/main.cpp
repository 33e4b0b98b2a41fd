#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Porvap 2.0");
    QMainWindow window;
    window.setWindowTitle("Porvap 2.0");
    window.resize(1024, 720);
    window.show();
    return QApplication::exec();
}
