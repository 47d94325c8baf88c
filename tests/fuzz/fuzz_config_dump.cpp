// Fuzzes the reading of saved configuration dumps over whole files.
//
// Input: the file's bytes, NULs and all.  A read dump must hold whole rows
// from offset 0 with every byte past them FFh, and must read back the same
// when written out again as lspci's rows and as korvalt's; a refused one
// must say why and name a line the text has.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "pci/config_dump.h"

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
  return 0;
}
