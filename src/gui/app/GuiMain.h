#pragma once

#include "Cli.h"

namespace qv::gui {

// The program window: shows the main window (with the named project open)
// until it is closed; with a screenshot request renders one window off-screen.
int runWindow(const cli::WindowRequest& request);

// The windows --screenshot can render.
const std::vector<std::string>& screenshotWindows();

}  // namespace qv::gui
