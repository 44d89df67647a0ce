#pragma once
// MainWindow: the program's one top-level window. It places the five panes
// in their splitters, builds the menus, the two toolbars and the status bar
// from the command registry, registers the handlers of the document and view
// commands, follows the keyboard focus for the enable rules, and writes the
// recent albums and pane visibility when it closes. Panes are created by the
// caller (see shell/app) and reached only through the context.

#include "shell/frame/DocumentController.h"
#include "shell/frame/PaneLayout.h"
#include "shell/gui/Pane.h"

#include <QMainWindow>
#include <QUrl>

#include <array>

class QMenu;
class QToolBar;

namespace pictavo {

class AppContext;
class PaneSplitters;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // panes in creation order (album explorer, album folder list, file
    // explorer tree, file list, property area); their widgets become the
    // window's children.
    MainWindow(AppContext& context, const std::array<Pane*, kPaneCount>& panes,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    DocumentController& documents() { return documents_; }
    PaneSplitters& splitters() { return *splitters_; }
    // Sizes the window to the screen and lays the panes out for it.
    void applyInitialLayout(QSize screen);
    // Files dropped on the window: the first local file is opened when it is
    // an album (*.www); anything else is refused with a message.
    void openDroppedFiles(const QList<QUrl>& urls);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void layOutPanes();
    void registerHandlers();
    void registerViewHandlers();
    void buildMenus();
    void buildToolbars();
    void rebuildRecentEntries();
    void updateTitle();
    void togglePane(PaneToggle which);
    void cyclePanes(int step);
    void followFocus(QWidget* now);

    AppContext& context_;
    std::array<Pane*, kPaneCount> panes_;
    DocumentController documents_;
    PaneSplitters* splitters_ = nullptr;
    QList<QToolBar*> toolbars_;
    QSize initialScreen_;  // the layout waits for the window to be shown
};

}  // namespace pictavo
