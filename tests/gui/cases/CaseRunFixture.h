#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QLabel>
#include <QTimer>

#include "CaseWindowFixture.h"
#include "core/cases/CaseFile.h"
#include "core/engine/SimulationEngine.h"

namespace porvap::test {

template <class T = QWidget>
T* Control(CaseWindow& window, const char* name) {
    T* control = window.findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
}

inline void Click(CaseWindow& window, const char* button) {
    Control<QPushButton>(window, button)->click();
}

inline QString LabelText(CaseWindow& window, const char* name) {
    return Control<QLabel>(window, name)->text();
}

inline QString ButtonText(CaseWindow& window, const char* button) {
    return Control<QPushButton>(window, button)->text();
}

// Runs `action` from inside the loop of the run the caller starts next; dropped with the
// window if no run comes.
inline void DuringRun(CaseWindow& window, std::function<void()> action) {
    QTimer::singleShot(0, &window, std::move(action));
}

inline bool FilesClosed(CaseWindow& window) {
    const RunFiles& f = window.Engine().files;
    return !f.hext && !f.hint && !f.flux && !f.arq && !f.perfis && !f.external && !f.internal &&
           !f.folder;
}

// A report file as the window shows it: every line ended.
inline std::string ReportText(const char* file) {
    std::string text = ReadFile(file);
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    return text;
}

// Case windows on a copy of the bundled data: the rendered brick wall at level 0 over
// 01/01 00 to 03/01 23, with charts and a profile every 6 h.
class CaseRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::copy(SourcePath("data"), scratch_.Path(),
                              std::filesystem::copy_options::recursive);
        host_.catalog.LoadCatalog(host_.prompts);
        ASSERT_GT(host_.catalog.Count(), 0);
        host_.directories.Read();
        std::string message;
        ASSERT_EQ(ReadCaseFile("cases/wall-level0.sim", wall_, message), 0) << message;
        wall_.finish = {2, 0, 23};
        wall_.profileStop = wall_.finish;
        ASSERT_TRUE(host_.prompts.shown.empty()) << Shown(0);
    }

    CaseWindow& OpenWindow(const CaseRecord& record) {
        const std::string caption = "Porvap " + std::to_string(host_.ChildWindowCount() + 1);
        CaseWindow* window = host_.CreateCaseWindow(caption);
        window->ApplyCase(record);
        return *window;
    }

    std::string Shown(std::size_t k) const {
        const auto& shown = host_.prompts.shown;
        return k < shown.size() ? shown[k].text + " | " + shown[k].caption : "(nothing shown)";
    }

    std::vector<std::string> AllShown() const {
        std::vector<std::string> all;
        for (std::size_t k = 0; k < host_.prompts.shown.size(); ++k)
            all.push_back(Shown(k));
        return all;
    }

    ScratchDir scratch_;
    FakeHost host_;
    CaseRecord wall_;
};

}  // namespace porvap::test
