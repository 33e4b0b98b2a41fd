#pragma once

#include <string>

namespace porvap {

class Desktop;
class DirectoryConfig;
class MaterialCatalog;
class Prompter;
class SimulationCounter;
class CaseWindow;

// What a case window needs from the main window that holds it.
class CaseWindowHost {
  public:
    virtual ~CaseWindowHost() = default;

    virtual const MaterialCatalog& Catalog() const = 0;
    virtual const DirectoryConfig& Directories() const = 0;
    virtual SimulationCounter& Simulations() = 0;
    virtual Prompter& Prompts() = 0;
    virtual Desktop& DesktopServices() = 0;
    // Progress call-backs counted across every window of the program.
    virtual int& ProgressCounter() = 0;
    // Child windows of any kind, for the "Porvap <n>" captions of New and Clone.
    virtual int ChildWindowCount() const = 0;
    // A new, shown case window with the given caption.
    virtual CaseWindow* CreateCaseWindow(const std::string& caption) = 0;
    virtual void OpenPsychrometricChart(const std::string& climateFile) = 0;
};

}  // namespace porvap
