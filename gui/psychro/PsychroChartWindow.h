#pragma once

#include <string>
#include <vector>

#include <QImage>
#include <QWidget>

#include "core/climate/PsychroChart.h"

class QAction;
class QLabel;
class QPushButton;

namespace porvap {

class ChartMenu;
class Desktop;
class Prompter;

inline constexpr const char* kChartFileUnreadable = "PVH file could not be opened for reading";
inline constexpr const char* kChartErrorCaption = "Error!";
inline constexpr const char* kChartNotCopied = "Couldn't make it! Sorry!";
inline constexpr const char* kChartNotSaved = "Chart file could not be written";
inline constexpr const char* kChartDefaultFile = "carta.bmp";

// The hours of an external climate file plotted on a psychrometric chart. The caption is
// the file's name; the chart is drawn once, at creation, and can be saved or copied.
class PsychroChartWindow : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kImageWidth = 497;   // px
    static constexpr int kImageHeight = 273;  // px

    // Reads the climate file at once. When it cannot be read the user is told and Opened()
    // is false: the window is then to be deleted without being shown. `prompts`, `desktop`
    // must outlive the window; `firstDirectory` starts the save dialog.
    PsychroChartWindow(const std::string& climateFile, Prompter& prompts, Desktop& desktop,
                       const std::string& firstDirectory, QWidget* parent = nullptr);

    bool Opened() const { return opened_; }
    const std::vector<PsychroPoint>& Points() const { return points_; }
    const ChartGeometry& Geometry() const { return geometry_; }
    const QImage& Chart() const { return chart_; }

    // SVG or PNG by the file name's extension, BMP otherwise. False when it cannot be written.
    bool SaveChart(const std::string& path) const;

    // "Save...": asks for a file, "carta.bmp" proposed, and writes the chart to it.
    void Button1Click();
    // "Copy": the chart to the clipboard.
    void Copiar1Click();

  private:
    void BuildWindow();
    void DrawChart();

    Prompter& prompts_;
    Desktop& desktop_;
    std::string firstDirectory_;
    bool opened_ = false;
    std::vector<PsychroPoint> points_;
    ChartGeometry geometry_;
    PsychroTables tables_;
    QColor background_;
    QImage chart_;
    QLabel* Image1 = nullptr;
    QPushButton* Button1 = nullptr;
    ChartMenu* PopupMenu1 = nullptr;
};

}  // namespace porvap
