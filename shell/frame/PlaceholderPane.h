#pragma once
// PlaceholderPane: a pane that shows only its caption, standing in for a
// pane the program does not have yet. It takes the focus like a real pane,
// so pane cycling and the enable rules behave as they will.

#include "shell/gui/Pane.h"

#include <QLabel>

namespace pictavo {

class PlaceholderPane : public QLabel, public Pane {
    Q_OBJECT
public:
    PlaceholderPane(PaneId id, const QString& caption, QWidget* parent = nullptr);

    PaneId paneId() const override { return id_; }
    QWidget* widget() override { return this; }

private:
    PaneId id_;
};

}  // namespace pictavo
