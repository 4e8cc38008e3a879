// Vindargast: design of solar thermal installations.
#include "app/startup.h"

int main(int argc, char** argv) {
  return startup::Run(argc, argv);
}
