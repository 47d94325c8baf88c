// The comparison section.  Both sides' bytes are taken first, the one being
// reported through the configuration access (each byte once), and then
// compared in memory: every field of the chip's table in table order, then
// the bytes whose differing bits no field covers.  A byte that either side
// could not read is never a difference, only counted.
#include "pci/compare.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "console/console.h"
#include "hw/hw.h"
#include "pci/pci_access.h"

namespace {

const unsigned CONFIG_BYTES = 256;
// Two different chips share only the layout of the PCI header.
const unsigned HEADER_BYTES = 64;

const uint32_t ACCESS_CLASS_MASK = 0xC0;
const uint32_t ORDINARY_FIELD = 0xC0;

// The marks of a verbose choice line: the six characters that lead it, by
// which of the two values it matches.
const char LEAD_NEITHER[] = "   \t; ";
const char LEAD_THIS[] = "==>\t;*";
const char LEAD_SAVED[] = "<==\t;*";
const char LEAD_BOTH[] = "<=>\t;*";
const size_t LEAD_LENGTH = 6;

struct BridgeSide {
  uint8_t bytes[CONFIG_BYTES];
  unsigned readable;  // bytes from offset 0 that could be read or were saved
  uint16_t vendor_id;
  uint16_t device_id;
  const ChipsetEntry* chip;  // nullptr when not in the catalogue
};

void TakeReportedSide(BridgeSide* side) {
  std::memset(side->bytes, 0xFF, sizeof side->bytes);
  side->readable = HostBridgeBytesReadable(host_place.device);
  if (side->readable > CONFIG_BYTES)
    side->readable = CONFIG_BYTES;
  for (unsigned i = 0; i < side->readable; ++i)
    side->bytes[i] = ReadHostRegister(i);
  side->vendor_id = host_vendor_id;
  side->device_id = host_device_id;
  side->chip = current_chipset;
}

void TakeSavedSide(const ConfigDump& saved, BridgeSide* side) {
  std::memcpy(side->bytes, saved.bytes, sizeof side->bytes);
  side->readable = saved.count < CONFIG_BYTES ? saved.count : CONFIG_BYTES;
  side->vendor_id = static_cast<uint16_t>(saved.bytes[1] << 8 | saved.bytes[0]);
  side->device_id = static_cast<uint16_t>(saved.bytes[3] << 8 | saved.bytes[2]);
  side->chip = FindChipset(side->vendor_id, side->device_id);
}

// "This : this machine, [8086:7100] Intel Triton TX (82439TX)", and a line
// more when part of its bytes are missing.
void PrintSide(const char* label, const char* file, const BridgeSide& side, bool hardware) {
  PagedPrint("%s", label);
  if (file == nullptr) {
    PagedPrint("this machine");
  } else if (std::strcmp(file, "-") == 0) {
    PagedPrint("the dump on standard input");
  } else {
    // A path may be longer than any formatting buffer.
    PagedPrint("the dump in ");
    PagedPutString(file, stdout);
  }
  PagedPrint(", [%04x:%04x] ", side.vendor_id, side.device_id);
  if (side.chip != nullptr)
    PagedPrint("%s %s\n", side.chip->vendor_name, side.chip->device_name);
  else
    PagedPrint("not in the catalogue\n");
  if (side.readable >= CONFIG_BYTES)
    return;
  if (hardware) {
    PagedPrint(
        "       only its first %u configuration bytes could be read; run as root to read all "
        "256\n",
        side.readable);
  } else {
    PagedPrint("       the dump holds only its first %u configuration bytes\n", side.readable);
  }
}

uint8_t FieldValue(const RegisterField& field, uint8_t byte) {
  return static_cast<uint8_t>((byte & FieldMask(field.bit_spec)) >> FieldLowestBit(field.bit_spec));
}

// Compared by hand: the library's std::string::compare in the Windows build
// is compiled for the Pentium Pro, and korvalt.exe must run on a Pentium.
bool StartsWithLead(const std::string& text, size_t at, const char* lead) {
  return at <= text.size() && text.size() - at >= LEAD_LENGTH &&
         std::memcmp(text.data() + at, lead, LEAD_LENGTH) == 0;
}

bool StartsWithChoiceLead(const std::string& text, size_t at) {
  return StartsWithLead(text, at, LEAD_THIS) || StartsWithLead(text, at, LEAD_NEITHER);
}

// The verbose list of one field for both values at once.  The two verbose
// translations of one description differ only in the leads of their choice
// lines, so they are walked side by side and each lead is replaced by the
// mark of both values.
std::string MergeVerboseLists(const std::string& this_list, const std::string& saved_list) {
  if (this_list.size() != saved_list.size())
    return this_list + " /" + saved_list;  // never the case; shown whole rather than lost
  // Read through the C text: the bare machine's runtime has none of the
  // library's checked indexing.
  const char* text = this_list.c_str();
  std::string merged;
  merged.reserve(this_list.size());
  size_t i = 0;
  while (i < this_list.size()) {
    merged += text[i];
    if (text[i] == '\n' && StartsWithChoiceLead(this_list, i + 1) &&
        StartsWithChoiceLead(saved_list, i + 1)) {
      const bool this_matches = StartsWithLead(this_list, i + 1, LEAD_THIS);
      const bool saved_matches = StartsWithLead(saved_list, i + 1, LEAD_THIS);
      merged += this_matches ? (saved_matches ? LEAD_BOTH : LEAD_THIS)
                             : (saved_matches ? LEAD_SAVED : LEAD_NEITHER);
      i += 1 + LEAD_LENGTH;
      continue;
    }
    ++i;
  }
  return merged;
}

// register:span:name = this-value translation / saved-value translation.
void PrintDifferingField(const RegisterField& field, uint8_t this_byte, uint8_t saved_byte,
                         bool verbose) {
  const unsigned code = (field.bit_spec >> 3) & 7;
  const uint8_t this_value = FieldValue(field, this_byte);
  const uint8_t saved_value = FieldValue(field, saved_byte);
  // Each translation and each run of binary digits lives in a buffer that
  // the next call overwrites: copied out at once.
  const std::string this_text = TranslateField(field, this_value, verbose);
  const std::string saved_text = TranslateField(field, saved_value, verbose);
  const std::string this_binary = FormatBinary(this_value, code);
  const std::string saved_binary = FormatBinary(saved_value, code);

  PrintFieldPlace(field, "");
  PagedPrint(":%-32s= %-8s", field.name, this_binary.c_str());
  if (verbose) {
    PagedPrint(" / %s", saved_binary.c_str());
    PagedPutString(MergeVerboseLists(this_text, saved_text).c_str(), stdout);
    PagedPutChar('\n', stdout);
    const char* spec = FormatSetSpec(field, saved_value);
    if (spec != nullptr)
      PagedPrint("   \tset the saved value with -set%s\n", spec);
    return;
  }
  PagedPutString(this_text.c_str(), stdout);
  // No blanks at the end of a line whose saved value has no wording.
  PagedPrint(saved_text.empty() ? " / %s" : " / %-8s", saved_binary.c_str());
  PagedPutString(saved_text.c_str(), stdout);
  PagedPutChar('\n', stdout);
}

struct Counts {
  unsigned fields_differ;
  unsigned fields_same;
  unsigned bytes_differ;
  unsigned bytes_same;
  unsigned bytes_unreadable;
};

bool BothRead(const BridgeSide& a, const BridgeSide& b, unsigned reg) {
  return reg < a.readable && reg < b.readable;
}

// Every field of the chip's table in table order; fills covered with the
// bits each register's fields take up.
void CompareFields(const BridgeSide& mine, const BridgeSide& saved, bool verbose,
                   uint8_t covered[CONFIG_BYTES], Counts* counts) {
  PagedPrint("-----Fields that differ (this / saved)------------\n");
  for (const RegisterField* row = mine.chip->fields; (row->reg & 0xFF) != 0; ++row) {
    const unsigned reg = row->reg & 0xFF;
    const uint8_t mask = FieldMask(row->bit_spec);
    covered[reg] = static_cast<uint8_t>(covered[reg] | mask);
    if (!BothRead(mine, saved, reg))
      continue;
    if (((mine.bytes[reg] ^ saved.bytes[reg]) & mask) == 0) {
      ++counts->fields_same;
      continue;
    }
    ++counts->fields_differ;
    PrintDifferingField(*row, mine.bytes[reg], saved.bytes[reg], verbose);
  }
}

// The bytes up to span whose differing bits lie outside every field.
void CompareBytes(const BridgeSide& mine, const BridgeSide& saved, unsigned span,
                  const uint8_t covered[CONFIG_BYTES], Counts* counts) {
  for (unsigned reg = 0; reg < span; ++reg) {
    if (!BothRead(mine, saved, reg)) {
      ++counts->bytes_unreadable;
      continue;
    }
    if (((mine.bytes[reg] ^ saved.bytes[reg]) & ~covered[reg] & 0xFF) == 0) {
      ++counts->bytes_same;
      continue;
    }
    ++counts->bytes_differ;
    PagedPrint("%02X: %02X / %02X\n", reg, mine.bytes[reg], saved.bytes[reg]);
  }
}

}  // namespace

const char* FormatSetSpec(const RegisterField& field, uint8_t field_value) {
  static char text[24];
  if ((field.bit_spec & ACCESS_CLASS_MASK) != ORDINARY_FIELD)
    return nullptr;
  const unsigned low = FieldLowestBit(field.bit_spec);
  const unsigned width = FieldWidth(field.bit_spec);
  const unsigned high = low + width - 1;
  if (high > 7)
    return nullptr;
  const unsigned reg = field.reg & 0xFF;
  const char* binary = FormatBinary(field_value, (field.bit_spec >> 3) & 7);
  if (width == 8)
    std::snprintf(text, sizeof text, "%02X=%s", reg, binary);
  else if (width == 1)
    std::snprintf(text, sizeof text, "%02X:%u=%s", reg, low, binary);
  else
    std::snprintf(text, sizeof text, "%02X:%u-%u=%s", reg, low, high, binary);
  return text;
}

void PrintComparisonReport(const ConfigDump& saved_dump, const char* this_file,
                           const char* saved_file, ConfigSource this_source, bool verbose) {
  static BridgeSide mine;
  static BridgeSide saved;
  TakeReportedSide(&mine);
  TakeSavedSide(saved_dump, &saved);
  const bool same_bridge = mine.vendor_id == saved.vendor_id && mine.device_id == saved.device_id;

  PagedPrint("-----PCI HostBridge comparison--------------------\n");
  PrintSide("This : ", this_file, mine, this_source == BYTES_FROM_HARDWARE);
  PrintSide("Saved: ", saved_file, saved, false);

  Counts counts = {0, 0, 0, 0, 0};
  uint8_t covered[CONFIG_BYTES] = {0};
  if (!same_bridge) {
    PagedPrint("The two are different host bridges: only the 64-byte PCI header is compared.\n");
    PagedPrint("-----PCI header bytes that differ (this / saved)--\n");
    CompareBytes(mine, saved, HEADER_BYTES, covered, &counts);
    PagedPrint("Header bytes that differ: %u; the same: %u; bytes not readable on one side: %u\n",
               counts.bytes_differ, counts.bytes_same, counts.bytes_unreadable);
    return;
  }

  if (mine.chip != nullptr) {
    if (verbose)
      PagedPrint("==> marks this value, <== the saved one, <=> both.\n");
    CompareFields(mine, saved, verbose, covered, &counts);
  }
  PagedPrint("-----Bytes that differ outside any field----------\n");
  CompareBytes(mine, saved, CONFIG_BYTES, covered, &counts);
  PagedPrint("Fields that differ: %u; fields the same: %u; bytes not readable on one side: %u\n",
             counts.fields_differ, counts.fields_same, counts.bytes_unreadable);
}
