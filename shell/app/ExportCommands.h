#pragma once
// The export and preview commands (web pages and CD photo album), the
// preview of one album folder that the album explorer requests, and the
// image conversion that the file list requests.

class QWidget;

namespace pictavo {

class AppContext;

void registerExportCommands(AppContext& context, QWidget* window);

}  // namespace pictavo
