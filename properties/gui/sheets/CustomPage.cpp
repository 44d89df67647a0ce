#include "properties/gui/sheets/CustomPage.h"

#include "properties/WebsiteProperty.h"
#include "properties/gui/sheets/SheetDialogs.h"
#include "properties/gui/sheets/SheetLayout.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace pictavo {

namespace {

constexpr int kNameColumnWidth = 110;
constexpr int kValueColumnWidth = 190;
constexpr int kEntryRole = Qt::UserRole;

}  // namespace

CustomPage::CustomPage(WebsiteProperty& website, SheetDialogs& dialogs, QWidget* parent)
    : SheetPage(parent),
      website_(website),
      dialogs_(dialogs),
      system_{1, sid::SystemMetaVariableTitle, nullptr},
      user_{0, sid::UserMetaVariableTitle, nullptr} {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listGroup(system_, sid::SheetSystemVariables, "system"));
    layout->addWidget(listGroup(user_, sid::SheetUserVariables, "user"));
    fill(system_);
    fill(user_);
}

QWidget* CustomPage::listGroup(VariableList& list, int groupTitleId, const char* name) {
    QGroupBox* group = nullptr;
    QGridLayout* grid = groupGrid(group, groupTitleId, this);
    list.view = new QTreeWidget(group);
    list.view->setObjectName(QLatin1String(name) + QLatin1String("List"));
    list.view->setRootIsDecorated(false);
    list.view->setSelectionBehavior(QAbstractItemView::SelectRows);
    list.view->setHeaderLabels(
        {uiText(sid::SheetVariableColumnName), uiText(sid::SheetVariableColumnValue)});
    list.view->header()->resizeSection(0, kNameColumnWidth);
    list.view->header()->resizeSection(1, kValueColumnWidth);
    grid->addWidget(list.view, 0, 0, 4, 1);
    using Action = void (CustomPage::*)(VariableList&);
    const struct {
        int textId;
        const char* name;
        Action action;
    } buttons[] = {{sid::SheetAdd, "Add", &CustomPage::add},
                   {sid::SheetModify, "Modify", &CustomPage::modify},
                   {sid::SheetRemove, "Remove", &CustomPage::remove}};
    int row = 0;
    for (const auto& button : buttons) {
        auto* widget = new QPushButton(uiText(button.textId), group);
        widget->setObjectName(QLatin1String(name) + QLatin1String(button.name));
        grid->addWidget(widget, row++, 1);
        connect(widget, &QPushButton::clicked, this,
                [this, &list, action = button.action] { (this->*action)(list); });
    }
    return group;
}

void CustomPage::fill(VariableList& list, int selectedEntry) {
    list.view->clear();
    const std::vector<MetaVariable>& metas = website_.metas;
    for (int entry = 0; entry < static_cast<int>(metas.size()); ++entry) {
        if ((metas[entry].ifsys != 0) != (list.ifsys != 0))
            continue;
        auto* item = new QTreeWidgetItem(list.view, {metas[entry].name, metas[entry].val});
        item->setData(0, kEntryRole, entry);
        if (entry == selectedEntry)
            list.view->setCurrentItem(item);
    }
}

int CustomPage::selectedEntry(const VariableList& list) const {
    const QList<QTreeWidgetItem*> selected = list.view->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->data(0, kEntryRole).toInt();
}

void CustomPage::add(VariableList& list) {
    const std::optional<MetaText> text = dialogs_.editVariable(uiText(list.titleId), {}, this);
    if (!text)
        return;
    MetaVariable variable;
    variable.ifsys = list.ifsys;
    variable.name = text->name;
    variable.val = text->value;
    website_.metas.push_back(variable);
    fill(list, static_cast<int>(website_.metas.size()) - 1);
}

void CustomPage::modify(VariableList& list) {
    const int entry = selectedEntry(list);
    if (entry < 0)
        return;
    MetaVariable& variable = website_.metas[static_cast<size_t>(entry)];
    const std::optional<MetaText> text =
        dialogs_.editVariable(uiText(list.titleId), {variable.name, variable.val}, this);
    if (!text)
        return;
    variable.name = text->name;
    variable.val = text->value;
    fill(list, entry);
}

// The other list's rows name later entries by position too, so both lists
// are filled again.
void CustomPage::remove(VariableList& list) {
    const int entry = selectedEntry(list);
    if (entry < 0)
        return;
    website_.metas.erase(website_.metas.begin() + entry);
    fill(system_);
    fill(user_);
}

}  // namespace pictavo
