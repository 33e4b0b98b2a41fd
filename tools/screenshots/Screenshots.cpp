// Pictures of the program for the documentation. Run it with QT_QPA_PLATFORM=offscreen in a
// working directory holding a copy of data/; the PNGs go to the directory given as the
// argument (default "screenshots"):
//   main-<page>.png    the main window with a new case window on each of its input pages
//   result-<page>.png  the main window with cases/wall-level0.sim after a year's run, on
//                      each of its result pages
//   about.png          the about box
// With "--time CASE.sim" it only opens the case, runs it with the window's charts and
// prints how long the run took, from pressing Run until the button reads "Run" again.
#include <clocale>
#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include "gui/cases/CaseWindow.h"
#include "gui/main/AboutBox.h"
#include "gui/main/Artwork.h"
#include "gui/main/MainWindow.h"
#include "gui/toolkit/ScriptedPrompter.h"

namespace {

constexpr QSize kWindowSize(1280, 800);
constexpr int kInputPages = 4;
constexpr const char* kResultCase = "cases/wall-level0.sim";

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

// Without an event loop running, replaced chart parts would stay on the picture until
// their deferred deletion.
void Settle() {
    for (int k = 0; k < 5; ++k) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

bool Save(QWidget& window, const QString& path) {
    Settle();
    const bool saved = window.grab().save(path);
    std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

bool SaveInputPages(porvap::MainWindow& window, const QDir& out) {
    window.FileNewItemClick();
    porvap::CaseWindow* child = window.ActiveCaseWindow();
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

// The case in a new window of the main window, as the Open command shows it.
porvap::CaseWindow* OpenCase(porvap::MainWindow& window, porvap::ScriptedPrompter& prompter,
                             const char* path) {
    prompter.files.push_back(path);
    window.FileOpenItemClick();
    porvap::CaseWindow* child = window.ActiveCaseWindow();
    if (!child)
        std::fprintf(stderr, "could not open %s\n", path);
    return child;
}

// Seconds from pressing Run until the run is over.
double RunCase(porvap::CaseWindow& child) {
    auto* run = child.findChild<QPushButton*>("Button1");
    QElapsedTimer clock;
    clock.start();
    run->click();
    const double seconds = 1e-3 * static_cast<double>(clock.elapsed());
    if (run->text() != "Run")
        std::fprintf(stderr, "the run has not ended\n");
    return seconds;
}

// G2 shows the profile in the middle of the list, as after a click on it.
void ShowMiddleProfile(porvap::CaseWindow& child) {
    auto* profiles = child.findChild<QListWidget*>("ListBox2");
    if (!profiles || profiles->count() == 0)
        return;
    profiles->setCurrentRow(profiles->count() / 2);
    profiles->scrollToItem(profiles->currentItem(), QAbstractItemView::PositionAtCenter);
}

bool SaveResultPages(porvap::MainWindow& window, porvap::ScriptedPrompter& prompter,
                     const QDir& out) {
    porvap::CaseWindow* child = OpenCase(window, prompter, kResultCase);
    if (!child)
        return false;
    RunCase(*child);
    ShowMiddleProfile(*child);
    auto* pages = child->findChild<QTabWidget*>();
    bool saved = true;
    for (int page = kInputPages; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        const QString name = "result-" + FileStem(pages->tabText(page)) + ".png";
        saved = Save(window, out.filePath(name)) && saved;
    }
    return saved;
}

void PrintMessages(const porvap::ScriptedPrompter& prompter) {
    for (const auto& shown : prompter.shown) {
        std::fprintf(stderr, "message: %s (%s)\n", shown.text.c_str(), shown.caption.c_str());
    }
}

int TimeRun(porvap::MainWindow& window, porvap::ScriptedPrompter& prompter, const char* path) {
    porvap::CaseWindow* child = OpenCase(window, prompter, path);
    if (!child)
        return 1;
    Settle();
    std::printf("window run: %.3f s\n", RunCase(*child));
    PrintMessages(prompter);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(porvap::kProgramCaption);
    QApplication::setWindowIcon(porvap::ApplicationIcon());
    std::setlocale(LC_NUMERIC, "C");
    const bool timing = argc > 2 && std::strcmp(argv[1], "--time") == 0;
    const QDir out(argc > 1 && !timing ? argv[1] : "screenshots");
    if (!timing && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out.path()));
        return 1;
    }

    porvap::ScriptedPrompter prompter;
    porvap::MainWindow window(prompter);
    if (window.Catalog().Count() == 0)
        std::fprintf(stderr, "no materials: run this in a copy of data/\n");
    window.resize(kWindowSize);
    window.show();
    if (timing)
        return TimeRun(window, prompter, argv[2]);
    bool saved = SaveInputPages(window, out);
    window.FileCloseItemClick();
    saved = SaveResultPages(window, prompter, out) && saved;

    window.HelpAboutItemClick();
    saved = Save(window.About(), out.filePath("about.png")) && saved;
    window.About().close();
    PrintMessages(prompter);
    return saved ? 0 : 1;
}
