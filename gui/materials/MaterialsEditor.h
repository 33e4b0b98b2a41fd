#pragma once

#include <string>

#include <QDialog>

#include "gui/materials/MaterialsEditorForm.h"

class QHideEvent;
class QShowEvent;

namespace porvap {

class DirectoryConfig;
class MaterialCatalog;
class Prompter;
class SimulationCounter;

// The materials editor: includes a material from its property file or from constant
// property values written to a new file, changes a material's file, and removes materials.
// Every change goes straight into the catalog and into the catalog file. While it shows,
// its owner is disabled; it is a window of its own rather than the owner's child, since a
// disabled parent would disable it too.
class MaterialsEditor : public QDialog {
    Q_OBJECT

  public:
    static constexpr const char* kCaption = "Available material";
    static constexpr int kHelpContext = 1002;

    // Everything passed must outlive the window; `owner` may be null.
    MaterialsEditor(MaterialCatalog& catalog, const DirectoryConfig& directories,
                    const SimulationCounter& simulations, Prompter& prompts, QWidget* owner);

    // Runs each time the window is shown: lists the catalog's names and, while a simulation
    // runs, hides Include/Change and Remove.
    void FormActivate();
    // The handlers of the controls: ComboBox1 the material box (a name picked, a key typed),
    // Button3 Include/Change, RadioButton1 both radio buttons, Button5 Browse, Button7
    // Obtain, Button9 Cancel, Button4 Remove, Button1 the hidden Atualize (rereads the
    // catalog file), Button2 Exit, Button8 Help.
    void ComboBox1Click();
    void ComboBox1KeyPress();
    void Button3Click();
    void RadioButton1Click();
    void Button5Click();
    void Button7Click();
    void Button9Click();
    void Button4Click();
    void Button1Click();
    void Button2Click();
    void Button8Click();

  protected:
    void showEvent(QShowEvent* event) override;
    // Every way out (Exit, the close box, Escape) returns to browsing mode.
    void hideEvent(QHideEvent* event) override;

  private:
    void Connect();
    void CancelInclusion(bool byButton);
    bool ConstantMode() const;
    std::string BoxName() const;
    bool CatalogLocked();
    bool WriteConstantProperties(const std::string& name, const std::string& file);
    QLineEdit* FirstInvalidValue() const;
    void IncludeMaterial(const std::string& name, const std::string& file);
    void ShowMaterialNamed(const std::string& name);
    void SaveChanges();
    void FillMaterialBox();

    MaterialCatalog& catalog_;
    const DirectoryConfig& directories_;
    const SimulationCounter& simulations_;
    Prompter& prompts_;
    QWidget* owner_;
    EditorControls c_;
};

}  // namespace porvap
