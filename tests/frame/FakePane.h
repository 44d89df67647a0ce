#pragma once
// A pane for the tests: it enables the commands it is told to, counts the
// commands it ran, and holds a line edit (like the property area's fields).

#include "shell/gui/Pane.h"

#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

#include <set>
#include <vector>

namespace pictavo::test {

class FakePane : public QWidget, public Pane {
public:
    explicit FakePane(PaneId id) : id_(id), field(new QLineEdit(this)) {
        setFocusPolicy(Qt::StrongFocus);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(field);
        setMinimumSize(30, 30);
    }
    PaneId paneId() const override { return id_; }
    QWidget* widget() override { return this; }
    bool isCommandEnabled(CommandId id) const override { return enabled.count(id) > 0; }
    void runCommand(CommandId id) override { ran.push_back(id); }
    void albumReplaced() override { ++replacedCount; }

    std::set<CommandId> enabled;
    std::vector<CommandId> ran;
    int replacedCount = 0;

private:
    PaneId id_;

public:
    QLineEdit* field;
};

}  // namespace pictavo::test
