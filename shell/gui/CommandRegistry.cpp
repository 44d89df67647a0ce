#include "shell/gui/CommandRegistry.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/AppContext.h"

#include <QAction>
#include <QFile>
#include <QIcon>

namespace pictavo {

namespace {

struct CommandSpec {
    CommandId id;
    int textId;
    QList<QKeySequence> keys;
    const char* icon;  // name in the :/icons resource, or null
    bool checkable;
};

QKeySequence keys(QKeyCombination key) {
    return QKeySequence(key);
}

const QList<CommandSpec>& commandSpecs() {
    using C = CommandId;
    static const QList<CommandSpec> specs = {
        {C::New, sid::MenuNew, {keys(Qt::CTRL | Qt::Key_N)}, "new", false},
        {C::Open, sid::MenuOpen, {keys(Qt::CTRL | Qt::Key_O)}, "open", false},
        {C::Close, sid::MenuClose, {}, nullptr, false},
        {C::Save, sid::MenuSave, {keys(Qt::CTRL | Qt::Key_S)}, "save", false},
        {C::SaveAs, sid::MenuSaveAs, {}, nullptr, false},
        {C::Recent1, sid::MenuRecentFiles, {}, nullptr, false},
        {C::Recent2, sid::MenuRecentFiles, {}, nullptr, false},
        {C::Recent3, sid::MenuRecentFiles, {}, nullptr, false},
        {C::Recent4, sid::MenuRecentFiles, {}, nullptr, false},
        {C::ImportFolder, sid::MenuImportFolder, {}, "import-folder", false},
        {C::ImportFiles, sid::MenuImportFiles, {}, "import-files", false},
        {C::Exit, sid::MenuExit, {}, nullptr, false},
        {C::Undo, sid::MenuUndoNothing, {keys(Qt::CTRL | Qt::Key_Z)}, "undo", false},
        {C::Redo,
         sid::MenuRedoNothing,
         {keys(Qt::CTRL | Qt::Key_Y), keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
         "redo",
         false},
        {C::NewFolder, sid::MenuNewFolder, {keys(Qt::CTRL | Qt::Key_F)}, "new-folder", false},
        {C::NewLink, sid::MenuNewLink, {keys(Qt::CTRL | Qt::Key_I)}, "new-link", false},
        {C::Cut, sid::MenuCut, {keys(Qt::CTRL | Qt::Key_X)}, "cut", false},
        {C::Copy, sid::MenuCopy, {keys(Qt::CTRL | Qt::Key_C)}, "copy", false},
        {C::Paste, sid::MenuPaste, {keys(Qt::CTRL | Qt::Key_V)}, "paste", false},
        // The album panes handle the Delete key themselves.
        {C::Delete, sid::MenuDelete, {}, "delete", false},
        {C::MoveUp, sid::MenuMoveUp, {keys(Qt::CTRL | Qt::Key_Up)}, "move-up", false},
        {C::MoveDown, sid::MenuMoveDown, {keys(Qt::CTRL | Qt::Key_Down)}, "move-down", false},
        {C::ConvertImages, sid::MenuConvertImages, {}, "convert", false},
        {C::ExportWeb, sid::MenuExportWeb, {}, "export-web", false},
        {C::PreviewWeb, sid::MenuPreviewWeb, {}, "preview-web", false},
        {C::ExportCd, sid::MenuExportCd, {}, "export-cd", false},
        {C::PreviewCd, sid::MenuPreviewCd, {}, "preview-cd", false},
        {C::PreviewFolder, sid::MenuPreviewFolder, {}, nullptr, false},
        {C::Toolbar, sid::MenuToolbar, {}, nullptr, true},
        {C::StatusBar, sid::MenuStatusBar, {}, nullptr, true},
        {C::AlbumExplorer, sid::MenuAlbumExplorer, {}, nullptr, true},
        {C::FileExplorer, sid::MenuFileExplorer, {}, nullptr, true},
        {C::PropertyArea, sid::MenuPropertyArea, {}, nullptr, true},
        {C::LargeIcons, sid::MenuLargeIcons, {}, "large-icons", true},
        {C::SmallIcons, sid::MenuSmallIcons, {}, "small-icons", true},
        {C::List, sid::MenuList, {}, "list", true},
        {C::Details, sid::MenuDetails, {}, "details", true},
        {C::Thumbnails, sid::MenuThumbnails, {}, "thumbnails", true},
        {C::Refresh, sid::MenuRefresh, {keys(Qt::Key_F5)}, nullptr, false},
        {C::WebsiteProperties, sid::MenuWebsiteProperties, {}, nullptr, false},
        {C::LayoutProperties, sid::MenuLayoutProperties, {}, nullptr, false},
        {C::Environment, sid::MenuEnvironment, {}, nullptr, false},
        {C::HelpContents, sid::MenuHelpContents, {keys(Qt::Key_F1)}, "help", false},
        {C::TipOfTheDay, sid::MenuTipOfTheDay, {}, nullptr, false},
        {C::About, sid::MenuAbout, {}, nullptr, false},
        {C::NextPane, sid::NextPane, {keys(Qt::Key_F6)}, nullptr, false},
        {C::PreviousPane, sid::PreviousPane, {keys(Qt::SHIFT | Qt::Key_F6)}, nullptr, false},
    };
    return specs;
}

}  // namespace

struct CommandRegistry::Command {
    QAction* action = nullptr;
    Handler handler;
};

CommandRegistry::CommandRegistry(AppContext& context, QObject* parent)
    : QObject(parent), context_(context) {
    for (const CommandSpec& spec : commandSpecs()) {
        auto* command = new Command;
        command->action = new QAction(uiText(spec.textId), this);
        command->action->setObjectName(QStringLiteral("command%1").arg(static_cast<int>(spec.id)));
        command->action->setToolTip(plainMenuText(command->action->text()));
        command->action->setShortcuts(spec.keys);
        command->action->setCheckable(spec.checkable);
        if (spec.icon) {
            const QString path = QStringLiteral(":/icons/%1.svg").arg(QLatin1String(spec.icon));
            if (QFile::exists(path))
                command->action->setIcon(QIcon(path));
        }
        const CommandId id = spec.id;
        connect(command->action, &QAction::triggered, this, [this, id] { trigger(id); });
        commands_.insert(static_cast<int>(id), command);
    }
    refresh();
}

CommandRegistry::~CommandRegistry() {
    qDeleteAll(commands_);
}

QAction* CommandRegistry::action(CommandId id) const {
    const Command* command = commands_.value(static_cast<int>(id));
    return command ? command->action : nullptr;
}

QList<QAction*> CommandRegistry::actions() const {
    QList<QAction*> all;
    for (const CommandSpec& spec : commandSpecs())
        all.append(action(spec.id));
    return all;
}

bool CommandRegistry::isRoutedToPane(CommandId id) {
    switch (id) {
        case CommandId::NewFolder:
        case CommandId::NewLink:
        case CommandId::Cut:
        case CommandId::Copy:
        case CommandId::Paste:
        case CommandId::Delete:
        case CommandId::MoveUp:
        case CommandId::MoveDown:
        case CommandId::LargeIcons:
        case CommandId::SmallIcons:
        case CommandId::List:
        case CommandId::Details:
        case CommandId::Thumbnails:
        case CommandId::Refresh:
        case CommandId::ConvertImages:
            return true;
        default:
            return false;
    }
}

void CommandRegistry::setHandler(CommandId id, Handler handler) {
    Command* command = commands_.value(static_cast<int>(id));
    if (!command)
        return;
    command->handler = std::move(handler);
    refresh();
}

void CommandRegistry::refresh() {
    Pane* pane = context_.focusedPane();
    for (auto it = commands_.cbegin(); it != commands_.cend(); ++it) {
        const auto id = static_cast<CommandId>(it.key());
        Command& command = *it.value();
        const Handler& handler = command.handler;
        bool enabled = false;
        bool checked = false;
        if (isRoutedToPane(id)) {
            enabled = pane && pane->isCommandEnabled(id);
            checked = enabled && pane->isCommandChecked(id);
        } else if (handler.run) {
            enabled = !handler.enabled || handler.enabled();
            checked = handler.checked && handler.checked();
        }
        command.action->setEnabled(enabled);
        if (command.action->isCheckable())
            command.action->setChecked(checked);
        if (handler.text) {
            command.action->setText(handler.text());
            command.action->setToolTip(plainMenuText(command.action->text()));
        }
    }
}

void CommandRegistry::trigger(CommandId id) {
    refresh();  // the state may have changed since the menu was shown
    Command* command = commands_.value(static_cast<int>(id));
    if (!command || !command->action->isEnabled())
        return;
    if (isRoutedToPane(id)) {
        if (Pane* pane = context_.focusedPane())
            pane->runCommand(id);
    } else if (command->handler.run) {
        command->handler.run();
    }
    refresh();
}

}  // namespace pictavo
