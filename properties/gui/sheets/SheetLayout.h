#pragma once
// Small helpers that lay out the controls of the sheet pages.

#include <QString>

class QGridLayout;
class QGroupBox;
class QPushButton;
class QWidget;

namespace pictavo {

// A group box with a grid inside.
QGridLayout* groupGrid(QGroupBox*& group, int titleId, QWidget* parent);
// The "..." button that opens a file or folder dialog.
QPushButton* browseButton(const QString& objectName, QWidget* parent);
// Names a control so that tests and the accessibility tools find it.
template <typename Widget>
Widget* named(Widget* widget, const char* objectName) {
    widget->setObjectName(QLatin1String(objectName));
    return widget;
}

}  // namespace pictavo
