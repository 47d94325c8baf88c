// Fuzzes the option scan over whole argument vectors.
//
// Input: the arguments separated by NUL bytes, the program name first.  Each
// argument lives in a buffer of exactly its own size, and the vector ends
// with a null pointer as main's does.
// The flags set, the files of the last -decode and -compare commands, where
// "-?", "--help" or "--version" stops the scan and which arguments are set
// commands must be what an independent reading of the command-line rules
// gives; when the scan reaches "-?" or "--help", the help must print the
// program name byte for byte ahead of the fixed help text.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "console/console.h"
#include "driver/driver.h"
#include "driver/options.h"
#include "fuzz_support.h"

namespace {

using fuzz::Check;

struct Flag {
  const char* lower_name;
  int Options::*flag;
};
const Flag FLAGS[] = {
    {"-batch", &Options::batch},        {"-b", &Options::batch},
    {"-verbose", &Options::verbose},    {"-v", &Options::verbose},
    {"-nocpu", &Options::no_cpu},       {"-nochipset", &Options::no_chipset},
    {"-nomemory", &Options::no_memory}, {"-nobeep", &Options::no_beep},
    {"-force", &Options::force},
};

std::string Lower(const std::string& text) {
  std::string out = text;
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

struct ScanReading {
  Options flags{};
  ScanStop stop = SCAN_RUN;
  bool decode = false;
  std::string decode_file;  // with decode: the last -decode command's file
  bool compare = false;
  std::string compare_file;  // likewise for -compare
};

ScanReading ReadArguments(const std::vector<std::string>& args) {
  ScanReading r;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string lower = Lower(args[i]);
    if (args[i] == "-?" || lower == "--help" || lower == "--version") {
      r.stop = args[i] == "-?" ? SCAN_HELP : lower == "--help" ? SCAN_LONG_HELP : SCAN_VERSION;
      break;
    }
    // "-decode=FILE"; with anything but '=' after the name, no file at all.
    if (lower.compare(0, 7, "-decode") == 0) {
      r.decode = true;
      r.decode_file = args[i].size() > 7 && args[i][7] == '=' ? args[i].substr(8) : "";
    }
    if (lower.compare(0, 8, "-compare") == 0) {
      r.compare = true;
      r.compare_file = args[i].size() > 8 && args[i][8] == '=' ? args[i].substr(9) : "";
    }
    // No flag name is longer than ten characters.
    if (args[i].size() > 10)
      continue;
    for (const Flag& f : FLAGS) {
      if (lower == f.lower_name)
        r.flags.*f.flag = 1;
    }
  }
  return r;
}

std::string FlagText(const Options& o) {
  char text[64];
  std::snprintf(text, sizeof text, "b%d v%d nocpu%d nochipset%d nomemory%d nobeep%d force%d",
                o.batch, o.verbose, o.no_cpu, o.no_chipset, o.no_memory, o.no_beep, o.force);
  return text;
}

// The help as printed for an empty program name, by "-?" (wait_for_key) or
// by "--help"; every other name is put in front of it unchanged.
std::string HelpTextWithoutName(bool wait_for_key) {
  SetConsoleSwitches(false, false);
  fuzz::StreamCapture capture;
  RunHelp("", wait_for_key);
  capture.Finish();
  return capture.out;
}

const std::string& HelpWithoutName(bool wait_for_key) {
  static const std::string short_help = HelpTextWithoutName(true);
  static const std::string long_help = HelpTextWithoutName(false);
  return wait_for_key ? short_help : long_help;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool console_set = [] {
    UseConsoleDescriptors(-1, -1);
    return true;
  }();
  (void)console_set;
  const std::string& help_text = HelpWithoutName(true);
  Check(help_text.compare(0, 11, " <options>\n") == 0, "help does not start with the usage line",
        [&] { return std::string(fuzz::Printable(help_text)); });

  std::vector<std::string> args;
  size_t start = 0;
  for (size_t i = 0; i <= size; ++i) {
    if (i == size || data[i] == 0) {
      args.emplace_back(reinterpret_cast<const char*>(data) + start, i - start);
      start = i + 1;
    }
  }
  std::vector<std::unique_ptr<char[]>> storage;
  std::vector<const char*> argv;
  for (const std::string& a : args) {
    storage.push_back(fuzz::ExactCopy(a.data(), a.size()));
    argv.push_back(storage.back().get());
  }
  argv.push_back(nullptr);
  auto shown = [&] {
    std::string text;
    for (const std::string& a : args)
      text += "[" + fuzz::Printable(a) + "] ";
    return text;
  };

  // Every flag on and a file named beforehand: the scan must start from
  // nothing.
  options = Options{1, 1, 1, 1, 1, 1, 1, "stale", "stale"};
  ScanStop stop = ScanOptions(static_cast<int>(args.size()), argv.data());
  ScanReading expected = ReadArguments(args);
  Check(stop == expected.stop, "the scan stopped at the wrong place", shown);
  Check(expected.decode ? options.decode_file != nullptr &&
                              std::string(options.decode_file) == expected.decode_file
                        : options.decode_file == nullptr,
        "decode file misread", shown);
  Check(expected.compare ? options.compare_file != nullptr &&
                               std::string(options.compare_file) == expected.compare_file
                         : options.compare_file == nullptr,
        "compare file misread", shown);
  Check(FlagText(options) == FlagText(expected.flags), "flags differ", [&] {
    return std::string(shown() + "\nexpected " + FlagText(expected.flags) + "\ngot " +
                       FlagText(options));
  });

  // A set command is any argument whose first four characters are "-set" in
  // any case; its set spec is the rest of that very argument.
  for (size_t i = 0; i < args.size(); ++i) {
    const char* spec = SetSpecOf(argv[i]);
    bool is_set = Lower(args[i].substr(0, 4)) == "-set";
    Check(is_set ? spec == argv[i] + 4 : spec == nullptr, "set command misread",
          [&] { return std::string("[" + fuzz::Printable(args[i]) + "]"); });
  }

  if (stop == SCAN_HELP || stop == SCAN_LONG_HELP) {
    SetConsoleSwitches(false, false);
    pager_line = 0;
    pager_column = 0;
    fuzz::StreamCapture capture;
    RunHelp(argv[0], stop == SCAN_HELP);
    capture.Finish();
    Check(capture.out == args[0] + HelpWithoutName(stop == SCAN_HELP),
          "help does not show the program name as given", [&] {
            return std::string(shown() + "\ngot " + fuzz::Printable(capture.out.substr(0, 200)));
          });
    Check(capture.err.empty(), "help printed to standard error", shown);
  }
  return 0;
}
