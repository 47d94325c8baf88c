// Fuzzes the reading of saved configuration dumps over whole files, and the
// comparison with one.
//
// Input: the file's bytes, NULs and all.  A read dump must hold whole rows
// from offset 0 with every byte past them FFh, and must read back the same
// when written out again as lspci's rows and as korvalt's; a refused one
// must say why and name a line the text has.
//
// A read dump is then compared, as the saved side, with a bridge made from
// it: the same ids (or, for an input of odd length, another vendor), its
// other bytes mixed from its own, and as many of them readable as the
// input's length picks.  Every field or byte line must name a byte both
// sides hold and that differs; the counts must add up to the table's fields
// and the bytes compared; every -set spec offered must parse and give the
// saved bits.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "../simulated_pc.h"
#include "console/console.h"
#include "fuzz_support.h"
#include "hw/dump_machine.h"
#include "hw/hw.h"
#include "pci/compare.h"
#include "pci/config_dump.h"
#include "pci/host_bridge.h"
#include "pci/set_command.h"
#include "pci/tables/tables.h"

namespace {

using fuzz::Check;

std::string AsLspciRows(const ConfigDump& dump) {
  std::string text = "0000:00:00.0 Host bridge: again\n";
  char cell[8];
  for (unsigned i = 0; i < dump.count; ++i) {
    if (i % 16 == 0) {
      std::snprintf(cell, sizeof cell, "%02x:", i);
      text += cell;
    }
    std::snprintf(cell, sizeof cell, " %02x", dump.bytes[i]);
    text += cell;
    if (i % 16 == 15)
      text += "\n";
  }
  return text;
}

std::string AsKorvaltRows(const ConfigDump& dump) {
  std::string text = "   +0 +1 +2 +3 +4 +5 +6 +7 +8 +9 +A +B +C +D +E +F";
  char cell[8];
  for (unsigned i = 0; i < dump.count; ++i) {
    if (i % 16 == 0) {
      std::snprintf(cell, sizeof cell, "\n%02X ", i);
      text += cell;
    }
    std::snprintf(cell, sizeof cell, "%c%02X", i % 16 == 8 ? ':' : ' ', dump.bytes[i]);
    text += cell;
  }
  return text + "\n";
}

void CheckSame(const ConfigDump& dump, const std::string& text, const char* what) {
  // Exactly sized, so that a read past the end is caught.
  std::unique_ptr<char[]> copy = fuzz::ExactCopy(text.data(), text.size());
  ConfigDump again;
  DumpError error;
  Check(ParseConfigDump(copy.get(), text.size(), &again, &error) == 1, what,
        [&] { return std::string(error.message); });
  Check(again.count == dump.count && std::memcmp(again.bytes, dump.bytes, 256) == 0, what,
        [&] { return fuzz::Printable(text.substr(0, 300)); });
}

// ---- The comparison ---------------------------------------------------------

int HexByte(const std::string& text, size_t at) {
  unsigned value = 0;
  if (at + 2 > text.size() || std::sscanf(text.c_str() + at, "%2X", &value) != 1)
    return -1;
  return static_cast<int>(value);
}

bool StartsWith(const std::string& text, const char* start) {
  return text.compare(0, std::strlen(start), start) == 0;
}

void CheckComparison(const ConfigDump& saved, size_t size, bool verbose) {
  uint8_t mine[256];
  for (unsigned i = 0; i < 256; ++i)
    mine[i] = i < 4 ? saved.bytes[i] : saved.bytes[i] ^ saved.bytes[(i * 7 + 13) & 0xFF];
  if (size % 2 == 1)
    mine[0] ^= 0x01;
  const unsigned mine_readable = 16 * (1 + static_cast<unsigned>(size / 2) % 16);
  static std::unique_ptr<Machine> machine;
  machine.reset(CreateDumpMachine(mine, mine_readable));
  UseMachine(machine.get(), false);
  DetectHostBridge();

  fuzz::StreamCapture capture;
  PrintComparisonReport(saved, "this.txt", "saved.txt", BYTES_FROM_SAVED_DUMP, verbose);
  capture.Finish();
  auto shown = [&] { return fuzz::Printable(capture.out.substr(0, 3000)); };
  Check(capture.err.empty(), "comparison wrote to standard error", shown);

  const bool same = size % 2 == 0;
  const unsigned both = std::min(mine_readable, saved.count);
  const unsigned span = same ? 256 : 64;
  unsigned rows = 0;
  if (same && current_chipset != nullptr) {
    for (const RegisterField* row = current_chipset->fields; (row->reg & 0xFF) != 0; ++row)
      rows += (row->reg & 0xFF) < both;
  }

  unsigned field_lines = 0;
  enum { HEAD, FIELDS, BYTES } part = HEAD;
  int last_reg = -1;  // the register of the field line a hint follows
  unsigned differ = 0, alike = 0, unreadable = 0;
  bool counted = false;
  for (const std::string& line : Lines(capture.out)) {
    if (StartsWith(line, "-----Fields")) {
      part = FIELDS;
    } else if (StartsWith(line, "-----Bytes") || StartsWith(line, "-----PCI header")) {
      part = BYTES;
    } else if (StartsWith(line, "Fields that differ: ") || StartsWith(line, "Header bytes")) {
      const char* format = same ? "Fields that differ: %u; fields the same: %u; bytes not "
                                  "readable on one side: %u"
                                : "Header bytes that differ: %u; the same: %u; bytes not "
                                  "readable on one side: %u";
      Check(std::sscanf(line.c_str(), format, &differ, &alike, &unreadable) == 3,
            "count line of the wrong form", shown);
      counted = true;
    } else if (part == FIELDS &&
               line.find("\tset the saved value with -set") != std::string::npos) {
      const std::string spec = line.substr(line.find("-set") + 4);
      const ParsedSetSpec parsed = ParseSetSpec(spec.c_str());
      Check(parsed.form == SPEC_BITS && static_cast<int>(parsed.reg) == last_reg,
            "a -set hint that does not parse or names another register", shown);
      const unsigned mask = ((1u << (parsed.high - parsed.low + 1)) - 1) << parsed.low;
      Check((((parsed.value << parsed.low) ^ saved.bytes[parsed.reg]) & mask) == 0,
            "a -set hint that does not give the saved bits", shown);
    } else if (part == FIELDS && HexByte(line, 0) >= 0 && line.size() > 6 && line[6] == ':') {
      last_reg = HexByte(line, 0);
      Check(last_reg < static_cast<int>(both), "a field line for a byte one side lacks", shown);
      ++field_lines;
    } else if (part == BYTES && line.size() == 11 && line[2] == ':') {
      const int reg = HexByte(line, 0);
      Check(reg >= 0 && reg < static_cast<int>(std::min(both, span)),
            "a byte line for a byte one side lacks", shown);
      Check(HexByte(line, 4) == mine[reg] && HexByte(line, 9) == saved.bytes[reg] &&
                mine[reg] != saved.bytes[reg],
            "a byte line that is not the two differing bytes", shown);
    }
  }
  Check(counted, "no count line", shown);
  Check(unreadable == span - std::min(both, span), "unreadable bytes miscounted", shown);
  if (same) {
    Check(differ == field_lines && differ + alike == rows, "fields miscounted", shown);
  } else {
    Check(differ + alike + unreadable == span, "header bytes miscounted", shown);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::unique_ptr<char[]> text = fuzz::ExactCopy(reinterpret_cast<const char*>(data), size);
  ConfigDump dump;
  DumpError error;
  int ok = ParseConfigDump(text.get(), size, &dump, &error);
  auto shown = [&] { return fuzz::Printable(std::string(text.get(), size).substr(0, 400)); };
  if (!ok) {
    unsigned lines = 1;
    for (size_t i = 0; i < size; ++i)
      lines += data[i] == '\n';
    Check(error.message[0] != '\0', "refused without a reason", shown);
    Check(std::memchr(error.message, '\0', sizeof error.message) != nullptr,
          "reason not terminated", shown);
    Check(error.line <= lines, "refusal names a line the text does not have", shown);
    return 0;
  }
  Check(dump.count >= 16 && dump.count <= 256 && dump.count % 16 == 0, "dump of part of a row",
        shown);
  for (unsigned i = dump.count; i < 256; ++i)
    Check(dump.bytes[i] == 0xFF, "a byte past the dump is not FFh", shown);
  CheckSame(dump, AsLspciRows(dump), "lspci rows read back differently");
  CheckSame(dump, AsKorvaltRows(dump), "korvalt rows read back differently");
  static bool quiet = [] {
    UseConsoleDescriptors(-1, -1);
    SetConsoleSwitches(false, false);
    return true;
  }();
  (void)quiet;
  CheckComparison(dump, size, false);
  CheckComparison(dump, size, true);
  return 0;
}
