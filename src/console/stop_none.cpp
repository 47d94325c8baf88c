// Stops by signal where there are none to catch: on Windows Ctrl-C ends the
// run as the system does by default, and the bare machine has no signals;
// neither has a terminal mode to put back or a stop to defer.
#include "console/console.h"

void CatchStopSignals(void (*)()) {}
void HoldStops(bool) {}
bool StopRequested() {
  return false;
}
void StopIfRequested() {}
