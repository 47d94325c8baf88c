// Entry point: make sure the standard descriptors are taken, then the run
// itself, the choice of the machine included (RunProgram).
#if !defined(_WIN32) && !defined(KORVALT_BARE_MACHINE)
#include <fcntl.h>
#include <unistd.h>
#endif

#include "driver/driver.h"

namespace {

#if !defined(_WIN32) && !defined(KORVALT_BARE_MACHINE)
// A descriptor 0, 1 or 2 left closed by whoever started the program (a
// service, cron, `korvalt >&-`) would be the next file opened, and the report
// written to standard output would land in it, configuration space
// included.  Each closed one is filled with a read-only descriptor before
// anything else is opened, so that writes to it fail (and are reported)
// rather than going anywhere.
void FillClosedStandardDescriptors() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1)
      continue;
    int filler = open("/dev/null", O_RDONLY);
    if (filler < 0)
      filler = open("/", O_RDONLY | O_DIRECTORY);
    if (filler < 0)
      _exit(EXIT_REPORT_LOST);  // nothing can be opened safely, so nothing is
    if (filler != fd) {
      dup2(filler, fd);
      close(filler);
    }
  }
}
#endif

}  // namespace

int main(int argc, char* argv[]) {
#if !defined(_WIN32) && !defined(KORVALT_BARE_MACHINE)
  FillClosedStandardDescriptors();
#endif
  return RunProgram(argc, argv);
}
