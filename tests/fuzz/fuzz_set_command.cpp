// Fuzzes the -set grammar against the simulated PCs of the catalogue.
//
// Input: one configuration byte, then the set spec (up to the first NUL).
// The configuration byte picks the machine (bits 7-2, modulo the catalogue)
// and turns -force (bit 0) and -verbose (bit 1) on.
//
// Every set spec is checked twice, as the driver does:
//  - check pass, batch on: a rejection prints the message and a caret that
//    stands under a character of the set spec or just after its last one, and
//    aborts; an acceptance prints nothing; either way no byte is written.
//  - apply pass: a rejection is noted as ignored and writes nothing; an
//    accepted set spec reads the register, prints the old and new field lines,
//    writes exactly the merged byte and reads it back, naming on standard
//    error the bits of the field that did not take it.
// What is accepted, and the register, span and value it names, must be what
// an independent reading of the grammar below finds: from the parser alone,
// which touches nothing, and from what the two passes do.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "console/console.h"
#include "fuzz_support.h"
#include "hw/hw.h"
#include "hw/sim/sim_machine.h"
#include "pci/host_bridge.h"
#include "pci/pci_access.h"
#include "pci/set_command.h"
#include "pci/tables/tables.h"

namespace {

using fuzz::Check;

const uint16_t CONFIG_ADDRESS = 0xCF8;
const uint16_t CONFIG_DATA = 0xCFC;

const char NOT_REGISTERED[] =
    "The specified register number and bits are not registered. Specify -force if you want to "
    "set it anyhow.";

// ---- An independent reading of the grammar ----------------------------------

struct Reading {
  bool ok = false;
  size_t position = 0;  // where the error was found
  std::string message;  // empty when the only message allowed is "any"
  bool any_message = false;
  unsigned reg = 0;
  unsigned low = 0;
  unsigned high = 7;
  unsigned value = 0;
};

int HexValue(char c) {
  const char* const digits = "0123456789abcdef";
  char lower = (c >= 'A' && c <= 'F') ? static_cast<char>(c - 'A' + 'a') : c;
  for (int i = 0; i < 16; ++i) {
    if (digits[i] == lower && c != '\0')
      return i;
  }
  return -1;
}

// Reads the set spec as the help text describes it: XX=B..., XX:S=B..., or
// XX:S-E=B...  Past the end of the text every character reads as NUL.
Reading ReadSpec(const std::string& spec) {
  Reading r;
  auto at = [&spec](size_t i) { return i < spec.size() ? spec[i] : '\0'; };
  auto fail = [&r](size_t position, const char* message) {
    r.position = position;
    r.message = message;
    return r;
  };
  auto bit_at = [&at](size_t i) { return at(i) >= '0' && at(i) <= '7' ? at(i) - '0' : -1; };

  if (HexValue(at(0)) < 0)
    return fail(0, "Invalid port number digit.");
  if (HexValue(at(1)) < 0)
    return fail(1, "Invalid port number digit.");
  r.reg = static_cast<unsigned>(HexValue(at(0)) << 4 | HexValue(at(1)));

  size_t value_start;
  if (at(2) == '=') {
    value_start = 3;
  } else if (at(2) != ':') {
    return fail(2, "'=' or ':' expected.");
  } else if (bit_at(3) < 0) {
    return fail(3, "Invalid bit number. Must be 0 - 7.");
  } else if (at(4) == '=') {
    r.low = r.high = static_cast<unsigned>(bit_at(3));
    value_start = 5;
  } else if (at(4) != '-') {
    return fail(4, "'=' or '-' expected.");
  } else if (bit_at(5) < 0) {
    return fail(5, "Invalid bit number. Must be 0 - 7.");
  } else if (bit_at(5) < bit_at(3)) {
    // The wording of this one is the program's own choice.
    r.any_message = true;
    return fail(5, "");
  } else if (at(6) != '=') {
    return fail(6, "An '=' expected.");
  } else {
    r.low = static_cast<unsigned>(bit_at(3));
    r.high = static_cast<unsigned>(bit_at(5));
    value_start = 7;
  }

  unsigned long value = 0;
  for (size_t i = value_start; i < spec.size(); ++i) {
    if (spec[i] != '0' && spec[i] != '1')
      return fail(i, "'0' or '1' expected.");
    value = value * 2 + static_cast<unsigned long>(spec[i] - '0');
    if (value > 0xFF)
      return fail(i, "Value too big for the specified bits.");
  }
  unsigned width = r.high - r.low + 1;
  if (value >> width != 0)
    return fail(spec.size(), "value too big for the specified bits.");
  r.value = static_cast<unsigned>(value);
  r.ok = true;
  return r;
}

// The table row naming exactly the span, by a plain walk of the table.
const RegisterField* ExactRow(const ChipsetEntry* chipset, unsigned reg, unsigned low,
                              unsigned high) {
  if (chipset == nullptr)
    return nullptr;
  for (const RegisterField* row = chipset->fields; row->reg % 256 != 0; ++row) {
    unsigned row_low = row->bit_spec % 8;
    unsigned row_width = (row->bit_spec / 8) % 8;
    if (row_width == 0)
      row_width = 8;
    if (row->reg % 256 == reg && row_low == low && row_width == high - low + 1)
      return row;
  }
  return nullptr;
}

// ---- The machines -----------------------------------------------------------

struct Bench {
  std::vector<std::unique_ptr<SimMachine>> pristine;
  std::vector<const ChipsetEntry*> chipsets;
  std::vector<ConfigPlace> places;  // where detection found each bridge
};

Bench& TheBench() {
  static Bench* bench = [] {
    Bench* b = new Bench;
    UseConsoleDescriptors(-1, -1);
    for (const SimMachineDesc* d = sim_catalogue; d->name != nullptr; ++d) {
      b->pristine.emplace_back(new SimMachine(*d));
      UseMachine(b->pristine.back().get(), false);
      DetectHostBridge();
      b->chipsets.push_back(current_chipset);
      b->places.push_back(host_place);
      b->pristine.back()->trace.clear();
    }
    return b;
  }();
  return *bench;
}

std::string Describe(const std::vector<PortAccess>& trace) {
  std::string out;
  char line[48];
  for (const PortAccess& a : trace) {
    std::snprintf(line, sizeof line, "%c %X %X\n", a.kind, a.port, a.value);
    out += line;
  }
  return out;
}

bool WritesConfigData(const std::vector<PortAccess>& trace) {
  for (const PortAccess& a : trace) {
    if (a.kind == 'o' && a.port >= CONFIG_DATA && a.port <= CONFIG_DATA + 3)
      return true;
  }
  return false;
}

std::string SpanText(unsigned low, unsigned high) {
  char text[8];
  if (low == 0 && high == 7) {
    std::snprintf(text, sizeof text, "    ");
  } else if (low == high) {
    std::snprintf(text, sizeof text, ":%u  ", low);
  } else {
    std::snprintf(text, sizeof text, ":%u-%u", low, high);
  }
  return text;
}

std::string Binary(unsigned value, unsigned width) {
  std::string digits;
  for (unsigned i = width; i-- > 0;)
    digits += (value >> i & 1) ? '1' : '0';
  return digits;
}

// One field line as the set command prints it, the translation taken from
// the report code (its own target checks it).
std::string FieldLineText(const char* prefix, const RegisterField& field, unsigned reg,
                          unsigned low, unsigned high, uint8_t byte, bool verbose) {
  unsigned width = high - low + 1;
  unsigned v = (byte >> low) & ((1u << width) - 1);
  char head[160];
  std::snprintf(head, sizeof head, "%s%02X%s:%-32s= %-8s", prefix, reg, SpanText(low, high).c_str(),
                field.name, Binary(v, width).c_str());
  return head + std::string(TranslateField(field, static_cast<uint8_t>(v), verbose)) + "\n";
}

void ResetRunState(const ChipsetEntry* chipset) {
  SetConsoleSwitches(false, false);
  pager_line = 0;
  pager_column = 0;
  current_chipset = chipset;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1)
    return 0;
  Bench& bench = TheBench();
  const uint8_t config = data[0];
  const size_t machine = (config >> 2) % bench.pristine.size();
  const bool force = config & 1;
  const bool verbose = (config >> 1) & 1;

  const std::string spec = fuzz::UpToNul(data + 1, size - 1);
  std::unique_ptr<char[]> text = fuzz::ExactCopy(spec.data(), spec.size());
  auto shown = [&] {
    return std::string() + "spec \"" + fuzz::Printable(spec) + "\" on " +
           sim_catalogue[machine].name + (force ? " with -force" : "");
  };

  // The traces below are those of mechanism #1; the boards reached through
  // mechanism #2 have their own traced tests.
  const ConfigPlace place = bench.places[machine];
  if (place.mechanism != 1)
    return 0;
  host_place = place;
  const uint32_t address = 0x80000000u | place.device << 11;
  SimMachine sim(*bench.pristine[machine]);
  UseMachine(&sim, false);
  const ChipsetEntry* chipset = bench.chipsets[machine];
  const Reading reading = ReadSpec(spec);

  // ---- The parser alone ----
  ResetRunState(chipset);
  fuzz::StreamCapture parse;
  const ParsedSetSpec parsed = ParseSetSpec(text.get());
  parse.Finish();
  Check(parse.out.empty() && parse.err.empty() && sim.trace.empty(),
        "the parser printed or touched the machine", shown);
  auto parsed_shown = [&] {
    return std::string(shown() + "\nparsed form " + std::to_string(parsed.form) + " position " +
                       std::to_string(parsed.position) + " reg " + std::to_string(parsed.reg) +
                       " bits " + std::to_string(parsed.low) + "-" + std::to_string(parsed.high) +
                       " value " + std::to_string(parsed.value));
  };
  if (spec.empty()) {
    Check(parsed.form == SPEC_EMPTY, "an empty spec not parsed as empty", parsed_shown);
  } else if (!reading.ok) {
    Check(parsed.form == SPEC_ERROR && parsed.error != nullptr &&
              parsed.position == static_cast<int>(reading.position),
          "the parser's rejection differs from the reading", parsed_shown);
    const std::string message = parsed.error;
    Check(reading.any_message ? !message.empty() && message.find('\n') == std::string::npos
                              : message == reading.message,
          "the parser's message differs from the reading", parsed_shown);
  } else {
    Check(parsed.form == SPEC_BITS && parsed.reg == reading.reg && parsed.low == reading.low &&
              parsed.high == reading.high && parsed.value == reading.value &&
              parsed.position == static_cast<int>(spec.size()),
          "the parser's reading differs", parsed_shown);
  }

  // ---- Check pass ----
  ResetRunState(chipset);
  fuzz::StreamCapture check;
  SetResult checked = ApplySetSpec(text.get(), SET_CHECK, force, verbose);
  check.Finish();
  Check(check.out.empty(), "the check pass printed to standard output", shown);
  Check(!WritesConfigData(sim.trace), "the check pass wrote a configuration byte",
        [&] { return std::string(shown() + "\n" + Describe(sim.trace)); });

  bool accepted = false;
  const RegisterField* row = nullptr;
  uint8_t present = 0;
  if (spec.empty()) {
    Check(checked == SET_CONTINUE && check.err.empty() && sim.trace.empty(),
          "an empty spec is not passed over in silence", shown);
  } else if (!reading.ok) {
    // The caret line: spaces, then "^" under the character where the error
    // was found, which is inside the set spec or just after it.
    size_t caret_line = check.err.rfind('\n');
    Check(caret_line != std::string::npos, "no caret line",
          [&] { return std::string(shown() + "\n" + check.err); });
    std::string caret = check.err.substr(caret_line + 1);
    Check(!caret.empty() && caret.back() == '^' && caret.find_first_not_of(' ') == caret.size() - 1,
          "malformed caret line",
          [&] { return std::string(shown() + "\n" + fuzz::Printable(check.err)); });
    Check(caret.size() - 1 <= spec.size(), "caret beyond the end of the set spec",
          [&] { return std::string(shown() + "\n" + fuzz::Printable(check.err)); });

    std::string head = "Error in port value setting:\n";
    std::string tail = "\n" + spec + "\n" + std::string(reading.position, ' ') + "^";
    bool shape = check.err.size() > head.size() + tail.size() &&
                 check.err.compare(0, head.size(), head) == 0 &&
                 check.err.compare(check.err.size() - tail.size(), tail.size(), tail) == 0;
    Check(shape, "rejection report differs from the reading", [&] {
      return std::string(shown() + "\nexpected position " + std::to_string(reading.position) +
                         " message \"" + reading.message + "\"\ngot\n" +
                         fuzz::Printable(check.err));
    });
    std::string message =
        check.err.substr(head.size(), check.err.size() - head.size() - tail.size());
    Check(reading.any_message ? message.find('\n') == std::string::npos && !message.empty()
                              : message == reading.message,
          "rejection message differs", [&] {
            return std::string(shown() + "\nexpected \"" + reading.message + "\" got \"" +
                               fuzz::Printable(message) + "\"");
          });
    Check(checked == SET_ABORT, "a rejection in batch mode did not abort", shown);
    Check(sim.trace.empty(), "a malformed spec touched the bridge",
          [&] { return std::string(shown() + "\n" + Describe(sim.trace)); });
  } else {
    // Exactly one read of the named register, before the table decides.
    const unsigned reg = reading.reg;
    Check(sim.trace.size() == 3 && sim.trace[0].kind == 'd' &&
              sim.trace[0].port == CONFIG_ADDRESS && sim.trace[0].value == (address | reg) &&
              sim.trace[1].kind == 'i' && sim.trace[1].port == CONFIG_DATA + (reg & 3) &&
              sim.trace[2].kind == 'd' && sim.trace[2].port == CONFIG_ADDRESS &&
              sim.trace[2].value == 0,
          "the check pass did not read exactly the named register",
          [&] { return std::string(shown() + "\n" + Describe(sim.trace)); });
    present = static_cast<uint8_t>(sim.trace[1].value);
    row = ExactRow(chipset, reg, reading.low, reading.high);
    accepted = row != nullptr || force;
    if (accepted) {
      Check(checked == SET_CONTINUE && check.err.empty(), "a valid, registered spec was rejected",
            [&] { return std::string(shown() + "\n" + fuzz::Printable(check.err)); });
    } else {
      std::string expected = "Error in port value setting:\n" + std::string(NOT_REGISTERED) + "\n" +
                             spec + "\n" + std::string(spec.size(), ' ') + "^";
      Check(checked == SET_ABORT && check.err == expected,
            "an unregistered span was not reported at the end of the set spec",
            [&] { return std::string(shown() + "\n" + fuzz::Printable(check.err)); });
    }
  }

  // ---- Apply pass, on the machine as the check pass left it ----
  sim.trace.clear();
  ResetRunState(chipset);
  fuzz::StreamCapture apply;
  SetResult applied = ApplySetSpec(text.get(), SET_APPLY, force, verbose);
  apply.Finish();
  Check(applied == SET_CONTINUE, "the apply pass aborted", shown);

  if (!accepted) {
    Check(!WritesConfigData(sim.trace), "a rejected spec was written", shown);
    Check(apply.out.empty(), "a rejected spec printed field lines", shown);
    std::string expected = spec.empty() ? "" : "command ignored: -set" + spec + "\n";
    Check(apply.err == expected, "ignored spec not noted as such",
          [&] { return std::string(shown() + "\n" + fuzz::Printable(apply.err)); });
    return 0;
  }

  const unsigned reg = reading.reg;
  const unsigned width = reading.high - reading.low + 1;
  const unsigned mask = ((1u << width) - 1) << reading.low;
  const uint8_t merged =
      static_cast<uint8_t>((present & ~mask) | ((reading.value << reading.low) & mask));
  // The read, the write of the merged byte, and the read-back that tells
  // whether the chip took it (read-only bits keep their value).
  const uint8_t read_back = sim.trace.size() == 9 ? static_cast<uint8_t>(sim.trace[7].value) : 0;
  char expected_trace[200];
  std::snprintf(
      expected_trace, sizeof expected_trace,
      "d CF8 %X\ni %X %X\nd CF8 0\nd CF8 %X\no %X %X\nd CF8 0\nd CF8 %X\ni %X %X\nd CF8 0\n",
      address | reg, CONFIG_DATA + (reg & 3), present, address | reg, CONFIG_DATA + (reg & 3),
      merged, address | reg, CONFIG_DATA + (reg & 3), read_back);
  Check(Describe(sim.trace) == expected_trace, "the apply pass did not write the merged byte", [&] {
    return std::string(shown() + "\nexpected\n" + expected_trace + "got\n" + Describe(sim.trace));
  });

  RegisterField user_field = {reg, 0xC0u | (width % 8) << 3 | reading.low, 0,
                              "***User Specified Field***", "x unknown bit(s)"};
  const RegisterField& field = row != nullptr ? *row : user_field;
  // Each line is built before the next translation overwrites the shared text.
  std::string old_line =
      FieldLineText("old value:", field, reg, reading.low, reading.high, present, verbose);
  std::string new_line =
      FieldLineText("new value:", field, reg, reading.low, reading.high, merged, verbose);
  Check(apply.out == old_line + new_line, "old and new field lines differ", [&] {
    return std::string(shown() + "\nexpected\n" + fuzz::Printable(old_line + new_line) + "\ngot\n" +
                       fuzz::Printable(apply.out));
  });
  // Bits of the field that read back other than written are named, lowest
  // first.
  std::string expected_err;
  const unsigned missed = (read_back ^ merged) & mask;
  if (missed != 0) {
    std::string bits;
    for (unsigned bit = 0; bit < 8; ++bit) {
      if (missed >> bit & 1)
        bits += (bits.empty() ? " " : ", ") + std::to_string(bit);
    }
    char said[160];
    std::snprintf(said, sizeof said,
                  "Register %02X reads back %02X: %s%s did not take the value written.\n", reg,
                  read_back, (missed & (missed - 1)) != 0 ? "bits" : "bit", bits.c_str());
    expected_err = said;
  }
  Check(apply.err == expected_err, "an accepted spec's stderr differs", [&] {
    return std::string(shown() + "\nexpected \"" + fuzz::Printable(expected_err) + "\"\ngot \"" +
                       fuzz::Printable(apply.err) + "\"");
  });
  return 0;
}
