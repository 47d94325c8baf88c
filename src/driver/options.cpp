// The option scan: whole-argument flags in any letter case, "-set" commands
// left for later, "-?" acted on where it stands.
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

}  // namespace

int ScanOptions(int argc, const char* const argv[]) {
  options = Options{};
  for (int i = 1; i < argc; ++i) {
    const char* argument = argv[i];
    if (argument == nullptr)
      break;
    if (strcmp(argument, "-?") == 0)
      return 1;
    for (const FlagName& flag : FLAG_NAMES) {
      if (strcasecmp(argument, flag.name) == 0)
        options.*flag.flag = 1;
    }
  }
  return 0;
}

const char* SetSpecOf(const char* argument) {
  if (argument == nullptr || strncasecmp(argument, SET_PREFIX, SET_PREFIX_LENGTH) != 0) {
    return nullptr;
  }
  return argument + SET_PREFIX_LENGTH;
}
