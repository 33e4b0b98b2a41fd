#include <gtest/gtest.h>

#include <filesystem>

#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QTabWidget>

#include "TestSupport.h"
#include "core/common/Messages.h"
#include "core/materials/MaterialCatalog.h"
#include "core/workspace/DirectoryConfig.h"
#include "gui/materials/PropertyViewer.h"
#include "gui/toolkit/ChartView.h"
#include "gui/toolkit/ScriptedDesktop.h"
#include "gui/toolkit/ScriptedPrompter.h"

namespace porvap::test {
namespace {

// Lets the charts lay out and drop the axes they replaced, as the event loop would.
void Settle() {
    for (int pass = 0; pass < 5; ++pass) {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
}

bool Shows(const QImage& image, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour)
                return true;
        }
    }
    return false;
}

// The viewer over bundled materials, one picture per page: viewer-<page>.png. They go to
// the directory named by PORVAP_VIEWER_PICTURES (the documentation's screenshots when run
// for them), else to the scratch directory, where they are only checked.
TEST(ViewerPicturesTest, EveryPageDrawsTheBundledMaterials) {
    ScratchDir scratch;
    namespace fs = std::filesystem;
    for (const char* part : {"materiais.cfg", "Materials"})
        fs::copy(SourcePath("data") / part, part, fs::copy_options::recursive);
    MaterialCatalog catalog;
    RecordingMessageSink messages;
    catalog.LoadCatalog(messages);
    ASSERT_TRUE(messages.Messages().empty());
    DirectoryConfig directories;
    directories.Read();
    ScriptedPrompter prompts;
    ScriptedDesktop desktop;
    PropertyViewer viewer(catalog, directories, prompts, desktop);
    viewer.show();

    auto* names = viewer.findChild<QComboBox*>("ComboBox1");
    for (const char* name :
         {"Solid clay brick", "Cement-lime mortar", "Autoclaved aerated concrete"}) {
        names->setCurrentIndex(names->findText(name));
        ASSERT_EQ(names->currentText(), name);
        viewer.Button1Click();
    }
    ASSERT_TRUE(prompts.shown.empty());

    const QByteArray target = qgetenv("PORVAP_VIEWER_PICTURES");
    const QDir out(target.isEmpty() ? QString::fromStdString(scratch.Path().string())
                                    : QString::fromLocal8Bit(target));
    ASSERT_TRUE(QDir().mkpath(out.path()));
    auto* pages = viewer.findChild<QTabWidget*>("PageControl1");
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        Settle();
        const QImage picture = viewer.grab().toImage();
        const QString path = out.filePath("viewer-" + pages->tabText(page).toLower() + ".png");
        ASSERT_TRUE(picture.save(path)) << path.toStdString();
        const QImage chart = viewer.VisibleChart().grab().toImage();
        for (const char* colour : {"red", "green", "yellow"})
            EXPECT_TRUE(Shows(chart, QColor(colour))) << colour << " on " << path.toStdString();
    }
}

}  // namespace
}  // namespace porvap::test
