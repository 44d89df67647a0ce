#pragma once
// About Pictavo: the program's icon, name and version, what it does, and
// the Qt version it runs on.

#include <QDialog>

namespace pictavo {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    // "Pictavo Version <project version>", as the dialog shows it.
    static QString versionText();
};

// Runs the dialog modally.
void showAboutDialog(QWidget* parent);

}  // namespace pictavo
