#pragma once
// Opening a property sheet over the album's live record. The sheet's pages
// write through to the record while it is open; the session keeps a copy of
// the record as it was when the sheet opened. Cancel (or closing the sheet)
// puts that copy back, so nothing the pages wrote survives. OK turns the
// whole visit into one undoable edit: the record goes back to the copy and
// the edited values are applied inside AppContext::edit, which marks the
// album modified when anything changed.
//
// The sheet is window-modal over parent and deletes itself when closed;
// the functions return it open (tests drive it from there). The context and
// the dialogs must outlive the sheet. GUI thread only.

class QWidget;

namespace pictavo {

class AppContext;
class PropertySheet;
class SheetDialogs;

PropertySheet* openWebsiteSheet(AppContext& context, SheetDialogs& dialogs, QWidget* parent);
PropertySheet* openLayoutSheet(AppContext& context, SheetDialogs& dialogs, QWidget* parent);

}  // namespace pictavo
