#pragma once
#include <string>

namespace netcheck {

// The channel through which the window controller reports errors of the window toolkit. It keeps
// the running procedure's name per thread and names it in every report.
class ErrorReporter {
 public:
  using Presenter = void (*)(const std::string& message);

  explicit ErrorReporter(Presenter presenter = nullptr) : presenter_(presenter) {}

  // Sets up the calling thread's error status, empty.
  void BindThread();
  void SetProcedure(const std::string& name);
  void ClearProcedure();
  std::string Procedure() const;
  // Records the error in the thread's status and shows it to the user.
  void Report(const std::string& what);
  std::string LastError() const;

 private:
  Presenter presenter_;
};

}  // namespace netcheck
