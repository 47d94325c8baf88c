// The option scan: whole-argument flags in any letter case, "-set" commands
// left for later, "-decode=FILE" and "-compare=FILE" kept, "-?", "--help" and "--version" acted
// on where they stand.
#include "driver/options.h"

#include <strings.h>

#include <cstring>

#include "driver/driver.h"

Options options;

namespace {

struct FlagName {
  const char* name;
  int Options::*flag;
};

const FlagName FLAG_NAMES[] = {
    {"-batch", &Options::batch},        {"-b", &Options::batch},
    {"-verbose", &Options::verbose},    {"-v", &Options::verbose},
    {"-nocpu", &Options::no_cpu},       {"-nochipset", &Options::no_chipset},
    {"-nomemory", &Options::no_memory}, {"-nobeep", &Options::no_beep},
    {"-force", &Options::force},
};

const char SET_PREFIX[] = "-set";
const int SET_PREFIX_LENGTH = 4;
const char DECODE_PREFIX[] = "-decode";
const char COMPARE_PREFIX[] = "-compare";

// The file named by an argument "PREFIX=FILE" (PREFIX in any letter case):
// the text after the '=', empty when no '=' follows the prefix right there.
const char* FileOptionOf(const char* argument, const char* prefix) {
  const size_t length = strlen(prefix);
  if (argument == nullptr || strncasecmp(argument, prefix, length) != 0)
    return nullptr;
  const char* rest = argument + length;
  // "-decode" alone or "-comparefoo" names no file; the run refuses it
  // rather than reporting what the user did not ask about.
  return *rest == '=' ? rest + 1 : rest + strlen(rest);
}

// The two long options every Linux user types; in any letter case, as the
// program's own flags are.
struct StopName {
  const char* name;
  ScanStop stop;
};
const StopName STOP_NAMES[] = {
    {"--help", SCAN_LONG_HELP},
    {"--version", SCAN_VERSION},
};

}  // namespace

ScanStop ScanOptions(int argc, const char* const argv[]) {
  options = Options{};
  for (int i = 1; i < argc; ++i) {
    const char* argument = argv[i];
    if (argument == nullptr)
      break;
    if (strcmp(argument, "-?") == 0)
      return SCAN_HELP;
    for (const StopName& stop : STOP_NAMES) {
      if (strcasecmp(argument, stop.name) == 0)
        return stop.stop;
    }
    for (const FlagName& flag : FLAG_NAMES) {
      if (strcasecmp(argument, flag.name) == 0)
        options.*flag.flag = 1;
    }
    const char* file = DecodeFileOf(argument);
    if (file != nullptr)
      options.decode_file = file;
    file = CompareFileOf(argument);
    if (file != nullptr)
      options.compare_file = file;
  }
  return SCAN_RUN;
}

const char* DecodeFileOf(const char* argument) {
  return FileOptionOf(argument, DECODE_PREFIX);
}

const char* CompareFileOf(const char* argument) {
  return FileOptionOf(argument, COMPARE_PREFIX);
}

const char* SetSpecOf(const char* argument) {
  if (argument == nullptr || strncasecmp(argument, SET_PREFIX, SET_PREFIX_LENGTH) != 0) {
    return nullptr;
  }
  return argument + SET_PREFIX_LENGTH;
}
