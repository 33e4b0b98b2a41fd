#include <utility>

#include <QAction>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "gui/main/ChildWindowArea.h"
#include "gui/main/MainWindow.h"

namespace porvap {
namespace {

using Command = void (MainWindow::*)();

struct ItemDef {
    const char* name;  // null for a separator
    const char* caption;
    const char* shortcut;
    const char* hint;
    Command command;
    bool needsChild;  // enabled exactly when a child window exists
};

struct MenuDef {
    const char* name;
    const char* caption;
    const char* hint;
    std::vector<ItemDef> items;
};

const ItemDef kSeparator{nullptr, "", "", "", nullptr, false};

const std::vector<MenuDef>& MenuBar() {
    static const std::vector<MenuDef> menus = {
        {"File1",
         "&File",
         "File related commands",
         {
             {"FileNewItem", "&New", "Ctrl+N", "Create a new file", &MainWindow::FileNewItemClick,
              false},
             {"FileOpenItem", "&Open", "Ctrl+O", "Open an existing file",
              &MainWindow::FileOpenItemClick, false},
             {"FileCloseItem", "&Close", "", "Close current file", &MainWindow::FileCloseItemClick,
              true},
             {"FileSaveItem", "&Save", "", "Save current file", &MainWindow::FileSaveItemClick,
              true},
             {"FileSaveAsItem", "Save &As...", "", "Save current file as...",
              &MainWindow::FileSaveAsItemClick, true},
             kSeparator,
             {"FileExitItem", "&Exit", "", "Exit the application", &MainWindow::FileExitItemClick,
              false},
         }},
        {"Edit1",
         "&Edit",
         "",
         {
             {"CutItem", "Cu&t", "", "Cut to clipboard", nullptr, true},
             {"CopyItem", "&Copy", "", "Copy to clipboard", nullptr, true},
             {"PasteItem", "&Paste", "", "Paste from clipboard", nullptr, true},
         }},
        {"Materiais1",
         "&Options",
         "",
         {
             {"a1", "&Materials", "Ctrl+M", "", &MainWindow::a1Click, false},
             {"CartaPsicromtrica1", "&Psychrometric Chart", "Ctrl+P", "",
              &MainWindow::Materiais1Click, false},
             {"VisualizarMateriais1", "&Visualize materials", "", "",
              &MainWindow::VisualizarMateriais1Click, false},
         }},
        {"Window1",
         "&Windows",
         "Window related commands such as Tile and Cascade",
         {
             {"WindowCascadeItem", "&Cascade", "", "Arrange windows to overlap",
              &MainWindow::WindowCascadeItemClick, true},
             {"WindowTileItem", "&Side by Side", "", "Arrange windows without overlap",
              &MainWindow::WindowTileItemClick, true},
             {"WindowArrangeItem", "&Organize icons", "",
              "Arrange window icons at bottom of main window", &MainWindow::WindowArrangeItemClick,
              true},
             {"WindowMinimizeItem", "&Minimize all", "", "Minimize all windows",
              &MainWindow::WindowMinimizeItemClick, true},
         }},
        {"Help1",
         "&Help",
         "Help topics",
         {
             {"Ajuda1", "&Help", "", "", &MainWindow::Ajuda1Click, false},
             kSeparator,
             {"HelpAboutItem", "&About", "", "", &MainWindow::HelpAboutItemClick, false},
         }},
    };
    return menus;
}

// The style has no pictures for the edit commands; the desktop's icon theme may.
constexpr QStyle::StandardPixmap kNoStyleIcon = QStyle::SP_CustomBase;

struct ButtonDef {
    const char* name;
    const char* hint;  // tool tip, "|", status-bar text
    const char* themeIcon;
    QStyle::StandardPixmap styleIcon;  // when the theme has none
    Command command;                   // null: no action
    bool needsChild;
};

const ButtonDef kSpeedButtons[] = {
    {"OpenBtn", "Open|Opens a saved simulation", "document-open", QStyle::SP_DialogOpenButton,
     &MainWindow::FileOpenItemClick, false},
    {"SaveBtn", "Save|Saves an existing simulation", "document-save", QStyle::SP_DialogSaveButton,
     &MainWindow::FileSaveItemClick, true},
    {"CutBtn", "Cut|", "edit-cut", kNoStyleIcon, nullptr, true},
    {"CopyBtn", "Copy|", "edit-copy", kNoStyleIcon, nullptr, true},
    {"PasteBtn", "Paste|", "edit-paste", kNoStyleIcon, nullptr, true},
    {"ExitBtn", "Exit|Leave Porvap 2.0", "application-exit", QStyle::SP_DialogCloseButton,
     &MainWindow::FileExitItemClick, false},
};

constexpr int kSpeedPanelHeight = 30;

// The part of a hint before "|" and the part after it.
std::pair<QString, QString> SplitHint(const QString& hint) {
    const int bar = hint.indexOf('|');
    if (bar < 0)
        return {hint, hint};
    return {hint.left(bar), hint.mid(bar + 1)};
}

}  // namespace

void MainWindow::BuildMenus() {
    for (const MenuDef& def : MenuBar()) {
        QMenu* menu = menuBar()->addMenu(def.caption);
        menu->setObjectName(def.name);
        menu->menuAction()->setStatusTip(def.hint);
        for (const ItemDef& item : def.items) {
            if (!item.name) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(item.caption);
            action->setObjectName(item.name);
            action->setShortcut(QKeySequence(item.shortcut));
            action->setStatusTip(item.hint);
            if (item.command)
                connect(action, &QAction::triggered, this, item.command);
            if (item.needsChild)
                childActions_.push_back(action);
        }
        if (def.name == std::string("Window1"))
            windowMenu_ = menu;
    }
    connect(windowMenu_, &QMenu::aboutToShow, this, &MainWindow::RebuildWindowList);
}

void MainWindow::BuildToolBar() {
    QToolBar* panel = addToolBar("SpeedPanel");
    panel->setObjectName("SpeedPanel");
    panel->setMovable(false);
    panel->setFloatable(false);
    panel->setMinimumHeight(kSpeedPanelHeight);
    for (const ButtonDef& def : kSpeedButtons) {
        auto* button = new QToolButton(panel);
        button->setObjectName(def.name);
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        const auto [tip, status] = SplitHint(def.hint);
        button->setText(tip);
        button->setToolTip(tip);
        button->setStatusTip(status);
        const QIcon fallback =
            def.styleIcon == kNoStyleIcon ? QIcon() : style()->standardIcon(def.styleIcon);
        button->setIcon(QIcon::fromTheme(def.themeIcon, fallback));
        if (def.command)
            connect(button, &QToolButton::clicked, this, def.command);
        if (def.needsChild)
            childButtons_.push_back(button);
        panel->addWidget(button);
    }
}

void MainWindow::UpdateMenuItems() {
    const bool anyChild = ChildWindowCount() > 0;
    for (QAction* action : childActions_) {
        action->setEnabled(anyChild);
    }
    for (QToolButton* button : childButtons_) {
        button->setEnabled(anyChild);
    }
}

// The menu ends with one entry per child window; choosing one activates that window.
void MainWindow::RebuildWindowList() {
    for (QAction* entry : windowEntries_) {
        delete entry;
    }
    windowEntries_.clear();
    const QList<QMdiSubWindow*> windows = area_->subWindowList();
    if (!windows.isEmpty())
        windowEntries_.push_back(windowMenu_->addSeparator());
    int number = 0;
    for (QMdiSubWindow* window : windows) {
        QAction* entry = windowMenu_->addAction(QString("&%1 %2").arg(++number).arg(
            window->widget() ? window->widget()->windowTitle() : window->windowTitle()));
        entry->setCheckable(true);
        entry->setChecked(window == area_->currentSubWindow());
        connect(entry, &QAction::triggered, this, [this, target = QPointer<QMdiSubWindow>(window)] {
            if (target)
                area_->setActiveSubWindow(target);
        });
        windowEntries_.push_back(entry);
    }
}

}  // namespace porvap
