#pragma once
#include <windows.h>

#include <vector>

namespace netcheck {

// The main window's dialog template, built in memory from the layout table, so that the dialog
// manager converts dialog units and creates the controls, in field order, with their fields as IDs.
std::vector<WORD> BuildMainDialogTemplate();

}  // namespace netcheck
