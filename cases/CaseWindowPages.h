#pragma once

class QWidget;

namespace porvap {

struct CaseWindowControls;

// The parts of a case window, with their controls at their defaults; each fills its
// members of the controls. The layer editor is made beforehand.
QWidget* BuildBuildingElementPage(CaseWindowControls& controls);
QWidget* BuildWeatherPage(CaseWindowControls& controls);
QWidget* BuildSimulationPage(CaseWindowControls& controls);
QWidget* BuildReportOptionsPage(CaseWindowControls& controls);
// Progress bar and the Run, Clone, Save and Help buttons below the pages.
QWidget* BuildButtonBar(CaseWindowControls& controls);
// The step-by-step panel to the right of the pages, disabled.
QWidget* BuildStepPanel(CaseWindowControls& controls);

}  // namespace porvap
