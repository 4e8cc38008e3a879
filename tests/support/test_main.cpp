// Test entry: takes the locale from the environment, as the program's application object does,
// so that the run under LC_ALL=pl_PL.UTF-8 proves that numbers never follow it.
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
