#pragma once
// PropertySheet: the tabbed dialog both property sheets are made of, with
// "OK" and "Cancel" and no Apply. OK first commits every page's edits, the
// one holding the focus included; once closed, the pages write no more.
// What OK and Cancel mean for the album is SheetSession's business.

#include <QDialog>

#include <vector>

class QPushButton;
class QTabWidget;

namespace pictavo {

class SheetPage;

class PropertySheet : public QDialog {
    Q_OBJECT
public:
    PropertySheet(int titleId, QWidget* parent = nullptr);

    void addPage(SheetPage* page, const QString& caption);
    QTabWidget* tabs() const { return tabs_; }
    // The page whose tab shows caption; null when there is none.
    SheetPage* page(const QString& caption) const;
    QPushButton* okButton() const { return ok_; }

    void done(int result) override;

private:
    QTabWidget* tabs_;
    QPushButton* ok_;
    std::vector<SheetPage*> pages_;
};

}  // namespace pictavo
