// The choice of the machine, made once before the run: the environment's
// (the native one or a simulated PC), or with -decode a saved host bridge
// dump.  Every refusal here ends the program before the banner.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "driver/driver.h"
#include "driver/options.h"
#include "hw/dump_machine.h"
#include "hw/hw.h"
#include "hw/select.h"
#include "pci/config_dump.h"

namespace {

// Far more than lspci -xxxx prints for every device of a large machine.
const size_t MAX_DUMP_FILE_BYTES = 4u << 20;

bool AnySetCommand(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    if (SetSpecOf(argv[i]) != nullptr)
      return true;
  }
  return false;
}

// The file's text, or false with the reason on standard error.  "-" is
// standard input, so that lspci -xxx can be piped in.
bool ReadDumpFile(const char* path, std::string* text) {
  bool from_stdin = path[0] == '-' && path[1] == '\0';
  FILE* file = from_stdin ? stdin : std::fopen(path, "rb");
  if (file == nullptr) {
    std::fprintf(stderr, "korvalt: cannot open %s: %s\n", path, std::strerror(errno));
    return false;
  }
  char chunk[4096];
  size_t got;
  bool too_large = false;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
    if (text->size() + got > MAX_DUMP_FILE_BYTES) {
      too_large = true;
      break;
    }
    text->append(chunk, got);
  }
  bool failed = std::ferror(file) != 0;
  if (!from_stdin)
    std::fclose(file);
  if (too_large || failed) {
    std::fprintf(stderr, "korvalt: cannot read %s%s\n", path,
                 too_large ? ": larger than any configuration dump" : "");
    return false;
  }
  return true;
}

// Makes the dump named by -decode the machine, or says why not and returns
// the exit status.
int UseDumpMachine(int argc, char* argv[], const char* path) {
  if (AnySetCommand(argc, argv)) {
    std::fprintf(stderr,
                 "korvalt: -set cannot be used with -decode: a saved dump has no registers "
                 "to change\n");
    return EXIT_BAD_INPUT;
  }
  if (path[0] == '\0') {
    std::fprintf(stderr, "korvalt: -decode needs a file: -decode=FILE\n");
    return EXIT_BAD_INPUT;
  }
  std::string text;
  if (!ReadDumpFile(path, &text))
    return EXIT_BAD_INPUT;
  ConfigDump dump;
  DumpError error;
  if (!ParseConfigDump(text.data(), text.size(), &dump, &error)) {
    if (error.line != 0)
      std::fprintf(stderr, "korvalt: %s:%u: %s\n", path, error.line, error.message);
    else
      std::fprintf(stderr, "korvalt: %s: %s\n", path, error.message);
    return EXIT_BAD_INPUT;
  }
  UseMachine(CreateDumpMachine(dump.bytes, dump.count), false);
  return 0;
}

}  // namespace

int RunProgram(int argc, char* argv[]) {
  ScanStop stop = ScanOptions(argc, argv);
  // The version and the long help need no machine at all.
  if (stop == SCAN_RUN && options.decode_file != nullptr) {
    int status = UseDumpMachine(argc, argv, options.decode_file);
    if (status != 0)
      return status;
  } else if (stop == SCAN_RUN || stop == SCAN_HELP) {
    SelectMachineFromEnvironment();
  }
  return RunMainSequence(argc, argv);
}
