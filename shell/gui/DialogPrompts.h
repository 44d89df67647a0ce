#pragma once
// DialogPrompts: the program's questions and messages as message boxes
// captioned with the application's name, Qt's file and folder dialogs, and
// the desktop's default programs for opening files and URLs.

#include "shell/gui/UserPrompts.h"

#include <QPointer>
#include <QWidget>

namespace pictavo {

class DialogPrompts : public UserPrompts {
public:
    void setParentWindow(QWidget* parent) { parent_ = parent; }

    Answer askYesNoCancel(const QString& text) override;
    bool askYesNo(const QString& text) override;
    void showError(const QString& text) override;
    void showInformation(const QString& text) override;
    QString askOpenFileName(const QString& filter) override;
    QStringList askOpenFileNames(const QString& filter) override;
    QString askSaveFileName(const QString& filter, const QString& proposed) override;
    QString askFolder(const QString& title, const QString& start) override;
    bool openExternally(const QString& fileOrUrl) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace pictavo
