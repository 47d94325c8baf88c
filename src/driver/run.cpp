// The run order: one straight pass from the banner to the closing key wait.
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "console/console.h"
#include "cpu/cpu.h"
#include "cpu/cpu_info.h"
#include "cpu/cyrix.h"
#include "driver/driver.h"
#include "driver/options.h"
#include "pci/compare.h"
#include "pci/host_bridge.h"
#include "pci/set_command.h"
#include "timing/memory_bench.h"

namespace {

const char DASH_LINE[] = "------------------------------------------\n";

// Runs every set command in command-line order in one mode; in the check
// pass the first abort stops the pass.
SetResult RunSetCommands(int argc, char* argv[], SetMode mode) {
  for (int i = 1; i < argc; ++i) {
    const char* spec = SetSpecOf(argv[i]);
    if (spec == nullptr)
      continue;
    if (ApplySetSpec(spec, mode, options.force, options.verbose) == SET_ABORT && mode == SET_CHECK)
      return SET_ABORT;
  }
  return SET_CONTINUE;
}

// The chipset section, or with -compare the comparison in its place.
void PrintChipsetSection(ConfigSource source) {
  if (options.no_chipset)
    return;
  const ConfigDump* saved = ComparisonDump();
  if (options.compare_file != nullptr && saved != nullptr) {
    PrintComparisonReport(*saved, options.decode_file, options.compare_file, source,
                          options.verbose);
  } else {
    PrintHostBridgeReport(options.verbose, source);
  }
}

void PrintReportSections() {
  if (!options.no_cpu) {
    PagedPrint("%s", DASH_LINE);
    PrintCpuReport();
    PagedPrint("%s", DASH_LINE);
  }
  PrintChipsetSection(BYTES_FROM_HARDWARE);
  if (!options.no_memory) {
    if (cpu_info.has_tsc) {
      RunMemoryBenchmark(cpu_info.clock_mhz);
    } else {
      PagedPrint(
          "Sorry, this version of KRVT does not support memory performance reporting "
          "functions for CPUs which do not have RDTSR instruction.");
    }
  }
}

// What the Cyrix preparation changed, to be put back at the end of the run
// or when a signal stops it.
bool cyrix_found = false;
int saved_mapping = -1;
int saved_cpuid = -1;

// Step 9, also the stop action: in the reverse order, once.
void PutCyrixBack() {
  if (!cyrix_found)
    return;
  cyrix_found = false;
  RestoreCyrixCpuid(saved_cpuid);
  RestoreRegisterMapping(saved_mapping);
}

// The run's exit status: a refused write ends it with 3; otherwise a report
// that did not reach standard output (a full disk, a closed descriptor, a
// reader gone away) ends it with 4, said on standard error while that can
// still be written.
int FinalStatus() {
  const bool report_lost = std::fflush(stdout) != 0 || std::ferror(stdout) != 0;
  if (set_write_refused)
    return EXIT_WRITE_REFUSED;
  if (report_lost) {
    PagedPrintTo(stderr, "korvalt: the report could not be written to standard output.\n");
    return EXIT_REPORT_LOST;
  }
  return 0;
}

}  // namespace

int RunMainSequence(int argc, char* argv[]) {
#ifdef SIGPIPE
  // A reader that goes away early (korvalt | head) makes later writes fail,
  // and failed writes are ignored like any other: the run must still reach
  // the end and put the Cyrix configuration back.
  signal(SIGPIPE, SIG_IGN);
#endif

  // The options are read before the banner is printed (reading them prints
  // nothing): "--version" prints its one line alone.
  ScanStop stop = ScanOptions(argc, argv);
  // "--help" is for reading or piping on: no pauses, no key wait.  The
  // switches after "-?" are not looked at, so "-? -nobeep" still beeps.
  SetConsoleSwitches(!options.batch && stop != SCAN_LONG_HELP, !options.no_beep);
  if (stop == SCAN_VERSION) {
    PagedPrint("korvalt %s\n", KORVALT_VERSION_TEXT);
    return FinalStatus();
  }

  // 1. Banner.
  PagedPrint("\n--- KORVALT  ver 0.14  by Telvaroq ---\n");

  // 2-3. The help ends the run here, before any hardware access.
  if (stop == SCAN_HELP || stop == SCAN_LONG_HELP) {
    RunHelp(argc > 0 ? argv[0] : nullptr, stop == SCAN_HELP);
    return FinalStatus();
  }

  // A saved dump has no processor, no clock and no memory to measure, and
  // nothing to write to: only the bridge is identified and reported.
  bool decoding = options.decode_file != nullptr;

  // 4. Cyrix preparation, keeping the bytes to put back.  A signal from here
  // on is carried out at a safe point, after putting them back; none falls
  // between a change and the note of what to put back.
  cyrix_found = false;
  CatchStopSignals(PutCyrixBack);
  // A fatal error (a counter that stands still) ends the run through exit:
  // the registers go back then too, rather than leaving CPUID on until the
  // next reset.  After a whole run there is nothing left to put back.
  static bool put_back_at_exit = false;
  if (!put_back_at_exit) {
    put_back_at_exit = true;
    std::atexit(PutCyrixBack);
  }
  if (!decoding && !options.no_cpu && CyrixPresent()) {
    HoldStops(true);
    cyrix_found = true;
    saved_mapping = EnableRegisterMapping();
    saved_cpuid = EnableCyrixCpuid();
    HoldStops(false);
  }

  // 5-6. Identification, always: the memory section needs the clock and the
  // set commands need the bridge.
  if (!decoding)
    DetectCpu();
  DetectHostBridge();

  // 7. Set commands, checked all before any is applied; an abort skips the
  // report sections but not the restore.
  bool aborted = false;
  set_write_refused = false;
  if (!decoding && (current_chipset != nullptr || options.force)) {
    if (RunSetCommands(argc, argv, SET_CHECK) == SET_ABORT) {
      aborted = true;
    } else {
      // Stopping inside the pass would leave only some of the changes made.
      HoldStops(true);
      RunSetCommands(argc, argv, SET_APPLY);
      HoldStops(false);
    }
  }

  // 8. Report sections, showing the machine after the changes.
  if (decoding) {
    PrintChipsetSection(BYTES_FROM_SAVED_DUMP);
  } else if (!aborted) {
    PrintReportSections();
  }

  // 9. Put the Cyrix configuration back, in the reverse order.
  HoldStops(true);
  PutCyrixBack();
  HoldStops(false);

  const int status = FinalStatus();

  // 10. Closing prompt.
  if (!options.batch) {
    ConsoleWrite("***END*** Hit any key to exit");
    Beep();
    WaitForKey();
  }
  return status;
}
