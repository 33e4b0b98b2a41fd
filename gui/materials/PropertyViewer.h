#pragma once

#include <array>

#include <QStringList>
#include <QWidget>

#include "core/materials/PropertyCurves.h"

class QAction;
class QComboBox;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace porvap {

class ChartMenu;
class ChartView;
class Desktop;
class DirectoryConfig;
class MaterialCatalog;
class MaterialRecord;
class Prompter;

// The property curves of up to eight catalog materials, one chart per property and one of
// the sorption isotherms. Materials are looked up by name whenever they are drawn, so the
// viewer follows the catalog as it is then and never holds a record. The catalog, the
// directories, the prompter and the desktop must outlive the window, which deletes itself
// when closed.
class PropertyViewer : public QWidget {
    Q_OBJECT

  public:
    static constexpr const char* kCaption = "Visualizing...";
    static constexpr const char* kDefaultImageFile = "graf1.bmp";
    static constexpr int kRowHeight = 20;  // px, of a plotted-list row and of its colour key

    PropertyViewer(const MaterialCatalog& catalog, const DirectoryConfig& directories,
                   Prompter& prompts, Desktop& desktop, QWidget* parent = nullptr);
    ~PropertyViewer() override;

    // Add: plots the material chosen in the name list.
    void Button1Click();
    // Remove: drops the material chosen in the plotted list and draws the rest again.
    void Button2Click();
    // A new sampling interval: everything is drawn again.
    void ComboBox2Change();
    // Copy and Save of the chart on the visible page.
    void Copiar1Click();
    void Salvar1Click();

    const PropertyCurves& Curves() const { return curves_; }
    ChartView& Chart(PropertyCurves::Page page) const { return *charts_[page]; }
    ChartView& VisibleChart() const;

  private:
    void BuildWindow();
    QWidget* BuildPage(PropertyCurves::Page page);
    QWidget* BuildSidePanel();
    QWidget* BuildPlottedList();
    void StyleChart(PropertyCurves::Page page);
    void Connect();

    const MaterialRecord* FindRecord(const QString& name) const;
    void Redraw();
    void RefreshCharts();
    int Interval() const;
    void ReportMissing(const QStringList& names);

    const MaterialCatalog& catalog_;
    const DirectoryConfig& directories_;
    Prompter& prompts_;
    Desktop& desktop_;
    const int lastIndex_;  // of the catalog when the viewer opened, as its name list is
    PropertyCurves curves_;
    std::array<ChartView*, PropertyCurves::kPages> charts_{};

    QTabWidget* PageControl1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    ChartMenu* PopupMenu1 = nullptr;
};

}  // namespace porvap
