#pragma once

#include "reports/ReportDefinition.h"

class AppContext;
class ModuleWindow;

// Lays the report out, shows it in the "Print Preview" window over the module
// window (modal for that window only; other windows stay usable) and returns
// when the preview has closed. Printing happens only from the preview. The
// pages are discarded on return; printing again builds them afresh.
//
// While the preview is open the module window knows it: closing the module
// (close-all, the toolbar toggle, exit) closes the preview first. A module
// closed that way is deleted only after this function has returned, so the
// caller's code may still run to its end — but must not use the window's
// members after the call when it may have been closed (check
// ModuleWindow::closedUnderPreview() if it needs to).
//
// module may be nullptr (the preview is then modal for the application).
void showReportPreview(ModuleWindow* module, ReportDefinition& report, AppContext& context);
