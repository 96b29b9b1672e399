#pragma once
#include <windows.h>

#include "ui/procedure_services.h"

namespace netcheck {

// The utility's one procedure, "Main": runs the "Registry Values" window until it closes.
void MainProcedure(HINSTANCE instance, ProcedureServices& services);

}  // namespace netcheck
