#include "app/error_reporter.h"

namespace netcheck {
namespace {

struct ErrorStatus {
  bool bound = false;
  std::string procedure;
  std::string lastError;
};

thread_local ErrorStatus threadStatus;

}  // namespace

void ErrorReporter::BindThread() { threadStatus = ErrorStatus{true, {}, {}}; }

void ErrorReporter::SetProcedure(const std::string& name) { threadStatus.procedure = name; }

void ErrorReporter::ClearProcedure() { threadStatus.procedure.clear(); }

std::string ErrorReporter::Procedure() const { return threadStatus.procedure; }

void ErrorReporter::Report(const std::string& what) {
  threadStatus.lastError = threadStatus.procedure.empty() ? what : threadStatus.procedure + ": " + what;
  if (presenter_ != nullptr) presenter_(threadStatus.lastError);
}

std::string ErrorReporter::LastError() const { return threadStatus.lastError; }

}  // namespace netcheck
