// The choice of the machine, made once before the run: the environment's
// (the native one or a simulated PC), or with -decode a saved host bridge
// dump; and the dump that -compare names.  Every refusal here ends the
// program before the banner.
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

// Reads the dump in the file named by option ("-decode" or "-compare"), or
// says why not and returns false.
bool ReadSavedDump(const char* option, const char* path, ConfigDump* dump) {
  if (path[0] == '\0') {
    std::fprintf(stderr, "korvalt: %s needs a file: %s=FILE\n", option, option);
    return false;
  }
  std::string text;
  if (!ReadDumpFile(path, &text))
    return false;
  DumpError error;
  if (ParseConfigDump(text.data(), text.size(), dump, &error))
    return true;
  if (error.line != 0)
    std::fprintf(stderr, "korvalt: %s:%u: %s\n", path, error.line, error.message);
  else
    std::fprintf(stderr, "korvalt: %s: %s\n", path, error.message);
  return false;
}

bool IsStandardInput(const char* path) {
  return path != nullptr && std::strcmp(path, "-") == 0;
}

// The dump that -compare names, read before the run.
ConfigDump comparison_dump;
bool comparison_read = false;

// Reads the saved dumps that -decode and -compare name, and makes the one
// of -decode the machine; or says why not and returns the exit status.
int UseSavedDumps(int argc, char* argv[]) {
  const char* decode = options.decode_file;
  const char* compare = options.compare_file;
  if (AnySetCommand(argc, argv)) {
    if (decode != nullptr) {
      std::fprintf(stderr,
                   "korvalt: -set cannot be used with -decode: a saved dump has no registers "
                   "to change\n");
    } else {
      std::fprintf(stderr,
                   "korvalt: -set cannot be used with -compare: a comparison changes no "
                   "registers\n");
    }
    return EXIT_BAD_INPUT;
  }
  // The first would take all of standard input and leave the second nothing.
  if (IsStandardInput(decode) && IsStandardInput(compare)) {
    std::fprintf(stderr, "korvalt: -decode and -compare cannot both read standard input\n");
    return EXIT_BAD_INPUT;
  }
  if (decode != nullptr) {
    ConfigDump dump;
    if (!ReadSavedDump("-decode", decode, &dump))
      return EXIT_BAD_INPUT;
    UseMachine(CreateDumpMachine(dump.bytes, dump.count), false);
  }
  if (compare != nullptr) {
    if (!ReadSavedDump("-compare", compare, &comparison_dump))
      return EXIT_BAD_INPUT;
    comparison_read = true;
  }
  return 0;
}

}  // namespace

const ConfigDump* ComparisonDump() {
  return comparison_read ? &comparison_dump : nullptr;
}

int RunProgram(int argc, char* argv[]) {
  ScanStop stop = ScanOptions(argc, argv);
  comparison_read = false;
  // The version and the long help need no machine at all.
  if (stop == SCAN_RUN && (options.decode_file != nullptr || options.compare_file != nullptr)) {
    int status = UseSavedDumps(argc, argv);
    if (status != 0)
      return status;
  }
  if ((stop == SCAN_RUN && options.decode_file == nullptr) || stop == SCAN_HELP)
    SelectMachineFromEnvironment();
  return RunMainSequence(argc, argv);
}
