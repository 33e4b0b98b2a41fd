#include <QPlainTextEdit>
#include <QPushButton>

#include "core/cases/CaseValidation.h"
#include "core/engine/SimulationEngine.h"
#include "core/results/ResultCsv.h"
#include "gui/cases/CaseWindow.h"
#include "gui/cases/CaseWindowHost.h"
#include "gui/toolkit/ChartView.h"
#include "gui/toolkit/Desktop.h"
#include "gui/toolkit/Prompter.h"

namespace porvap {

namespace {

constexpr const char* kReportNotWritten = "File could not be opened";
constexpr const char* kProfileNotWritten = "File could not be opened for reading";
constexpr const char* kViewerFile = "temp.txt";  // in the working directory
constexpr const char* kViewerNotStarted = "The text viewer could not be started";
constexpr const char* kNotCopied = "Error copying data to clipboard";
constexpr const char* kBitmapNotSaved = "Error saving bitmap!";
constexpr const char* kCsvNotWritten = "File could not be written";

}  // namespace

void CaseWindow::Button29Click() {
    const auto path = host_.Prompts().ChooseFileToSave(SaveRequest("relat1.txt", kTextFilter));
    if (path && !WriteReport(*path, c_.results.Memo1->toPlainText().toStdString()))
        host_.Prompts().Show(kReportNotWritten, kErrorCaption);
}

void CaseWindow::Salvar2Click() {
    const int slot = SelectedProfile();
    if (slot < 0)
        return;
    const auto path = host_.Prompts().ChooseFileToSave(SaveRequest("perfil.txt", kTextFilter));
    if (path && !WriteProfile(*path, views_.Profiles(), slot))
        host_.Prompts().Show(kProfileNotWritten, kErrorCaption);
}

// The default name is that of the engine's own profile output: choosing it replaces it.
void CaseWindow::Salvartodos1Click() {
    if (views_.Profiles().Count() == 0)
        return;
    const auto path = host_.Prompts().ChooseFileToSave(SaveRequest("perfis.txt", kTextFilter));
    if (path && !WriteAllProfiles(*path, views_.Profiles()))
        host_.Prompts().Show(kProfileNotWritten, kErrorCaption);
}

void CaseWindow::Visualizar1Click() {
    const int slot = SelectedProfile();
    if (slot < 0)
        return;
    if (!WriteProfile(kViewerFile, views_.Profiles(), slot)) {
        host_.Prompts().Show(kProfileNotWritten, kErrorCaption);
        return;
    }
    if (!host_.DesktopServices().OpenInTextViewer(kViewerFile))
        host_.Prompts().Show(kViewerNotStarted, kErrorCaption);
}

void CaseWindow::Copiar1Click() {
    ChartView* chart = CurrentChart();
    if (chart && !host_.DesktopServices().CopyImage(chart->Image()))
        host_.Prompts().Show(kNotCopied, kErrorCaption);
}

void CaseWindow::Salvar1Click() {
    ChartView* chart = CurrentChart();
    if (!chart)
        return;
    const auto path = host_.Prompts().ChooseFileToSave(SaveRequest("graf1.bmp", kBitmapFilter));
    if (path && !chart->Save(QString::fromStdString(*path)))
        host_.Prompts().Show(kBitmapNotSaved, kErrorCaption);
}

void CaseWindow::SaveFlowsCsvClick() {
    SaveCsv("flows.csv", WriteHourlyFlowsCsv);
}

void CaseWindow::SaveMonthlyCsvClick() {
    SaveCsv("monthly.csv", WriteMonthlySummaryCsv);
}

void CaseWindow::SaveCsv(const std::string& fileName, CsvWriter write) {
    if (!engine_->hourly.Complete())
        return;
    const auto path = host_.Prompts().ChooseFileToSave(SaveRequest(fileName, kCsvFilter));
    if (path && !write(*path, *engine_))
        host_.Prompts().Show(kCsvNotWritten, kErrorCaption);
}

// A run in progress has cleared the last one's data; an unfinished run leaves none.
void CaseWindow::SyncCsvExports() {
    const bool ready = !running_ && engine_->hourly.Complete();
    c_.results.SaveFlowsCsv->setEnabled(ready);
    c_.results.SaveMonthlyCsv->setEnabled(ready);
}

}  // namespace porvap
