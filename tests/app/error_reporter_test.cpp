#include "app/error_reporter.h"

#include <gtest/gtest.h>

#include <thread>

namespace netcheck {
namespace {

std::string presented;
void Present(const std::string& message) { presented = message; }

TEST(ErrorReporter, KeepsTheProcedureNamePerThreadAndNamesItInReports) {
  ErrorReporter reporter(&Present);
  reporter.BindThread();
  reporter.SetProcedure("Main");
  std::string otherThreadSaw = "unset";
  std::thread other([&] {
    reporter.BindThread();
    otherThreadSaw = reporter.Procedure();
    reporter.SetProcedure("Other");
  });
  other.join();
  EXPECT_EQ(otherThreadSaw, "");
  EXPECT_EQ(reporter.Procedure(), "Main");

  reporter.Report("the window could not be created");
  EXPECT_EQ(presented, "Main: the window could not be created");
  EXPECT_EQ(reporter.LastError(), presented);

  reporter.ClearProcedure();
  reporter.Report("no procedure");
  EXPECT_EQ(presented, "no procedure");
}

}  // namespace
}  // namespace netcheck
