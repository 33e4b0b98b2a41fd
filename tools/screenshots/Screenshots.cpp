// Pictures of the program for the documentation. Run it with QT_QPA_PLATFORM=offscreen in a
// working directory holding a copy of data/; the PNGs go to the directory given as the
// argument (default "screenshots"):
//   main-<page>.png  the main window with a new case window on each of its input pages
//   about.png        the about box
#include <clocale>
#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QTabWidget>

#include "cases/CaseWindow.h"
#include "shell/AboutBox.h"
#include "shell/Artwork.h"
#include "shell/MainWindow.h"
#include "ui/ScriptedPrompter.h"

namespace {

constexpr QSize kWindowSize(1280, 800);
constexpr int kInputPages = 4;

// "Report Opt." becomes "report-opt".
QString FileStem(const QString& pageTitle) {
    QString stem;
    for (const QChar c : pageTitle.toLower()) {
        if (c.isLetterOrNumber())
            stem += c;
        else if (!stem.isEmpty() && !stem.endsWith('-'))
            stem += '-';
    }
    while (stem.endsWith('-')) {
        stem.chop(1);
    }
    return stem;
}

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

bool SaveInputPages(porvap::TMainForm& window, const QDir& out) {
    window.FileNewItemClick();
    porvap::TMDIChild* child = window.ActiveCaseWindow();
    auto* pages = child ? child->findChild<QTabWidget*>() : nullptr;
    if (!pages || pages->count() < kInputPages) {
        std::fprintf(stderr, "the case window has no input pages\n");
        return false;
    }
    bool saved = true;
    for (int page = 0; page < kInputPages; ++page) {
        pages->setCurrentIndex(page);
        const QString name = "main-" + FileStem(pages->tabText(page)) + ".png";
        saved = Save(window, out.filePath(name)) && saved;
    }
    return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(porvap::kProgramCaption);
    QApplication::setWindowIcon(porvap::ApplicationIcon());
    std::setlocale(LC_NUMERIC, "C");
    const QDir out(argc > 1 ? argv[1] : "screenshots");
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out.path()));
        return 1;
    }

    porvap::ScriptedPrompter prompter;
    porvap::TMainForm window(prompter);
    if (window.Catalog().Count() == 0)
        std::fprintf(stderr, "no materials: run this in a copy of data/\n");
    window.resize(kWindowSize);
    window.show();
    bool saved = SaveInputPages(window, out);

    window.HelpAboutItemClick();
    saved = Save(window.AboutBox(), out.filePath("about.png")) && saved;
    window.AboutBox().close();

    for (const auto& shown : prompter.shown) {
        std::fprintf(stderr, "message: %s (%s)\n", shown.text.c_str(), shown.caption.c_str());
    }
    return saved ? 0 : 1;
}
