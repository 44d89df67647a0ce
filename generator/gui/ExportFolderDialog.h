#pragma once
// The "Export folder" dialog: the folder a site or a CD photo album is
// written into. The field starts with the proposed folder; "..." opens the
// folder browser. OK is disabled while the field is empty and refuses a
// relative folder, which would otherwise depend on the program's current
// folder; the dialog then stays open. A missing folder is fine: the export
// creates it.
//
// GUI thread only.

#include <QDialog>

#include <optional>

class QLineEdit;
class QPushButton;

namespace pictavo {

class FolderPicker;
class UserPrompts;

class ExportFolderDialog : public QDialog {
    Q_OBJECT
public:
    ExportFolderDialog(const QString& proposed, UserPrompts& prompts, QWidget* parent = nullptr);

    QString folder() const;

    QLineEdit* folderField() const;
    QPushButton* browseButton() const;
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    void accept() override;

private:
    FolderPicker* picker_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

// Runs the dialog modally: the chosen absolute folder, or nothing on Cancel.
std::optional<QString> askExportFolder(const QString& proposed, UserPrompts& prompts,
                                       QWidget* parent);

}  // namespace pictavo
