// Fuzzes the translation of a field value through its description text, and
// the field line around it.
//
// Input: four header bytes, then the description (up to the first NUL).
//   byte 0: bit 0 verbose; bits 1-2 the prefix; bits 3-4 the name;
//           bits 5-7 all set: a row with no description at all
//   byte 1: the row's bit_spec (lowest bit, width code, access class)
//   byte 2: the register byte for the field line
//   byte 3: a field value handed to the translation as it is, unmasked;
//           for a row with no description, also the catalogue row whose
//           names the table error shows (past the last row: none)
// The translation must be exactly what an independent reading of the line
// convention gives, in both forms; the field line must be laid out as the
// report prints it, whatever the name, span and text.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "console/console.h"
#include "fuzz_support.h"
#include "pci/host_bridge.h"
#include "pci/tables/tables.h"

namespace {

using fuzz::Check;

const char* const PREFIXES[] = {"", "old value:", "new value:", "%s%n%d"};
const char* const NAMES[] = {"Cache Enable", "", "A name of exactly thirty-two ch.",
                             "A name well past the thirty-two columns it is padded to, %s %n"};

const char MISSING_REPORT[] =
    "\nAn error detected in PCI register table: \"NULL comment string\"\n"
    "Probablly a table data setup miss. contact program owner.\n"
    "The error was found in \"%s\" register of \"%s::%s\" chipset.\n";

// ---- An independent reading of the line convention --------------------------

bool IsFiller(unsigned char c) {
  return (c >= 0x01 && c <= 0x20) || c >= 0x80;
}

bool IsPatternChar(char c) {
  return c == '0' || c == '1' || c == 'x';
}

// Splits on carriage returns first; each piece loses its leading fillers and
// a piece with nothing left is no line at all.
std::string ReadDescription(const std::string& description, unsigned value, bool verbose) {
  std::vector<std::string> pieces;
  std::vector<bool> ended_by_cr;
  size_t start = 0;
  for (;;) {
    size_t cr = description.find('\r', start);
    if (cr == std::string::npos) {
      pieces.push_back(description.substr(start));
      ended_by_cr.push_back(false);
      break;
    }
    pieces.push_back(description.substr(start, cr - start));
    ended_by_cr.push_back(true);
    start = cr + 1;
  }

  std::string out;
  for (size_t i = 0; i < pieces.size(); ++i) {
    const std::string& piece = pieces[i];
    size_t first = 0;
    while (first < piece.size() && IsFiller(static_cast<unsigned char>(piece[first])))
      ++first;
    if (first == piece.size())
      continue;
    std::string line = piece.substr(first);

    size_t k = 0;
    while (k < line.size() && IsPatternChar(line[k]))
      ++k;
    if (k == 0) {
      if (verbose)
        out += "\n\t; " + line + (ended_by_cr[i] ? "\r" : "");
      continue;
    }
    // Only the last eight pattern characters can reach an 8-bit value.
    bool matches = true;
    for (size_t j = 0; j < k && j < 8; ++j) {
      char p = line[k - 1 - j];
      unsigned bit = (value >> j) & 1;
      if (p != 'x' && bit != static_cast<unsigned>(p - '0'))
        matches = false;
    }
    std::string choice = line.substr(0, k) + (k < line.size() ? ":" + line.substr(k) : "");
    if (verbose) {
      out += (matches ? "\n==>\t;*" : "\n   \t; ") + choice;
    } else if (matches) {
      out += " ; " + choice;
    }
  }
  return out;
}

// The shape every translation has, whatever its description: segments that
// each start with one of the leads of the line convention.
bool WellFormed(const std::string& text, bool verbose) {
  const char* const leads_verbose[] = {"\n==>\t;*", "\n   \t; ", "\n\t; "};
  const char* const leads_quiet[] = {" ; "};
  if (text.empty())
    return true;
  if (!verbose) {
    // Quiet output holds choice text only, which never carries a line's
    // carriage return.
    return text.compare(0, 3, leads_quiet[0]) == 0 && text.find('\r') == std::string::npos;
  }
  for (const char* lead : leads_verbose) {
    if (text.compare(0, std::string(lead).size(), lead) == 0)
      return true;
  }
  return false;
}

std::string SpanText(unsigned lowest, unsigned code) {
  char text[8];
  if (lowest == 0 && code == 0) {
    std::snprintf(text, sizeof text, "    ");
  } else if (code == 1) {
    std::snprintf(text, sizeof text, ":%u  ", lowest);
  } else {
    std::snprintf(text, sizeof text, ":%u-%u", lowest, (lowest + code + 7) % 8);
  }
  return text;
}

std::string Padded(const std::string& text, size_t columns) {
  return text.size() >= columns ? text : text + std::string(columns - text.size(), ' ');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4)
    return 0;
  static bool console_set = [] {
    UseConsoleDescriptors(-1, -1);
    return true;
  }();
  (void)console_set;

  const bool verbose = data[0] & 1;
  const char* const prefix = PREFIXES[(data[0] >> 1) & 3];
  const char* const name = NAMES[(data[0] >> 3) & 3];
  const bool missing = (data[0] >> 5) == 7;
  const uint8_t bit_spec = data[1];
  const uint8_t byte = data[2];
  const uint8_t raw_value = data[3];
  const std::string description = fuzz::UpToNul(data + 4, size - 4);
  std::unique_ptr<char[]> text = fuzz::ExactCopy(description.data(), description.size());

  SetConsoleSwitches(false, false);
  pager_line = 0;
  pager_column = 0;
  current_chipset = nullptr;
  if (missing) {
    size_t rows = 0;
    while (chipset_catalogue[rows].vendor_id != 0xFFFF)
      ++rows;
    if (raw_value < rows)
      current_chipset = &chipset_catalogue[raw_value];
  }

  const RegisterField field = {0x100u | byte, bit_spec, 0, name, missing ? nullptr : text.get()};
  auto shown = [&] {
    return std::string() + "description \"" + fuzz::Printable(description) + "\"";
  };

  const unsigned lowest = bit_spec & 7;
  const unsigned code = (bit_spec >> 3) & 7;
  const unsigned width = code == 0 ? 8 : code;
  const unsigned v = (byte >> lowest) & ((1u << width) - 1);

  // The translation alone, for any value, even one wider than the field.
  for (unsigned value : {static_cast<unsigned>(raw_value), v}) {
    fuzz::StreamCapture capture;
    std::string translated = TranslateField(field, static_cast<uint8_t>(value), verbose);
    capture.Finish();
    if (missing) {
      Check(translated == "!ERROR!", "a missing description is not marked", shown);
      char report[512];
      std::snprintf(report, sizeof report, MISSING_REPORT, name,
                    current_chipset != nullptr ? current_chipset->vendor_name : "",
                    current_chipset != nullptr ? current_chipset->device_name : "");
      Check(capture.err == report, "a missing description is not reported",
            [&] { return std::string(fuzz::Printable(capture.err)); });
      continue;
    }
    Check(capture.out.empty() && capture.err.empty(), "the translation printed something", shown);
    Check(WellFormed(translated, verbose), "translation not made of description lines",
          [&] { return std::string(shown() + "\ngot \"" + fuzz::Printable(translated) + "\""); });
    std::string expected = ReadDescription(description, value, verbose);
    Check(translated == expected, "translation differs from the line convention", [&] {
      return std::string(shown() + " value " + std::to_string(value) + (verbose ? " verbose" : "") +
                         "\nexpected \"" + fuzz::Printable(expected) + "\"\ngot \"" +
                         fuzz::Printable(translated) + "\"");
    });
  }

  // The binary digits: exactly the field's width, most significant first.
  std::string digits = FormatBinary(static_cast<uint8_t>(v), code);
  std::string expected_digits;
  for (unsigned i = width; i-- > 0;)
    expected_digits += (v >> i & 1) ? '1' : '0';
  Check(digits == expected_digits, "binary digits differ",
        [&] { return std::string(digits + " for " + expected_digits); });

  // The whole line, with the translation computed as the line computes it.
  fuzz::StreamCapture capture;
  PrintFieldLine(field, byte, prefix, verbose);
  capture.Finish();
  std::string translation = missing ? "!ERROR!" : ReadDescription(description, v, verbose);
  char reg_text[4];
  std::snprintf(reg_text, sizeof reg_text, "%02X", byte);
  std::string expected_line = std::string(prefix) + reg_text + SpanText(lowest, code) + ":" +
                              Padded(name, 32) + "= " + Padded(expected_digits, 8) + translation +
                              "\n";
  Check(capture.out == expected_line, "field line differs", [&] {
    return std::string(shown() + "\nexpected \"" + fuzz::Printable(expected_line) + "\"\ngot \"" +
                       fuzz::Printable(capture.out) + "\"");
  });
  return 0;
}
