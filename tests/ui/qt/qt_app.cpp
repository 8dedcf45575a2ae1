#include "qt_app.h"

#include <gtest/gtest.h>

#include <memory>

namespace ui_test {
namespace {

std::unique_ptr<QApplication> application;

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { App(); }
  void TearDown() override { application.reset(); }
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

QApplication& App() {
  static int argc = 1;
  static char name[] = "ui_qt_tests";
  static char* argv[] = {name, nullptr};
  if (!application) application = std::make_unique<QApplication>(argc, argv);
  return *application;
}

}  // namespace ui_test
