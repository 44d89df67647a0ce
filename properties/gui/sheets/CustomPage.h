#pragma once
// The "Custom" page of the website sheet: the meta variables of the page
// head in two lists, the system (http-equiv) ones and the user (name) ones,
// each with "Add", "Modify" and "Remove". A row stands for an entry of the
// record's meta list by its position there; after every change both lists
// are filled again from the record.

#include "properties/gui/sheets/SheetPage.h"

class QTreeWidget;

namespace pictavo {

class SheetDialogs;
class WebsiteProperty;

class CustomPage : public SheetPage {
    Q_OBJECT
public:
    CustomPage(WebsiteProperty& website, SheetDialogs& dialogs, QWidget* parent = nullptr);

private:
    struct VariableList {
        int ifsys;
        int titleId;  // caption of the variable dialog
        QTreeWidget* view;
    };

    QWidget* listGroup(VariableList& list, int groupTitleId, const char* name);
    void fill(VariableList& list, int selectedEntry = -1);
    int selectedEntry(const VariableList& list) const;
    void add(VariableList& list);
    void modify(VariableList& list);
    void remove(VariableList& list);

    WebsiteProperty& website_;
    SheetDialogs& dialogs_;
    VariableList system_;
    VariableList user_;
};

}  // namespace pictavo
