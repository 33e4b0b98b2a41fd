// Pictures of the materials editor for the documentation. Run it with
// QT_QPA_PLATFORM=offscreen in a working directory holding a copy of data/; the PNGs go to
// the directory given as the argument (default "screenshots"):
//   materials-editor-browsing.png  a material of the catalog selected
//   materials-editor-including.png a new material from constant properties
#include <clocale>
#include <cstdio>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/materials/MaterialCatalog.h"
#include "core/workspace/DirectoryConfig.h"
#include "core/workspace/RunningSimulations.h"
#include "gui/materials/MaterialsEditor.h"
#include "gui/toolkit/ScriptedPrompter.h"

namespace {

void Settle() {
    for (int k = 0; k < 5; ++k) {
        QApplication::processEvents();
    }
}

bool Save(QWidget& window, const QString& path) {
    Settle();
    const bool saved = window.grab().save(path);
    std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

template <class T>
T* Control(QWidget& window, const char* name) {
    return window.findChild<T*>(name);
}

// What a user fills in for a lime plaster of constant properties.
void StartLimePlaster(porvap::MaterialsEditor& editor) {
    Control<QComboBox>(editor, "ComboBox1")->setEditText("Lime plaster");
    editor.ComboBox1KeyPress();
    Control<QPushButton>(editor, "Button3")->click();
    Control<QRadioButton>(editor, "RadioButton3")->click();
    Control<QLineEdit>(editor, "Edit1")->setText("lime_plaster.dat");
    Control<QLineEdit>(editor, "Edit10")->setText("1600.0");
    Control<QLineEdit>(editor, "Edit9")->setText("0.30");
    Control<QLineEdit>(editor, "Edit11")->setText("840.0");
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QDir out(argc > 1 ? argv[1] : "screenshots");
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out.path()));
        return 1;
    }

    porvap::ScriptedPrompter prompter;
    porvap::MaterialCatalog catalog;
    catalog.LoadCatalog(prompter);
    if (catalog.Count() == 0)
        std::fprintf(stderr, "no materials: run this in a copy of data/\n");
    porvap::DirectoryConfig directories;
    directories.Read();
    const porvap::SimulationCounter simulations;
    porvap::MaterialsEditor editor(catalog, directories, simulations, prompter, nullptr);
    editor.show();
    bool saved = Save(editor, out.filePath("materials-editor-browsing.png"));
    StartLimePlaster(editor);
    saved = Save(editor, out.filePath("materials-editor-including.png")) && saved;

    for (const auto& shown : prompter.shown) {
        std::fprintf(stderr, "message: %s (%s)\n", shown.text.c_str(), shown.caption.c_str());
    }
    return saved ? 0 : 1;
}
