#include "gui/psychro/PsychroChartWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/psychro/PsychroChartPainter.h"
#include "gui/toolkit/ChartMenu.h"
#include "gui/toolkit/Desktop.h"
#include "gui/toolkit/PictureFile.h"
#include "gui/toolkit/Prompter.h"

namespace porvap {

PsychroChartWindow::PsychroChartWindow(const std::string& climateFile, Prompter& prompts,
                                       Desktop& desktop, const std::string& firstDirectory,
                                       QWidget* parent)
    : QWidget(parent), prompts_(prompts), desktop_(desktop), firstDirectory_(firstDirectory) {
    setObjectName("Form5");
    setWindowTitle(QString::fromStdString(climateFile));
    BuildWindow();
    auto points = ReadPsychroPoints(climateFile);
    if (!points) {
        prompts_.Show(kChartFileUnreadable, kChartErrorCaption);
        return;
    }
    opened_ = true;
    points_ = std::move(*points);
    tables_ = ComputePsychroTables(kChartPressure);
    DrawChart();
}

void PsychroChartWindow::BuildWindow() {
    Image1 = new QLabel;
    Image1->setObjectName("Image1");
    Image1->setFixedSize(kImageWidth, kImageHeight);
    Button1 = new QPushButton(tr("&Save..."));
    Button1->setObjectName("Button1");
    PopupMenu1 = new ChartMenu("PopupMenu1", this, ChartMenu::Order::SaveFirst);
    PopupMenu1->ShowOnRightClick(Image1);

    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(Image1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    pageLayout->addLayout(buttons);
    pageLayout->addStretch();
    auto* pages = new QTabWidget;
    pages->setObjectName("PageControl1");
    pages->addTab(page, tr("Psychromethric Chart"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);

    connect(Button1, &QPushButton::clicked, this, &PsychroChartWindow::Button1Click);
    connect(PopupMenu1->Save(), &QAction::triggered, this, &PsychroChartWindow::Button1Click);
    connect(PopupMenu1->Copy(), &QAction::triggered, this, &PsychroChartWindow::Copiar1Click);
}

void PsychroChartWindow::DrawChart() {
    const QSize size = Image1->contentsRect().size();
    geometry_ = MakeChartGeometry(size.width(), size.height());
    background_ = palette().color(QPalette::Button);
    chart_ = QImage(size, QImage::Format_RGB32);
    QPainter painter(&chart_);
    painter.setFont(font());
    PaintPsychroChart(painter, geometry_, tables_, points_, background_);
    painter.end();
    Image1->setPixmap(QPixmap::fromImage(chart_));
}

bool PsychroChartWindow::SaveChart(const std::string& path) const {
    // The drawing is painted again rather than traced from the bitmap, so it stays vector.
    const auto paint = [this](QPaintDevice& canvas) {
        QPainter painter(&canvas);
        if (!painter.isActive())
            return;
        painter.setFont(font());
        PaintPsychroChart(painter, geometry_, tables_, points_, background_);
    };
    return SavePicture(QString::fromStdString(path),
                       {chart_, windowTitle(), chart_.logicalDpiX(), paint});
}

void PsychroChartWindow::Button1Click() {
    FileDialogRequest request;
    request.directory = firstDirectory_;
    request.fileName = kChartDefaultFile;
    request.filters = ChartSaveFilters();
    request.overwritePrompt = true;
    const auto path = prompts_.ChooseFileToSave(request);
    if (path && !SaveChart(*path))
        prompts_.Show(kChartNotSaved, kChartErrorCaption);
}

void PsychroChartWindow::Copiar1Click() {
    if (!desktop_.CopyImage(chart_))
        prompts_.Show(kChartNotCopied, kChartErrorCaption);
}

}  // namespace porvap
