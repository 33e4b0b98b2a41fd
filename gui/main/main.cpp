#include <clocale>
#include <string>

#include <QApplication>
#include <QFile>

#include "core/workspace/UserWorkspace.h"
#include "gui/main/Artwork.h"
#include "gui/main/MainWindow.h"
#include "gui/toolkit/QtPrompter.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(porvap::kProgramCaption);
    QApplication::setWindowIcon(porvap::ApplicationIcon());
    // QApplication takes the number format from the environment; the data files are read and
    // written with the C formats.
    std::setlocale(LC_NUMERIC, "C");
    // Started from the menu, the program has no data around it: it works in the user's copy.
    const std::string workspaceError =
        porvap::EnterUserWorkspace(QFile::encodeName(QApplication::applicationDirPath()).data());
    if (!workspaceError.empty())
        porvap::QtPrompter(nullptr, {}).Show(workspaceError, porvap::kProgramCaption);
    porvap::MainWindow window;
    window.showMaximized();
    return QApplication::exec();
}
