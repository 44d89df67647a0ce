#pragma once
// FolderPicker: an edit field for a disk folder with a "..." button that
// opens the folder browser (through UserPrompts), for the dialogs that ask
// where to write. A folder is only usable as a full path: a relative one
// would depend on the program's current folder.
//
// GUI thread only.

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace pictavo {

class UserPrompts;

class FolderPicker : public QWidget {
    Q_OBJECT
public:
    FolderPicker(const QString& folder, UserPrompts& prompts, QWidget* parent = nullptr);

    // The folder as typed, without surrounding blanks.
    QString folder() const;
    // True when folder() is a full path (and, with mustExist, a folder that
    // exists); otherwise tells the user why and gives false.
    bool checkFolder(bool mustExist);

    QLineEdit* field() const { return field_; }
    QPushButton* browseButton() const { return browse_; }

signals:
    void folderChanged();

private:
    void browse();

    UserPrompts& prompts_;
    QLineEdit* field_;
    QPushButton* browse_;
};

}  // namespace pictavo
