#pragma once

#include <array>
#include <string>
#include <vector>

#include <QGroupBox>

#include "core/cases/CaseRecord.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace porvap {

class EditExitCheck;
class MaterialCatalog;
class Prompter;

// The "Layers" group: eight rows of material, number of sections and thickness, external
// face at the top. Rows 0 up to the last row in use have a material, later rows are
// empty, and at most the row right after them is enabled. The names of the rows in use
// are kept in row order; they, not the lists' texts, make the layers of a run.
class LayerEditor : public QGroupBox {
    Q_OBJECT

  public:
    explicit LayerEditor(const MaterialCatalog& catalog, QWidget* parent = nullptr);

    // Row 0 gets the first material of the list with 5 sections of 0.1 m, row 1 is
    // enabled and empty; with no materials at all, row 0 stays empty and row 1 disabled.
    void InitLayerRows();
    // The material shown in a row was chosen.
    void ChooseMaterial(int row);
    // The erase button of the last row in use (not row 0) was pressed.
    void EraseLayer(int row);
    // Refills the lists from the catalog; the rows from the first whose material is gone
    // are emptied and disabled.
    void Actualize();
    void Clear();

    // The section and thickness edits are checked when they are left.
    void WatchEdits(EditExitCheck& checks) const;

    const std::vector<std::string>& RowMaterials() const { return rowMaterials_; }
    int LastRowInUse() const;
    // Rows 0 to the last in use, as shown.
    std::vector<CaseLayer> Layers() const;
    // Restores the rows of a case in order. An unknown material is reported with its name
    // as caption; when its row is left without a material no further rows are restored,
    // as they would leave a gap.
    void ApplyLayers(const std::vector<CaseLayer>& layers, Prompter& prompts);

  private:
    struct Row {
        QComboBox* material = nullptr;
        QLineEdit* sections = nullptr;
        QLineEdit* thickness = nullptr;
        QPushButton* erase = nullptr;  // none in row 0
    };

    void BuildRows();
    void FillList(QComboBox* list) const;
    void EmptyRow(int row, bool enabled);
    void SetRowEnabled(int row, bool enabled);
    void ShowEraseButtonOf(int row);
    bool SelectMaterial(int row, const std::string& name);

    const MaterialCatalog& catalog_;
    std::array<Row, kMaxCaseLayers> rows_;
    std::vector<std::string> rowMaterials_;
};

}  // namespace porvap
