#pragma once

#include <array>

class QWidget;

namespace porvap {

struct CaseWindowControls;
class ResultViews;

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
// The result pages G1 to G6 and Reports, in that order, drawing the charts of `views`;
// the pop-up menus belong to `owner`.
std::array<QWidget*, 7> BuildResultPages(CaseWindowControls& controls, const ResultViews& views,
                                         QWidget* owner);

}  // namespace porvap
