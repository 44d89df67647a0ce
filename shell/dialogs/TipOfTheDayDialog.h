#pragma once
// The Tip of the Day: one tip of the tips file, "Next Tip" to step through
// them (the first again after the last), and the switch that decides whether
// the dialog opens at start-up. The switch starts from the store and is
// written only when the dialog is closed with its close button; Escape and
// the window's close box leave the store alone.

#include "shell/settings/SettingsStore.h"
#include "shell/settings/TipsFile.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace pictavo {

class TipOfTheDayDialog : public QDialog {
    Q_OBJECT
public:
    // randomValue chooses the first tip: (randomValue mod N) + 1. Without
    // tips the text area keeps "Tips lost".
    TipOfTheDayDialog(SettingsStore& store, const QString& tipsPath, quint32 randomValue,
                      QWidget* parent = nullptr);

    // The text the tip area shows.
    QString shownTip() const;
    QPushButton* nextButton() const { return next_; }
    QPushButton* closeButton() const { return close_; }
    QCheckBox* showAtStartupBox() const { return showAtStartup_; }

private:
    void showTip(int index);
    void showNextTip();
    void closeWithButton();

    SettingsStore& store_;
    TipsFile tips_;
    int current_ = 0;
    QLabel* tip_;
    QPushButton* next_;
    QPushButton* close_;
    QCheckBox* showAtStartup_;
};

// <data folder>/doc/ + the tips file name of the user's language (string 407).
QString tipsFilePath();

// Runs the dialog modally on the tips file of tipsFilePath(), starting at a
// random tip.
void showTipOfTheDay(SettingsStore& store, QWidget* parent);

}  // namespace pictavo
