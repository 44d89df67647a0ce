#pragma once
// Import a folder and Import files: the chosen disk folder or files become
// folders and pages of the album folder selected in the album explorer, as
// one undoable step; whatever could not be imported is listed in one
// message at the end.

namespace pictavo {

class AppContext;

void registerImportCommands(AppContext& context);

}  // namespace pictavo
