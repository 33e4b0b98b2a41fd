#pragma once

#include <memory>
#include <string>

#include <QWidget>

#include "cases/CaseRecord.h"
#include "cases/CaseWindowControls.h"
#include "cases/RunSettings.h"

class QLineEdit;

namespace porvap {

class CaseWindowHost;
struct SimulationEngine;
struct ValidationResult;

// A simulation case: its inputs on four pages, its own engine, and seven result pages
// that appear with the first run. The window caption is the case file's path once the
// case was saved or opened, "Porvap <n>" before.
class TMDIChild : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kNarrowWidth = 593;  // px; the step-by-step panel starts here
    static constexpr int kWideWidth = 746;    // px; the panel is shown
    static constexpr int kHelpContext = 1003;

    TMDIChild(CaseWindowHost& host, QWidget* parent = nullptr);
    ~TMDIChild() override;

    // Every input of the window, texts as typed.
    CaseRecord CaptureCase() const;
    // Fills a freshly created window from a case, running the handlers its controls run
    // when the user sets them.
    void ApplyCase(const CaseRecord& record);

    // Save: to the caption's path, or through Save As for a case never saved.
    void Button26Click();
    void SaveCaseAs(const std::string& defaultName);

    // Hands the inputs to the engine after the caller has reset its defaults, and keeps
    // the run settings. On a refused input the user is told, the input's page comes to
    // the front and the input gets the focus. Returns 0 or -1.
    int ValidateAndSetUp();
    bool IsRunInProgress() const { return false; }

    // "Reports" and "G2 - Profiles" always, the chart pages with graphical output.
    void ShowResultPages(bool graphical);
    void SetStepPanelShown(bool shown);

    SimulationEngine& Engine() { return *engine_; }
    const RunSettings& Settings() const { return settings_; }
    // The page with this tab caption, or nullptr.
    QWidget* Page(const std::string& caption) const;

  private:
    void BuildWindow();
    void ConnectCommands();
    void ConnectRules();
    void ConnectDateLists();
    void ShowPage(const std::string& caption);
    void FocusControl(const std::string& name);
    void ReportRefusal(const ValidationResult& result, CaseRecord& inputs);
    bool WriteCase(const std::string& path);

    // Commands.
    void Button2Click();
    void Button8Click();
    void Browse(QLineEdit* edit);
    void Button13Click();

    // Enabling rules.
    void RadioButton1Click();
    void CheckBox6Click();
    void CheckBox3Click();
    void RadioButton13Click();
    void CheckBox2Click();
    void RadioButton11Click();
    void CheckBox11Click();

    // Date lists.
    void ComboBox9Change();
    void ComboBox12Change();
    void ComboBox1Change();
    void ComboBox23Change();
    void ComboBox26Change();
    void ComboBox22Change();
    void ComboBox15Change();
    void Button15Click();
    void Button16Click();
    void Button17Click();
    void Button18Click();

    CaseWindowHost& host_;
    CaseWindowControls c_;
    std::unique_ptr<SimulationEngine> engine_;
    RunSettings settings_;
};

}  // namespace porvap
