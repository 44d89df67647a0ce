#include "shell/frame/MainWindow.h"

#include "album/file/AlbumFile.h"
#include "core/DataFolder.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/frame/PaneSplitters.h"
#include "shell/gui/AppContext.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>

namespace pictavo {

namespace {

using C = CommandId;

constexpr std::array<CommandId, 4> kRecentCommands = {C::Recent1, C::Recent2, C::Recent3,
                                                      C::Recent4};

}  // namespace

MainWindow::MainWindow(AppContext& context, const std::array<Pane*, kPaneCount>& panes,
                       QWidget* parent)
    : QMainWindow(parent), context_(context), panes_(panes), documents_(context) {
    setObjectName(QStringLiteral("mainWindow"));
    std::array<QWidget*, 5> widgets{};
    for (int i = 0; i < kPaneCount; ++i) {
        context_.setPane(panes_[i]);
        widgets[i] = panes_[i]->widget();
    }
    splitters_ = new PaneSplitters(widgets, this);
    setCentralWidget(splitters_);
    addActions(context_.commands().actions());  // keys work while no menu is open
    registerHandlers();
    buildMenus();
    buildToolbars();
    statusBar()->showMessage(uiText(sid::StatusReady));
    setAcceptDrops(true);

    connect(&context_, &AppContext::titleChanged, this, &MainWindow::updateTitle);
    connect(&context_, &AppContext::recentFilesChanged, this, &MainWindow::rebuildRecentEntries);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { followFocus(now); });
    updateTitle();
    rebuildRecentEntries();
    context_.commands().refresh();
}

MainWindow::~MainWindow() {
    // Deleting the panes moves the focus; by then this is no MainWindow any
    // more, so it must not hear of it.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void MainWindow::applyInitialLayout(QSize screen) {
    resize(screen);
    initialScreen_ = screen;
    if (isVisible())
        layOutPanes();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Splitter sizes only hold once the window has its real geometry.
    if (initialScreen_.isValid())
        layOutPanes();
}

void MainWindow::layOutPanes() {
    splitters_->applyInitialLayout(initialScreen_, context_.settings().loadPaneVisibility());
    initialScreen_ = QSize();
    context_.commands().refresh();
}

void MainWindow::registerHandlers() {
    CommandRegistry& commands = context_.commands();
    DocumentController& docs = documents_;
    commands.setHandler(C::New, {[&docs] { docs.newAlbum(); }});
    commands.setHandler(C::Open, {[&docs] { docs.open(); }});
    commands.setHandler(C::Close, {[&docs] { docs.close(); }});
    commands.setHandler(C::Save, {[&docs] { docs.save(); }});
    commands.setHandler(C::SaveAs, {[&docs] { docs.saveAs(); }});
    for (int n = 1; n <= RecentFileList::kSize; ++n) {
        commands.setHandler(kRecentCommands[n - 1],
                            {[&docs, n] { docs.openRecent(n); },
                             [this, n] { return !context_.recentFiles().entry(n).isEmpty(); }});
    }
    commands.setHandler(C::Exit, {[this] { close(); }});

    AlbumUndoStack& undo = context_.undoStack();
    commands.setHandler(C::Undo, {[this, &undo] {
                                      if (undo.undo())
                                          context_.announceAlbumReplaced();
                                  },
                                  [&undo] { return undo.canUndo(); },
                                  {},
                                  [&undo] {
                                      return undo.canUndo()
                                                 ? uiText(sid::MenuUndo).arg(undo.undoName())
                                                 : uiText(sid::MenuUndoNothing);
                                  }});
    commands.setHandler(C::Redo, {[this, &undo] {
                                      if (undo.redo())
                                          context_.announceAlbumReplaced();
                                  },
                                  [&undo] { return undo.canRedo(); },
                                  {},
                                  [&undo] {
                                      return undo.canRedo()
                                                 ? uiText(sid::MenuRedo).arg(undo.redoName())
                                                 : uiText(sid::MenuRedoNothing);
                                  }});
    commands.setHandler(C::NextPane, {[this] { cyclePanes(1); }});
    commands.setHandler(C::PreviousPane, {[this] { cyclePanes(-1); }});
    registerViewHandlers();
}

void MainWindow::registerViewHandlers() {
    CommandRegistry& commands = context_.commands();
    commands.setHandler(C::Toolbar,
                        {[this] {
                             const bool show = toolbars_.value(0) && toolbars_[0]->isHidden();
                             for (QToolBar* bar : toolbars_)
                                 bar->setVisible(show);
                         },
                         {},
                         [this] { return toolbars_.value(0) && !toolbars_[0]->isHidden(); }});
    commands.setHandler(C::StatusBar, {[this] { statusBar()->setVisible(statusBar()->isHidden()); },
                                       {},
                                       [this] { return !statusBar()->isHidden(); }});
    commands.setHandler(C::AlbumExplorer,
                        {[this] { togglePane(PaneToggle::AlbumExplorer); },
                         {},
                         [this] { return splitters_->visibility().albumExplorer; }});
    commands.setHandler(C::FileExplorer,
                        {[this] { togglePane(PaneToggle::FileExplorer); },
                         {},
                         [this] { return splitters_->visibility().fileExplorer; }});
    commands.setHandler(C::PropertyArea, {[this] { togglePane(PaneToggle::PropertyArea); },
                                          {},
                                          [this] { return splitters_->visibility().propertyWnd; }});
    commands.setHandler(
        C::HelpContents, {[this] {
            const QString manual =
                QDir(dataFolder()).filePath(QStringLiteral("help/") + uiText(sid::HelpFileName));
            if (!QFileInfo::exists(manual) || !context_.prompts().openExternally(manual))
                context_.prompts().showError(uiText(sid::HelpMissing).arg(manual));
        }});
}

void MainWindow::buildMenus() {
    CommandRegistry& commands = context_.commands();
    auto add = [&commands](QMenu* menu, std::initializer_list<CommandId> ids) {
        for (CommandId id : ids)
            menu->addAction(commands.action(id));
    };
    QMenu* file = menuBar()->addMenu(uiText(sid::MenuFile));
    file->setObjectName(QStringLiteral("menuFile"));
    add(file, {C::New, C::Open, C::Close, C::Save, C::SaveAs});
    file->addSeparator();
    add(file, {C::ImportFolder, C::ImportFiles});
    file->addSeparator();
    add(file, {C::Recent1, C::Recent2, C::Recent3, C::Recent4});
    file->addSeparator();
    add(file, {C::Exit});

    QMenu* edit = menuBar()->addMenu(uiText(sid::MenuEdit));
    edit->setObjectName(QStringLiteral("menuEdit"));
    add(edit, {C::Undo, C::Redo});
    edit->addSeparator();
    add(edit, {C::NewFolder, C::NewLink});
    edit->addSeparator();
    add(edit, {C::Cut, C::Copy, C::Paste, C::Delete});
    edit->addSeparator();
    add(edit, {C::MoveUp, C::MoveDown});

    QMenu* view = menuBar()->addMenu(uiText(sid::MenuView));
    view->setObjectName(QStringLiteral("menuView"));
    add(view, {C::Toolbar, C::StatusBar});
    view->addSeparator();
    add(view, {C::AlbumExplorer, C::FileExplorer, C::PropertyArea});
    view->addSeparator();
    add(view, {C::LargeIcons, C::SmallIcons, C::List, C::Details, C::Thumbnails});
    view->addSeparator();
    add(view, {C::Refresh});

    QMenu* tools = menuBar()->addMenu(uiText(sid::MenuTools));
    tools->setObjectName(QStringLiteral("menuTools"));
    add(tools, {C::ExportWeb, C::PreviewWeb, C::ExportCd, C::PreviewCd});
    tools->addSeparator();
    add(tools, {C::ConvertImages});
    tools->addSeparator();
    add(tools, {C::WebsiteProperties, C::LayoutProperties, C::Environment});

    QMenu* help = menuBar()->addMenu(uiText(sid::MenuHelp));
    help->setObjectName(QStringLiteral("menuHelp"));
    add(help, {C::HelpContents, C::TipOfTheDay});
    help->addSeparator();
    add(help, {C::About});

    for (QMenu* menu : {file, edit, view, tools, help})
        connect(menu, &QMenu::aboutToShow, &commands, &CommandRegistry::refresh);
}

void MainWindow::buildToolbars() {
    CommandRegistry& commands = context_.commands();
    auto makeBar = [this, &commands](
                       int titleId, const char* name,
                       std::initializer_list<std::initializer_list<CommandId>> groups) {
        QToolBar* bar = addToolBar(uiText(titleId));
        bar->setObjectName(QLatin1String(name));
        bar->setIconSize(QSize(32, 32));
        bool first = true;
        for (const auto& group : groups) {
            if (!first)
                bar->addSeparator();
            first = false;
            for (CommandId id : group)
                bar->addAction(commands.action(id));
        }
        toolbars_.append(bar);
    };
    makeBar(sid::ToolbarMainTitle, "toolbarMain",
            {{C::New, C::Open, C::Save},
             {C::NewFolder, C::NewLink},
             {C::Cut, C::Copy, C::Paste, C::Delete},
             {C::MoveUp, C::MoveDown},
             {C::ExportWeb, C::PreviewWeb, C::ExportCd, C::PreviewCd}});
    makeBar(sid::ToolbarToolsTitle, "toolbarTools",
            {{C::ConvertImages},
             {C::Thumbnails, C::LargeIcons, C::SmallIcons, C::List, C::Details},
             {C::HelpContents}});
}

void MainWindow::rebuildRecentEntries() {
    const RecentFileList& recent = context_.recentFiles();
    bool any = false;
    for (int n = 1; n <= RecentFileList::kSize; ++n) {
        QAction* action = context_.commands().action(kRecentCommands[n - 1]);
        const QString path = recent.entry(n);
        action->setText(QStringLiteral("&%1 %2").arg(n).arg(QDir::toNativeSeparators(path)));
        action->setVisible(!path.isEmpty());
        any = any || !path.isEmpty();
    }
    if (!any) {
        // The first entry stands for the empty list, greyed.
        QAction* placeholder = context_.commands().action(C::Recent1);
        placeholder->setText(uiText(sid::MenuRecentFiles));
        placeholder->setVisible(true);
    }
    context_.commands().refresh();
}

void MainWindow::updateTitle() {
    setWindowTitle(context_.albumDisplayName() + QStringLiteral("[*] - ") + uiText(sid::AppName));
    setWindowModified(context_.album().tree.isModified());
}

void MainWindow::togglePane(PaneToggle which) {
    const PaneVisibility panes = toggled(splitters_->visibility(), which);
    splitters_->applyVisibility(panes, height());
    context_.commands().refresh();
}

void MainWindow::cyclePanes(int step) {
    std::vector<Pane*> shown;
    for (Pane* pane : panes_)
        if (pane->widget()->isVisibleTo(this))
            shown.push_back(pane);
    if (shown.empty())
        return;
    const auto at = std::find(shown.begin(), shown.end(), context_.focusedPane());
    const int count = static_cast<int>(shown.size());
    const int current =
        at == shown.end() ? (step > 0 ? -1 : 0) : static_cast<int>(at - shown.begin());
    shown[((current + step) % count + count) % count]->widget()->setFocus(Qt::OtherFocusReason);
}

void MainWindow::followFocus(QWidget* now) {
    if (!now)
        return;  // the window lost the focus: the last pane keeps it
    for (Pane* pane : panes_) {
        QWidget* widget = pane->widget();
        if (now == widget || widget->isAncestorOf(now)) {
            context_.setFocusedPane(pane);
            return;
        }
    }
    if (isAncestorOf(now))
        context_.setFocusedPane(nullptr);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    (void)context_.settings().saveRecentFiles(context_.recentFiles());
    (void)context_.settings().savePaneVisibility(splitters_->visibility());
    if (!documents_.confirmDiscard()) {
        event->ignore();
        return;
    }
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    openDroppedFiles(event->mimeData()->urls());
}

void MainWindow::openDroppedFiles(const QList<QUrl>& urls) {
    const auto local =
        std::find_if(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
    if (local == urls.end())
        return;
    const QString path = local->toLocalFile();
    if (!isAlbumFilePath(path)) {
        context_.prompts().showError(uiText(sid::DroppedNotAlbum).arg(path));
        return;
    }
    documents_.openWithQuestion(path);
}

}  // namespace pictavo
