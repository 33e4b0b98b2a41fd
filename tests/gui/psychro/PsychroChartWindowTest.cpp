#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/climate/Psychrometrics.h"
#include "gui/psychro/PsychroChartWindow.h"
#include "gui/toolkit/ScriptedDesktop.h"
#include "gui/toolkit/ScriptedPrompter.h"

namespace porvap::test {
namespace {

const std::string kBundledYear = "data/BrazilianWeathers/floext.pvh";

class PsychroChartWindowTest : public ::testing::Test {
  protected:
    std::unique_ptr<PsychroChartWindow> Open(const std::string& file) {
        return std::make_unique<PsychroChartWindow>(file, prompts_, desktop_, "charts/");
    }
    // A chart of the given records, read from a file of the scratch directory.
    std::unique_ptr<PsychroChartWindow> OpenRecords(const std::string& records) {
        WriteFile("climate.pvh", records);
        return Open("climate.pvh");
    }

    ScratchDir dir_;
    ScriptedPrompter prompts_;
    ScriptedDesktop desktop_;
};

// Whether every pixel in which two charts differ lies inside the box.
bool DifferOnlyWithin(const QImage& a, const QImage& b, const QRect& box) {
    bool differ = false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                if (!box.contains(x, y))
                    return false;
                differ = true;
            }
    return differ;
}

TEST_F(PsychroChartWindowTest, BundledYearIsPlottedHourByHour) {
    const auto window = Open(SourcePath(kBundledYear).string());
    ASSERT_TRUE(window->Opened());
    EXPECT_TRUE(prompts_.shown.empty());
    EXPECT_EQ(window->windowTitle().toStdString(), SourcePath(kBundledYear).string());
    EXPECT_EQ(window->Points().size(), 8760u);
    EXPECT_EQ(window->Chart().size(),
              QSize(PsychroChartWindow::kImageWidth, PsychroChartWindow::kImageHeight));
    EXPECT_EQ(window->Geometry().x0, 99);
    const auto* image = window->findChild<QLabel*>("Image1");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pixmap().size(), window->Chart().size());
    const auto* pages = window->findChild<QTabWidget*>("PageControl1");
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->tabText(0), "Psychromethric Chart");
}

TEST_F(PsychroChartWindowTest, UnreadableFileIsReportedAndNothingDrawn) {
    const auto window = Open("missing.pvh");
    EXPECT_FALSE(window->Opened());
    ASSERT_EQ(prompts_.shown.size(), 1u);
    EXPECT_EQ(prompts_.shown[0].text, "PVH file could not be opened for reading");
    EXPECT_EQ(prompts_.shown[0].caption, "Error!");
    EXPECT_TRUE(window->Chart().isNull());
}

// Below the top of the plot the 100 % curve is drawn over the saturation curve, so the
// topmost red in a column is saturation; above, the saturation curve runs white along the top.
TEST_F(PsychroChartWindowTest, SavesTheBitmapAsDrawn) {
    const auto window = OpenRecords("20 0.5 0 1 1 0\n");
    prompts_.files.push_back((dir_.Path() / "chart.bmp").string());
    window->findChild<QPushButton*>("Button1")->click();

    ASSERT_EQ(prompts_.dialogs.size(), 1u);
    const FileDialogRequest& request = prompts_.dialogs[0];
    EXPECT_EQ(request.fileName, "carta.bmp");
    EXPECT_EQ(request.directory, "charts/");
    EXPECT_EQ(request.filters, std::vector<std::string>({"Bitmaps|*.bmp", "PNG images|*.png",
                                                         "SVG drawings|*.svg", "All files|*.*"}));
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_TRUE(request.overwritePrompt);
    EXPECT_TRUE(prompts_.shown.empty());

    EXPECT_EQ(ReadFile("chart.bmp").substr(0, 2), "BM");
    const QImage saved("chart.bmp");
    ASSERT_EQ(saved.size(), QSize(497, 273));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), window->Chart());
    const ChartGeometry& g = window->Geometry();
    EXPECT_EQ(QColor(saved.pixel(int(g.X(40.0)), g.y0)), QColor(Qt::white));
    const int x = int(g.X(13.0));
    int topRed = g.y0 + 1;
    while (topRed < g.y1 && QColor(saved.pixel(x, topRed)) != QColor(Qt::red))
        ++topRed;
    const double t = (x + 0.5 - g.x0) / g.plotWidth * 50.0;
    EXPECT_NEAR(topRed, g.Y(1000.0 * SaturatedHumidityRatio(t, kChartPressure)), 1.5);
}

// The extension picks the format; a cancelled dialog writes nothing and says nothing, a
// file that cannot be written is reported.
TEST_F(PsychroChartWindowTest, SaveFormatsAndFailures) {
    const auto window = OpenRecords("20 0.5 0 1 1 0\n");
    for (const char* name : {"chart.PNG", "chart.svg", "chart.dat", "no/dir/a.bmp", "no/dir/a.svg"})
        prompts_.files.push_back(std::string(name));
    prompts_.files.push_back(std::nullopt);
    for (int save = 0; save < 6; ++save)
        window->findChild<QAction*>("Salvar1")->trigger();
    EXPECT_EQ(ReadFile("chart.PNG").substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(QImage("chart.PNG").convertToFormat(QImage::Format_RGB32), window->Chart());
    const std::string svg = ReadFile("chart.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
    EXPECT_NE(svg.find("TBS"), std::string::npos);
    EXPECT_EQ(ReadFile("chart.dat").substr(0, 2), "BM");
    ASSERT_EQ(prompts_.shown.size(), 2u);
    EXPECT_EQ(prompts_.shown[0].text, kChartNotSaved);
    EXPECT_EQ(prompts_.shown[1].caption, "Error!");
}

TEST_F(PsychroChartWindowTest, CopyHandsTheChartToTheClipboard) {
    const auto window = OpenRecords("20 0.5 0 1 1 0\n");
    window->findChild<QAction*>("Copiar1")->trigger();
    ASSERT_EQ(desktop_.copied.size(), 1u);
    EXPECT_EQ(desktop_.copied[0], window->Chart());
    EXPECT_TRUE(prompts_.shown.empty());

    desktop_.succeed = false;
    window->Copiar1Click();
    ASSERT_EQ(prompts_.shown.size(), 1u);
    EXPECT_EQ(prompts_.shown[0].text, "Couldn't make it! Sorry!");
}

// Each hour is a small circle at its temperature and humidity ratio, above the plot too.
TEST_F(PsychroChartWindowTest, PointsAreDrawnWhereTheyBelong) {
    const auto base = OpenRecords("20 0.5 0 1 1 0\n");
    const auto inside = OpenRecords("20 0.5 0 1 1 0\n25 0.5 0 1 1 1\n");
    const auto above = OpenRecords("20 0.5 0 1 1 0\n33 0.95 0 1 1 1\n");
    const ChartGeometry& g = base->Geometry();
    for (const auto* window : {inside.get(), above.get()}) {
        const PsychroPoint& point = window->Points().back();
        const QPoint centre(int(g.X(point.temperature)), int(g.Y(point.humidityRatio)));
        EXPECT_TRUE(DifferOnlyWithin(base->Chart(), window->Chart(),
                                     QRect(centre - QPoint(3, 3), QSize(7, 7))))
            << point.temperature;
    }
    EXPECT_LT(g.Y(above->Points().back().humidityRatio), g.y0);
}

// The chart of the bundled year for the documentation, written where
// PORVAP_SCREENSHOT_DIR points.
TEST_F(PsychroChartWindowTest, DocumentationPicture) {
    const auto window = Open(SourcePath(kBundledYear).string());
    ASSERT_TRUE(window->Opened());
    const QByteArray directory = qgetenv("PORVAP_SCREENSHOT_DIR");
    const QString path =
        directory.isEmpty()
            ? QStringLiteral("psychrometric-chart.png")
            : QDir(QString::fromUtf8(directory)).filePath("psychrometric-chart.png");
    EXPECT_TRUE(window->SaveChart(path.toStdString()));
}

}  // namespace
}  // namespace porvap::test
