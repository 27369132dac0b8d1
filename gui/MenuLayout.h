#pragma once

#include <string>
#include <vector>

#include "text/Language.h"

namespace skiagraf::gui {

// One real entry of the main menu (separators are not entries). `level` 0 is a
// menu of the menu bar, 1 an item of it, 2 an item of a sub-menu. Entry k takes
// caption k of the language's menu caption list.
struct MenuEntry {
  const char* name;
  int level;
  bool submenu;
  const char* key;  // short-cut in Qt's portable notation, "" for none
  bool separatorBefore = false;
};

const std::vector<MenuEntry>& MainMenuLayout();

// The captions of every real menu entry in menu order, in `language`.
std::vector<std::string> MainMenuCaptions(Language language);

}  // namespace skiagraf::gui

namespace skiagraf::gui {

// The caption of the menu entry `name` in the current language.
std::string MenuCaption(const char* name);

}  // namespace skiagraf::gui
