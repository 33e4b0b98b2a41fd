#include "gui/materials/PropertyViewer.h"

#include <algorithm>

#include <QComboBox>
#include <QListWidget>

#include "core/materials/MaterialCatalog.h"
#include "core/workspace/DirectoryConfig.h"
#include "gui/toolkit/ChartView.h"
#include "gui/toolkit/Desktop.h"
#include "gui/toolkit/PictureFile.h"
#include "gui/toolkit/Prompter.h"

namespace porvap {

namespace {

void AppendRow(QListWidget& list, const QString& name) {
    auto* item = new QListWidgetItem(name, &list);
    item->setSizeHint(QSize(0, PropertyViewer::kRowHeight));
}

}  // namespace

void PropertyViewer::Button1Click() {
    const int k = ComboBox1->currentIndex();
    if (k < 0)
        return;
    if (k > lastIndex_) {
        prompts_.Show("Material inexistente", "Erro impossível!");
        return;
    }
    const QString name = ComboBox1->currentText();
    const int slot = ListBox1->count();
    if (slot >= PropertyCurves::kSlots || !ListBox1->findItems(name, Qt::MatchFixedString).empty())
        return;
    const MaterialRecord* record = FindRecord(name);
    if (!record) {
        ReportMissing({name});
        return;
    }
    AppendRow(*ListBox1, name);
    curves_.Draw(*record, slot, Interval());
    RefreshCharts();
    ComboBox1->setCurrentIndex(k + 1 < ComboBox1->count() ? k + 1 : -1);
}

void PropertyViewer::Button2Click() {
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    if (selected.empty())
        return;
    const int row = ListBox1->row(selected.front());
    delete ListBox1->takeItem(row);
    Redraw();
    if (ListBox1->count() > 0)
        ListBox1->setCurrentRow(std::min(row, ListBox1->count() - 1));
}

void PropertyViewer::ComboBox2Change() {
    Redraw();
}

void PropertyViewer::Copiar1Click() {
    if (!desktop_.CopyImage(VisibleChart().Image()))
        prompts_.Show("Error copying to clipboard!", kCaption);
}

void PropertyViewer::Salvar1Click() {
    FileDialogRequest request;
    request.directory = directories_.FirstDirectory();
    request.fileName = kDefaultImageFile;
    request.filters = ChartSaveFilters();
    request.filterIndex = 1;
    request.overwritePrompt = true;
    const std::optional<std::string> path = prompts_.ChooseFileToSave(request);
    if (path && !VisibleChart().Save(QString::fromStdString(*path)))
        prompts_.Show("Error saving bitmap!", kCaption);
}

const MaterialRecord* PropertyViewer::FindRecord(const QString& name) const {
    const int m = catalog_.FindMaterialByName(name.toStdString());
    return m < 0 ? nullptr : catalog_.Record(m);
}

// Materials that have left the catalog since they were plotted leave the list too, so that
// every row keeps the colour of the curve drawn for it.
void PropertyViewer::Redraw() {
    curves_.Clear();
    QStringList missing;
    for (int slot = 0; slot < ListBox1->count();) {
        const QString name = ListBox1->item(slot)->text();
        if (const MaterialRecord* record = FindRecord(name)) {
            curves_.Draw(*record, slot++, Interval());
        } else {
            missing << name;
            delete ListBox1->takeItem(slot);
        }
    }
    RefreshCharts();
    if (!missing.empty())
        ReportMissing(missing);
}

void PropertyViewer::RefreshCharts() {
    for (ChartView* chart : charts_)
        chart->Refresh();
}

int PropertyViewer::Interval() const {
    return ComboBox2->currentText().toInt();
}

void PropertyViewer::ReportMissing(const QStringList& names) {
    const QString text = tr("No longer in the materials catalog, so not plotted: %1");
    prompts_.Show(text.arg(names.join(", ")).toStdString(), kCaption);
}

}  // namespace porvap
