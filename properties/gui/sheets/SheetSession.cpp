#include "properties/gui/sheets/SheetSession.h"

#include "properties/gui/sheets/LayoutSheet.h"
#include "properties/gui/sheets/WebsiteSheet.h"
#include "resources/StringIds.h"
#include "shell/gui/AppContext.h"

#include <memory>

namespace pictavo {

namespace {

template <typename Record>
void finishVisit(AppContext& context, int editNameId, Record& live, const Record& opened,
                 bool accepted) {
    if (!accepted) {
        live = opened;
        return;
    }
    const Record edited = live;
    live = opened;
    context.edit(editNameId, [&] {
        live = edited;
        return true;
    });
}

template <typename Record>
PropertySheet* openSession(AppContext& context, int editNameId, Record& live,
                           PropertySheet* sheet) {
    auto opened = std::make_shared<const Record>(live);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(
        sheet, &QDialog::finished, sheet, [&context, editNameId, &live, opened](int result) {
            finishVisit(context, editNameId, live, *opened, result == QDialog::Accepted);
        });
    sheet->open();
    return sheet;
}

}  // namespace

PropertySheet* openWebsiteSheet(AppContext& context, SheetDialogs& dialogs, QWidget* parent) {
    WebsiteProperty& website = context.album().website;
    return openSession(context, sid::WebsitePropertiesTitle, website,
                       makeWebsiteSheet(website, dialogs, context.prompts(), parent));
}

PropertySheet* openLayoutSheet(AppContext& context, SheetDialogs& dialogs, QWidget* parent) {
    LayoutProperty& layout = context.album().layout;
    return openSession(context, sid::LayoutPropertiesTitle, layout,
                       makeLayoutSheet(layout, dialogs, context.prompts(), parent));
}

}  // namespace pictavo
