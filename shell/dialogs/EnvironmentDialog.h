#pragma once
// The Environment dialog: the export maximum (with its switch), the
// thumbnail box and the import caption switch. What OK stores follows
// EnvironmentDialogRules: a ticked export box keeps each typed export value
// clamped to 10..10240, a cleared one stores no limit. The export fields
// accept any whole number typed so that the typed value reaches that rule;
// their arrows stay inside 10..10240. The thumbnail fields hold 10..512.

#include "properties/EnvironmentSettings.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QPushButton;
class QSpinBox;

namespace pictavo {

class EnvironmentDialog : public QDialog {
    Q_OBJECT
public:
    // The dialog shows a copy of settings; nothing is written back to it.
    explicit EnvironmentDialog(const EnvironmentSettings& settings, QWidget* parent = nullptr);

    // What OK stores for the controls as they are now.
    EnvironmentSettings acceptedSettings() const;

    QCheckBox* limitExportBox() const { return limitExport_; }
    QSpinBox* exportWidthField() const { return exportWidth_; }
    QSpinBox* exportHeightField() const { return exportHeight_; }
    QSpinBox* thumbnailWidthField() const { return thumbnailWidth_; }
    QSpinBox* thumbnailHeightField() const { return thumbnailHeight_; }
    QCheckBox* fileNameCaptionBox() const { return fileNameCaption_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    void updateExportFields();

    QCheckBox* limitExport_;
    QSpinBox* exportWidth_;
    QSpinBox* exportHeight_;
    QSpinBox* thumbnailWidth_;
    QSpinBox* thumbnailHeight_;
    QCheckBox* fileNameCaption_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

// Runs the dialog modally on a copy of current: the settings OK stores, or
// nothing on Cancel. The caller stores them and sets the change flags.
std::optional<EnvironmentSettings> runEnvironmentDialog(const EnvironmentSettings& current,
                                                        QWidget* parent);

}  // namespace pictavo
