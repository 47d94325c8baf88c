// Entry point: choose the machine first (an unknown simulated machine ends
// the run before anything is printed), then one pass of the run order.
#include "driver/driver.h"
#include "hw/select.h"

int main(int argc, char* argv[]) {
  SelectMachineFromEnvironment();
  return RunMainSequence(argc, argv);
}
