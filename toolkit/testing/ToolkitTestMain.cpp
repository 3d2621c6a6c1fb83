// Entry point of test programs that use the toolkit: one application object for the whole run,
// the toolkit's classes registered, as the program itself starts.
#include <gtest/gtest.h>

#include "Application.h"
#include "ClassRegistration.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  tk::TApplication application;
  application.Initialize();
  application.SetTitle("TolvaneTest");
  tk::RegisterToolkitClasses();
  return RUN_ALL_TESTS();
}
