#pragma once

namespace skiagraf::gui {

// Registers the location ("Form6"), dial-type ("F4") and parameter ("Form4")
// windows with the main window.
void RegisterInputWindows();

}  // namespace skiagraf::gui
