// Stops by signal on Windows: Ctrl-C ends the run as the system does by
// default; there is no terminal mode to put back and no stop to defer.
#include "console/console.h"

void CatchStopSignals(void (*)()) {}
void HoldStops(bool) {}
bool StopRequested() {
  return false;
}
void StopIfRequested() {}
