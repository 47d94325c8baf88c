#include "pci/set_command.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "console/console.h"
#include "hw/hw.h"
#include "pci/hex_digit.h"
#include "pci/host_bridge.h"
#include "pci/pci_access.h"
#include "pci/tables/field_bits.h"
#include "pci/tables/tables.h"

namespace {

const char* const MSG_PORT_DIGIT = "Invalid port number digit.";
const char* const MSG_REG_SEPARATOR = "'=' or ':' expected.";
const char* const MSG_BIT_NUMBER = "Invalid bit number. Must be 0 - 7.";
const char* const MSG_SPAN_SEPARATOR = "'=' or '-' expected.";
const char* const MSG_BIT_ORDER = "Invalid bit range. End bit must not be below start bit.";
const char* const MSG_EQUALS = "An '=' expected.";
const char* const MSG_BINARY_DIGIT = "'0' or '1' expected.";
const char* const MSG_VALUE_OVER_BYTE = "Value too big for the specified bits.";
const char* const MSG_VALUE_OVER_SPAN = "value too big for the specified bits.";
const char* const MSG_NOT_REGISTERED =
    "The specified register number and bits are not registered. Specify -force if you want to "
    "set it anyhow.";

const char* const USER_FIELD_NAME = "***User Specified Field***";
const char* const USER_FIELD_DESCRIPTION = "x unknown bit(s)";

bool IsBitDigit(char c) {
  return c >= '0' && c <= '7';
}

// Only a row naming exactly this span counts: a wider or narrower row would
// make the user's bits mean something other than what they typed.
const RegisterField* FindExactField(unsigned reg, unsigned low, unsigned width) {
  if (current_chipset == nullptr)
    return nullptr;
  for (const RegisterField* row = current_chipset->fields; (row->reg & 0xFF) != 0; ++row) {
    if ((row->reg & 0xFF) == reg && FieldLowestBit(row->bit_spec) == low &&
        ((row->bit_spec >> 3) & 7) == width % 8) {
      return row;
    }
  }
  return nullptr;
}

// Asks until the answer is one of the two choices.  When no person can
// answer, or a batch run asks no questions, the set spec is not confirmed,
// so nothing is written.
SetResult AskAbortOrIgnore() {
  if (!ConsolePauses() || !ConsoleIsInteractive())
    return SET_ABORT;
  ConsoleWrite("\n");
  for (;;) {
    ConsoleWrite("Aboart(A) or Ignore(I)?");
    int key = WaitForKey();
    ConsoleWrite("\n");
    if (key == 'A' || key == 'a')
      return SET_ABORT;
    if (key == 'I' || key == 'i')
      return SET_CONTINUE;
    // The terminal went away: no answer will ever come.
    if (key < 0)
      return SET_ABORT;
  }
}

// "bit 3" or "bits 0, 2, 5": the bits of mask, lowest first.
const char* FormatBitList(uint8_t mask) {
  static char text[32];
  int count = 0;
  for (unsigned bit = 0; bit < 8; ++bit)
    count += (mask >> bit) & 1;
  int length = std::snprintf(text, sizeof text, count == 1 ? "bit" : "bits");
  const char* separator = " ";
  for (unsigned bit = 0; bit < 8; ++bit) {
    if ((mask >> bit) & 1) {
      length += std::snprintf(text + length, sizeof text - static_cast<size_t>(length), "%s%u",
                              separator, bit);
      separator = ", ";
    }
  }
  return text;
}

// After a write: says on standard error when the system refused it, or when
// bits of the field read back other than written (a chip keeps its
// read-only bits whatever is written to them).
void ReportBitsNotTaken(unsigned reg, uint8_t written, uint8_t mask) {
  if (TakeWriteRefusal()) {
    set_write_refused = true;
    PagedPrintTo(stderr, "Register %02X was not written: the system refused the write.\n", reg);
    return;
  }
  uint8_t now = ReadHostRegister(reg);
  uint8_t missed = static_cast<uint8_t>((now ^ written) & mask);
  if (missed != 0) {
    PagedPrintTo(stderr, "Register %02X reads back %02X: %s did not take the value written.\n", reg,
                 now, FormatBitList(missed));
  }
}

}  // namespace

bool set_write_refused = false;

SetResult ReportSetError(const char* spec, int position, const char* message, SetMode mode) {
  // The set spec goes out as plain text rather than through a format, so that a
  // spec of any length is echoed whole.
  if (mode == SET_APPLY) {
    PagedPutString("command ignored: -set", stderr);
    PagedPutString(spec, stderr);
    PagedPutChar('\n', stderr);
    return SET_CONTINUE;
  }

  PagedPrintTo(stderr, "Error in port value setting:\n%s\n", message);
  PagedPutString(spec, stderr);
  PagedPutChar('\n', stderr);
  for (int i = 0; i < position; ++i)
    PagedPutChar(' ', stderr);
  PagedPutChar('^', stderr);

  Beep();
  return AskAbortOrIgnore();
}

ParsedSetSpec ParseSetSpec(const char* spec) {
  ParsedSetSpec parsed = {SPEC_ERROR, 0, 0, 7, 0, 0, nullptr};
  auto fail = [&parsed](int position, const char* message) {
    parsed.position = position;
    parsed.error = message;
    return parsed;
  };
  if (spec == nullptr || spec[0] == '\0') {
    parsed.form = SPEC_EMPTY;
    return parsed;
  }

  int high_digit = HexDigitValue(spec[0]);
  if (high_digit < 0)
    return fail(0, MSG_PORT_DIGIT);
  int low_digit = HexDigitValue(spec[1]);
  if (low_digit < 0)
    return fail(1, MSG_PORT_DIGIT);
  parsed.reg = static_cast<unsigned>(high_digit * 16 + low_digit);

  int pos = 0;
  if (spec[2] == '=') {
    pos = 3;
  } else if (spec[2] == ':') {
    if (!IsBitDigit(spec[3]))
      return fail(3, MSG_BIT_NUMBER);
    unsigned start = static_cast<unsigned>(spec[3] - '0');
    if (spec[4] == '=') {
      parsed.low = parsed.high = start;
      pos = 5;
    } else if (spec[4] == '-') {
      if (!IsBitDigit(spec[5]))
        return fail(5, MSG_BIT_NUMBER);
      unsigned end = static_cast<unsigned>(spec[5] - '0');
      if (end < start)
        return fail(5, MSG_BIT_ORDER);
      parsed.low = start;
      parsed.high = end;
      if (spec[6] != '=')
        return fail(6, MSG_EQUALS);
      pos = 7;
    } else {
      return fail(4, MSG_SPAN_SEPARATOR);
    }
  } else {
    return fail(2, MSG_REG_SEPARATOR);
  }

  // Checked after every digit, so the value never grows past nine bits.
  unsigned value = 0;
  for (; spec[pos] != '\0'; ++pos) {
    if (spec[pos] == '0') {
      value = value * 2;
    } else if (spec[pos] == '1') {
      value = value * 2 + 1;
    } else {
      return fail(pos, MSG_BINARY_DIGIT);
    }
    if (value >= 256)
      return fail(pos, MSG_VALUE_OVER_BYTE);
  }
  if (value >= (1u << (parsed.high - parsed.low + 1)))
    return fail(pos, MSG_VALUE_OVER_SPAN);
  parsed.form = SPEC_BITS;
  parsed.value = value;
  parsed.position = pos;
  return parsed;
}

SetResult ApplySetSpec(const char* spec, SetMode mode, bool force, bool verbose) {
  const ParsedSetSpec parsed = ParseSetSpec(spec);
  if (parsed.form == SPEC_EMPTY)
    return SET_CONTINUE;
  if (parsed.form == SPEC_ERROR)
    return ReportSetError(spec, parsed.position, parsed.error, mode);
  const unsigned reg = parsed.reg;
  const unsigned low = parsed.low;
  const unsigned width = parsed.high - low + 1;

  // Read in both passes, before the table is consulted, so the check pass
  // touches the hardware exactly as the apply pass will up to its write.
  uint8_t present = ReadHostRegister(reg);

  const RegisterField* field = FindExactField(reg, low, width);
  if (field == nullptr && !force)
    return ReportSetError(spec, parsed.position, MSG_NOT_REGISTERED, mode);
  if (mode == SET_CHECK)
    return SET_CONTINUE;

  // A byte that could not be read is not known, and writing it back with
  // the field changed would put all ones into the bits around the field.
  if (reg >= HostBridgeBytesReadable(host_place.device)) {
    set_write_refused = true;
    PagedPrintTo(stderr, "Register %02X could not be read, so it was not written.\n", reg);
    return SET_CONTINUE;
  }

  RegisterField user_field = {reg, Field(parsed.high, low), 0, USER_FIELD_NAME,
                              USER_FIELD_DESCRIPTION};
  if (field == nullptr)
    field = &user_field;

  PrintFieldLine(*field, present, "old value:", verbose);
  uint8_t mask = FieldMask(Field(parsed.high, low));
  uint8_t new_byte = static_cast<uint8_t>(((parsed.value << low) & mask) | (present & ~mask));
  WriteHostRegister(reg, new_byte);
  // The byte written, not a read-back: read-only bits may not have taken it,
  // which the next line says.
  PrintFieldLine(*field, new_byte, "new value:", verbose);
  ReportBitsNotTaken(reg, new_byte, mask);
  return SET_CONTINUE;
}
