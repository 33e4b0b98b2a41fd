#include <clocale>

#include <QApplication>

#include "shell/Artwork.h"
#include "shell/MainWindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(porvap::kProgramCaption);
    QApplication::setWindowIcon(porvap::ApplicationIcon());
    // QApplication takes the number format from the environment; the data files are read and
    // written with the C formats.
    std::setlocale(LC_NUMERIC, "C");
    porvap::TMainForm window;
    window.showMaximized();
    return QApplication::exec();
}
