#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <cstdlib>
#include <filesystem>
#include <iterator>

#include "TestSupport.h"
#include "gui/toolkit/ChartView.h"
#include "gui/toolkit/PictureFile.h"

namespace porvap {
namespace {

using test::ReadFile;
using test::ScratchDir;

// Twelve months on both axes, as the behaviour chart shows them after a run.
ChartData MonthlyChart() {
    ChartData data;
    data.name = "Chart1";
    data.title = "Average temperature and moisture content";
    data.left = {"Temperature (oC)", 14.0, 31.0, 1.7};
    data.right = {"Moisture (% vol)", 2.0, 9.0, 0.7};
    data.bottom = {"Month", 1.0, 12.0, 1.0};
    data.series = {{"Temperature (oC)", false, {}}, {"Moisture (g/kg)", true, {}}};
    const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const double temperature[] = {27, 28, 27, 25, 22, 19, 18, 19, 20, 22, 24, 26};
    const double moisture[] = {6.1, 6.4, 6.8, 7.2, 7.9, 8.3, 8.5, 8.1, 7.6, 7.0, 6.5, 6.2};
    for (int m = 0; m < 12; ++m) {
        data.Add(0, m + 1, temperature[m], months[m]);
        data.Add(1, m + 1, moisture[m], months[m]);
    }
    return data;
}

std::string Path(const ScratchDir& dir, const char* name) {
    return (dir.Path() / name).string();
}

class ChartSaveTest : public ::testing::Test {
  protected:
    ScratchDir dir;
    ChartData data = MonthlyChart();
    ChartView view{data};
};

TEST_F(ChartSaveTest, ImageHasTheViewSize) {
    view.resize(640, 400);
    const QImage image = view.Image();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), view.size() * image.devicePixelRatio());
}

TEST_F(ChartSaveTest, FormatFollowsTheExtension) {
    const std::string png = Path(dir, "chart.PNG");
    const std::string bmp = Path(dir, "graf1.bmp");
    const std::string other = Path(dir, "chart.dat");
    for (const std::string& path : {png, bmp, other})
        ASSERT_TRUE(view.Save(QString::fromStdString(path))) << path;

    EXPECT_EQ(ReadFile(png).substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(ReadFile(bmp).substr(0, 2), "BM");
    EXPECT_EQ(ReadFile(other).substr(0, 2), "BM");
    QImage image;
    ASSERT_TRUE(image.load(QString::fromStdString(bmp)));
    EXPECT_EQ(image.size(), view.Image().size());
}

TEST_F(ChartSaveTest, SvgDrawsTheLaidOutChartOfAViewNeverShown) {
    const std::string svg = Path(dir, "chart.svg");
    ASSERT_TRUE(view.Save(QString::fromStdString(svg)));
    const std::string text = ReadFile(svg);
    EXPECT_TRUE(text.starts_with("<?xml") || text.starts_with("<svg")) << text.substr(0, 40);
    EXPECT_NE(text.find("</svg>"), std::string::npos);
    // Axis texts are only drawn once the chart has been laid out.
    EXPECT_NE(text.find("Month"), std::string::npos);
    EXPECT_NE(text.find("Jul"), std::string::npos);
    EXPECT_EQ(text.find("<image"), std::string::npos);  // lines, not a picture
}

TEST_F(ChartSaveTest, UnwritablePathFailsAndLeavesNoFile) {
    const std::filesystem::path missing = dir.Path() / "missing" / "chart.bmp";
    EXPECT_FALSE(view.Save(QString::fromStdString(missing.string())));
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_FALSE(view.Save(QString::fromStdString(dir.Path().string())));  // a folder
    EXPECT_FALSE(view.Save(QString::fromStdString(Path(dir, "missing/chart.svg"))));
}

// A save that fails part-way leaves what was there before: a drawing whose painting cannot
// start, a bitmap that cannot be encoded.
TEST_F(ChartSaveTest, AFailedSaveKeepsTheEarlierFile) {
    const std::string svg = Path(dir, "chart.svg");
    const std::string bmp = Path(dir, "chart.bmp");
    ASSERT_TRUE(view.Save(QString::fromStdString(svg)));
    ASSERT_TRUE(view.Save(QString::fromStdString(bmp)));
    const std::string drawing = ReadFile(svg);
    const std::string bitmap = ReadFile(bmp);

    const Picture unpainted{view.Image(), "title", 96, [](QPaintDevice&) {}};
    EXPECT_FALSE(SavePicture(QString::fromStdString(svg), unpainted));
    EXPECT_EQ(ReadFile(svg), drawing);
    const Picture empty{QImage(), "title", 96, [](QPaintDevice&) {}};
    EXPECT_FALSE(SavePicture(QString::fromStdString(bmp), empty));
    EXPECT_EQ(ReadFile(bmp), bitmap);
    const std::filesystem::directory_iterator files(dir.Path());
    EXPECT_EQ(std::distance(begin(files), end(files)), 2) << "no temporary is left";
}

TEST_F(ChartSaveTest, LegendAndLabelsStayOutOfThePlot) {
    view.resize(720, 440);
    view.show();
    ASSERT_FALSE(view.Image().isNull());  // lays the chart out
    const QRectF plot = view.chart()->plotArea();
    const QRectF legend = view.chart()->legend()->geometry();
    EXPECT_GT(plot.width(), 400);
    EXPECT_GT(plot.height(), 200);
    EXPECT_GE(legend.top(), plot.bottom());
    // The picture to look at while tuning the chart's looks.
    if (const char* sample = std::getenv("PORVAP_CHART_SAMPLE")) {
        EXPECT_TRUE(view.Save(sample));
    }
}

}  // namespace
}  // namespace porvap
