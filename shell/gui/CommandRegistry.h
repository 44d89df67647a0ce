#pragma once
// CommandRegistry: one QAction per command, shared by the menus, the
// toolbars and the panes' context menus. Texts come from the string table;
// the keys are fixed here. A command is either run by a handler (the main
// window's document and view commands, and whatever later parts register)
// or routed to the pane that has the keyboard focus (the editing and list
// commands). refresh() computes every action's enabled and checked state in
// this one place; it runs whenever the focus, a selection, the album
// clipboard or the undo stack changes, so toolbar buttons follow as well as
// menus. A command without a handler and without routing stays disabled.
//
// Ownership: owns its actions; borrows the context. GUI thread only.

#include "shell/gui/CommandId.h"

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>

#include <functional>
#include <utility>

class QAction;

namespace pictavo {

class AppContext;

class CommandRegistry : public QObject {
    Q_OBJECT
public:
    struct Handler {
        Handler(std::function<void()> runs = {}, std::function<bool()> enabledWhen = {},
                std::function<bool()> checkedWhen = {}, std::function<QString()> textNow = {})
            : run(std::move(runs)),
              enabled(std::move(enabledWhen)),
              checked(std::move(checkedWhen)),
              text(std::move(textNow)) {}

        std::function<void()> run;
        std::function<bool()> enabled;  // empty: always enabled
        std::function<bool()> checked;  // for checkable commands
        std::function<QString()> text;  // for commands whose text changes
    };

    explicit CommandRegistry(AppContext& context, QObject* parent = nullptr);
    ~CommandRegistry() override;

    QAction* action(CommandId id) const;
    QList<QAction*> actions() const;
    // True for the commands that go to the focused pane.
    static bool isRoutedToPane(CommandId id);

    void setHandler(CommandId id, Handler handler);
    // Enabled and checked state (and changing texts) of every command.
    void refresh();

private:
    struct Command;
    void trigger(CommandId id);

    AppContext& context_;
    QHash<int, Command*> commands_;
};

}  // namespace pictavo
