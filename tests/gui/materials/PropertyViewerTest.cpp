#include <gtest/gtest.h>

#include <QAction>
#include <QChart>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>

#include "SampleMaterials.h"
#include "TestSupport.h"
#include "core/materials/MaterialCatalog.h"
#include "core/workspace/DirectoryConfig.h"
#include "gui/materials/PropertyViewer.h"
#include "gui/toolkit/ChartView.h"
#include "gui/toolkit/ScriptedDesktop.h"
#include "gui/toolkit/ScriptedPrompter.h"

namespace porvap::test {
namespace {

// Three materials, catalog order Brick (K 0.5 to 0.7), Mortar (1.0 to 1.2), Stone (2.0 to
// 2.2), in a scratch working directory.
class PropertyViewerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        AddMaterial("Brick", 0.5f);
        AddMaterial("Mortar", 1.0f);
        AddMaterial("Stone", 2.0f);
        directories_.Read();
    }
    void TearDown() override { delete viewer_; }

    void AddMaterial(const std::string& name, float kDry) {
        catalog_.AppendRecord(LinearMaterial(name, kDry, kDry + 0.2f));
        catalog_.AppendEntry(name, name + ".dat");
        catalog_.BuildMaterialNames();
    }

    void RemoveFromCatalog(const std::string& name) {
        const int k = catalog_.FindMaterialByName(name);
        ASSERT_GE(k, 0);
        catalog_.RemoveMaterialAt(k);
        catalog_.RemoveEntryAt(k);
        catalog_.BuildMaterialNames();
    }

    PropertyViewer& Viewer() {
        if (!viewer_)
            viewer_ = new PropertyViewer(catalog_, directories_, prompts_, desktop_);
        return *viewer_;
    }

    template <class T>
    T* Find(const QString& name) {
        T* control = Viewer().findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }

    void Add(const QString& name) {
        auto* names = Find<QComboBox>("ComboBox1");
        names->setCurrentIndex(names->findText(name));
        ASSERT_EQ(names->currentText(), name);
        Find<QPushButton>("Button1")->click();
    }

    void Remove(int row) {
        Find<QListWidget>("ListBox1")->setCurrentRow(row);
        Find<QPushButton>("Button2")->click();
    }

    QStringList Plotted() {
        QStringList names;
        auto* list = Find<QListWidget>("ListBox1");
        for (int row = 0; row < list->count(); ++row)
            names << list->item(row)->text();
        return names;
    }

    // Conductivity of the first point of a slot: tells which material is drawn there.
    double FirstK(int slot) {
        const auto& points = Viewer().Curves().Chart(PropertyCurves::kK).series[slot].points;
        return points.empty() ? -1.0 : points.front().y;
    }

    void ShowPage(PropertyCurves::Page page) {
        Find<QTabWidget>("PageControl1")->setCurrentIndex(page);
    }

    ScratchDir scratch_;
    MaterialCatalog catalog_;
    DirectoryConfig directories_;
    ScriptedPrompter prompts_;
    ScriptedDesktop desktop_;
    QPointer<PropertyViewer> viewer_;
};

QLineSeries* Line(ChartView& chart, int slot) {
    return static_cast<QLineSeries*>(chart.chart()->series().at(slot));
}

QAbstractAxis* Axis(ChartView& chart, Qt::Alignment side) {
    for (QAbstractAxis* axis : chart.chart()->axes()) {
        if (axis->alignment() == side)
            return axis;
    }
    return nullptr;
}

TEST_F(PropertyViewerTest, OpensOnTheIsothermsWithTheCatalogNames) {
    EXPECT_EQ(Viewer().windowTitle(), "Visualizing...");
    auto* pages = Find<QTabWidget>("PageControl1");
    QStringList captions;
    for (int page = 0; page < pages->count(); ++page)
        captions << pages->tabText(page);
    EXPECT_EQ(captions, QStringList({"K", "DT", "DTeta", "DTV", "DTetaV", "Isotherms"}));
    EXPECT_EQ(Viewer().VisibleChart().objectName(), "Chart6");
    auto* names = Find<QComboBox>("ComboBox1");
    ASSERT_EQ(names->count(), 3);
    EXPECT_EQ(names->currentText(), "Brick");
    auto* intervals = Find<QComboBox>("ComboBox2");
    ASSERT_EQ(intervals->count(), 10);
    EXPECT_EQ(intervals->currentText(), "2");
}

TEST_F(PropertyViewerTest, ChartsMatchTheColourKeysAndHideWhatIsNotShown) {
    ChartView& k = Viewer().Chart(PropertyCurves::kK);
    ChartView& isotherms = Viewer().Chart(PropertyCurves::kIsotherms);
    EXPECT_FALSE(k.chart()->legend()->isVisible());
    EXPECT_FALSE(Axis(k, Qt::AlignRight)->isVisible());
    EXPECT_TRUE(Axis(isotherms, Qt::AlignRight)->isVisible());
    const QStringList colours = {"red",   "green", "yellow",  "blue",
                                 "white", "gray",  "fuchsia", "teal"};
    for (int slot = 0; slot < PropertyCurves::kSlots; ++slot) {
        const QColor colour(colours[slot]);
        EXPECT_EQ(Line(isotherms, slot)->color(), colour) << slot;
        EXPECT_EQ(Line(k, slot)->color(), colour) << slot;
        const QString key = Find<QFrame>(QString("Shape%1").arg(slot + 1))->styleSheet();
        EXPECT_TRUE(key.contains(colour.name())) << key.toStdString();
    }
    EXPECT_EQ(Find<QLabel>("FactorDT")->text(), "x1,000,000,000");
    EXPECT_EQ(Viewer().findChild<QLabel*>("FactorK"), nullptr);
}

TEST_F(PropertyViewerTest, AddPlotsUpToEightDistinctMaterials) {
    for (const char* name : {"Clay", "Gypsum", "Lime", "Oak", "Pine", "Slate"})
        AddMaterial(name, 3.0f);
    Add("Brick");
    EXPECT_EQ(Find<QComboBox>("ComboBox1")->currentText(), "Mortar");
    EXPECT_EQ(Viewer().Curves().Chart(PropertyCurves::kIsotherms).series[0].points.size(), 51u);
    Add("Brick");
    EXPECT_EQ(Plotted(), QStringList({"Brick"}));

    for (const char* name : {"Mortar", "Stone", "Clay", "Gypsum", "Lime", "Oak", "Pine"})
        Add(name);
    EXPECT_EQ(FirstK(2), 2.0);
    EXPECT_EQ(FirstK(7), 3.0);
    Add("Slate");
    EXPECT_EQ(Plotted().size(), 8);
    EXPECT_FALSE(Plotted().contains("Slate"));
    EXPECT_TRUE(prompts_.shown.empty());
}

TEST_F(PropertyViewerTest, AddStopsAfterTheLastNameAndRefusesNamesBeyondTheCatalog) {
    Add("Stone");
    EXPECT_EQ(Find<QComboBox>("ComboBox1")->currentIndex(), -1);
    Find<QPushButton>("Button1")->click();
    EXPECT_EQ(Plotted(), QStringList({"Stone"}));
    EXPECT_TRUE(prompts_.shown.empty());

    catalog_.SetNamesText(catalog_.NamesText() + "Ghost\n");
    delete viewer_;
    Add("Ghost");
    EXPECT_TRUE(Plotted().empty());
    ASSERT_EQ(prompts_.shown.size(), 1u);
    EXPECT_EQ(prompts_.shown[0].text, "Material inexistente");
    EXPECT_EQ(prompts_.shown[0].caption, "Erro impossível!");
}

TEST_F(PropertyViewerTest, RemoveRedrawsTheRestInTheFirstColours) {
    for (const char* name : {"Brick", "Mortar", "Stone"})
        Add(name);
    Remove(0);
    EXPECT_EQ(Plotted(), QStringList({"Mortar", "Stone"}));
    EXPECT_EQ(FirstK(0), 1.0);
    EXPECT_EQ(FirstK(1), 2.0);
    EXPECT_EQ(FirstK(2), -1.0);
    ChartView& k = Viewer().Chart(PropertyCurves::kK);
    EXPECT_EQ(Line(k, 0)->count(), 51);
    EXPECT_EQ(Line(k, 0)->color(), QColor("red"));
    EXPECT_EQ(Line(k, 1)->color(), QColor("green"));
    EXPECT_EQ(Line(k, 2)->count(), 0);
    EXPECT_EQ(Find<QListWidget>("ListBox1")->currentRow(), 0);
    EXPECT_NEAR(Viewer().Curves().Chart(PropertyCurves::kK).left.minimum, 0.8, 1e-6);

    Remove(1);
    EXPECT_EQ(Plotted(), QStringList({"Mortar"}));
    EXPECT_EQ(Find<QListWidget>("ListBox1")->currentRow(), 0);
    Find<QListWidget>("ListBox1")->clearSelection();
    Find<QPushButton>("Button2")->click();
    EXPECT_EQ(Plotted(), QStringList({"Mortar"}));
}

// The viewer keeps names, never records: a material removed in the editor is looked for at
// the next redraw, reported and dropped, and the rest move up.
TEST_F(PropertyViewerTest, MaterialLeavingTheCatalogLeavesTheCharts) {
    for (const char* name : {"Brick", "Mortar", "Stone"})
        Add(name);
    RemoveFromCatalog("Brick");
    Find<QComboBox>("ComboBox2")->setCurrentIndex(0);
    EXPECT_EQ(Plotted(), QStringList({"Mortar", "Stone"}));
    EXPECT_EQ(FirstK(0), 1.0);
    EXPECT_EQ(FirstK(1), 2.0);
    EXPECT_EQ(FirstK(2), -1.0);
    EXPECT_EQ(Line(Viewer().Chart(PropertyCurves::kK), 1)->count(), 101);
    ASSERT_EQ(prompts_.shown.size(), 1u);
    EXPECT_NE(prompts_.shown[0].text.find("Brick"), std::string::npos);

    // Still offered, as the names were taken at opening, but not plotted.
    Add("Brick");
    EXPECT_EQ(Plotted(), QStringList({"Mortar", "Stone"}));
    ASSERT_EQ(prompts_.shown.size(), 2u);
    EXPECT_NE(prompts_.shown[1].text.find("Brick"), std::string::npos);

    AddMaterial("Brick", 4.0f);
    Add("Brick");
    EXPECT_EQ(FirstK(2), 4.0);
}

TEST_F(PropertyViewerTest, CopyPutsTheVisibleChartOnTheClipboard) {
    Add("Brick");
    ShowPage(PropertyCurves::kDT);
    Find<QAction>("Copiar1")->trigger();
    ASSERT_EQ(desktop_.copied.size(), 1u);
    EXPECT_EQ(desktop_.copied[0].size(), Viewer().Chart(PropertyCurves::kDT).size());
    EXPECT_TRUE(prompts_.shown.empty());

    desktop_.succeed = false;
    Viewer().Copiar1Click();
    ASSERT_EQ(prompts_.shown.size(), 1u);
    EXPECT_EQ(prompts_.shown[0].text, "Error copying to clipboard!");
}

TEST_F(PropertyViewerTest, SaveWritesTheVisibleChartInTheFormatOfItsName) {
    Add("Brick");
    ShowPage(PropertyCurves::kK);
    const std::string folder = scratch_.Path().string() + "/";
    prompts_.files = {folder + "graf1.bmp", folder + "chart.png", folder + "chart.svg",
                      folder + "chart",     std::nullopt,         folder + "missing/chart.bmp"};
    while (!prompts_.files.empty())
        Find<QAction>("Salvar1")->trigger();

    const FileDialogRequest& request = prompts_.dialogs.at(0);
    EXPECT_EQ(request.directory, directories_.FirstDirectory());
    EXPECT_EQ(request.fileName, "graf1.bmp");
    EXPECT_EQ(request.filters, std::vector<std::string>({"Bitmaps|*.bmp", "PNG images|*.png",
                                                         "SVG drawings|*.svg", "All files|*.*"}));
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(ReadFile("graf1.bmp").substr(0, 2), "BM");
    EXPECT_EQ(ReadFile("chart.png").substr(0, 8), "\x89PNG\r\n\x1a\n");
    const std::string svg = ReadFile("chart.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
    EXPECT_NE(svg.find("Conductivity"), std::string::npos);
    EXPECT_EQ(ReadFile("chart").substr(0, 2), "BM");
    ASSERT_EQ(prompts_.shown.size(), 1u);
    EXPECT_EQ(prompts_.shown[0].text, "Error saving bitmap!");
}

TEST_F(PropertyViewerTest, ClosingFreesTheWindow) {
    Viewer().show();
    Viewer().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(viewer_.isNull());
}

}  // namespace
}  // namespace porvap::test
