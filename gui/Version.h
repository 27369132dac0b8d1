#pragma once

namespace skiagraf::gui {

// Shown in the title bar and the about panel.
inline constexpr const char* kVersion = "0.1";

}  // namespace skiagraf::gui
