// Entry point: everything, the choice of the machine included, is in
// RunProgram.
#include "driver/driver.h"

int main(int argc, char* argv[]) {
  return RunProgram(argc, argv);
}
