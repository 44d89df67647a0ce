#pragma once
// The Convert images dialog: the destination folder (with a folder browser
// behind "...") and the target format, listed in alphabetical order with
// the first one chosen. Double-clicking a format chooses it and closes the
// dialog as OK. OK is disabled while the folder is empty and refuses a
// relative folder or one that does not exist; the dialog then stays open.
//
// GUI thread only.

#include "imaging/convert/ImageConversion.h"

#include <QDialog>

#include <optional>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace pictavo {

class FolderPicker;
class UserPrompts;

class ConvertDialog : public QDialog {
    Q_OBJECT
public:
    ConvertDialog(const QString& initialFolder, UserPrompts& prompts, QWidget* parent = nullptr);

    // The folder as typed, without surrounding blanks.
    QString folder() const;
    const ConversionTarget& target() const;

    QLineEdit* folderField() const;
    QPushButton* browseButton() const;
    QListWidget* formatList() const { return formats_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    void accept() override;

private:
    void fillFormats();

    FolderPicker* picker_;
    QListWidget* formats_;
    QPushButton* ok_;
    QPushButton* cancel_;
    int targetRow_ = 0;  // into conversionTargets()
};

struct ConversionChoice {
    QString folder;
    const ConversionTarget* target = nullptr;
};

// Runs the dialog modally; nothing on Cancel.
std::optional<ConversionChoice> askConversion(const QString& initialFolder, UserPrompts& prompts,
                                              QWidget* parent);

}  // namespace pictavo
