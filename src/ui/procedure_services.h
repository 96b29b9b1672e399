#pragma once
#include "app/error_reporter.h"
#include "app/ini_manager.h"
#include "platform/clock.h"
#include "platform/ini_store.h"
#include "platform/registry_store.h"

namespace netcheck {

// What the main procedure reaches beyond its own window and state.
struct ProcedureServices {
  RegistryStore& registry;
  IniStore& ini;
  Clock& clock;
  IniManager& iniManager;
  ErrorReporter& errors;
};

}  // namespace netcheck
