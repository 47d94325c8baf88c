#include "pci/host_bridge.h"

#include <cstdio>
#include <string>

#include "console/console.h"
#include "hw/hw.h"
#include "pci/pci_access.h"

const ChipsetEntry* current_chipset = nullptr;
uint16_t host_vendor_id = 0;
uint16_t host_device_id = 0;

namespace {

constexpr char CARRIAGE_RETURN = '\r';

bool IsPatternChar(char c) {
  return c == '0' || c == '1' || c == 'x';
}

// Control characters, blanks and the upper half of the code page stand
// between description lines and never start one.
bool IsLineFiller(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return u != 0 && (u <= 0x20 || u >= 0x80);
}

const char* FindLineEnd(const char* p) {
  while (*p != '\0' && *p != CARRIAGE_RETURN)
    ++p;
  return p;
}

// Appends one choice line with a colon between its pattern and its text; a
// pattern that runs to the end of its line gets no colon.
void AppendChoice(std::string& out, const char* line, const char* pattern_end,
                  const char* line_end) {
  out.append(line, pattern_end);
  if (pattern_end == line_end)
    return;
  out += ':';
  out.append(pattern_end, line_end);
}

void ReportMissingDescription(const RegisterField& field) {
  const char* vendor = current_chipset != nullptr ? current_chipset->vendor_name : "";
  const char* device = current_chipset != nullptr ? current_chipset->device_name : "";
  PagedPrintTo(stderr,
               "\nAn error detected in PCI register table: \"NULL comment string\"\n"
               "Probablly a table data setup miss. contact program owner.\n"
               "The error was found in \"%s\" register of \"%s::%s\" chipset.\n",
               field.name != nullptr ? field.name : "", vendor, device);
  Beep();
}

constexpr uint8_t BRIDGE_BASE_CLASS = 0x06;
constexpr uint8_t HOST_BRIDGE_SUBCLASS = 0x00;
constexpr unsigned MECHANISM_1_LAST_DEVICE = 31;
constexpr unsigned MECHANISM_2_LAST_DEVICE = 15;

uint16_t ReadConfigWord(ConfigPlace place, unsigned reg) {
  const uint8_t low = ReadConfigByte(place, reg);
  const uint8_t high = ReadConfigByte(place, reg + 1);
  return static_cast<uint16_t>(high << 8 | low);
}

// The first device of bus 0 from device 1 on that answers and calls itself a
// host bridge (class code 06h/00h), or false.  Only function 0 is looked at,
// so the address never carries a function number: on a board answering only
// mechanism #2 the second byte of a mechanism #1 address lands in 0CF9h,
// the reset control register of the chipsets of the time, whose reset bits
// (2-0) a function number would reach.
bool FindHostBridgeByClass(unsigned mechanism, unsigned last_device, ConfigPlace* found) {
  for (unsigned device = 1; device <= last_device; ++device) {
    const ConfigPlace place = {mechanism, device};
    if (ReadConfigWord(place, 0x00) == 0xFFFF)
      continue;
    if (ReadConfigByte(place, 0x0B) == BRIDGE_BASE_CLASS &&
        ReadConfigByte(place, 0x0A) == HOST_BRIDGE_SUBCLASS) {
      *found = place;
      return true;
    }
  }
  return false;
}

// Device 0 did not answer through mechanism #1.  Boards that answer only
// mechanism #2 keep their bridge at device 0 of it or among its sixteen
// devices; the 486 boards answering mechanism #1 put it at a device of their
// own.  Nothing found leaves everything as device 0 answered it.
void LocateHostBridge() {
  ConfigPlace place = {1, 0};
  bool found = false;
  if (Mechanism2Present()) {
    const ConfigPlace device0 = {2, 0};
    found = ReadConfigWord(device0, 0x00) != 0xFFFF;
    if (found) {
      place = device0;
    } else {
      found = FindHostBridgeByClass(2, MECHANISM_2_LAST_DEVICE, &place);
    }
  }
  if (!found)
    found = FindHostBridgeByClass(1, MECHANISM_1_LAST_DEVICE, &place);
  if (!found)
    return;
  host_place = place;
  host_vendor_id = ReadConfigWord(place, 0x00);
  host_device_id = ReadConfigWord(place, 0x02);
}

}  // namespace

void DetectHostBridge() {
  host_place = ConfigPlace{1, 0};
  PciSelect(0, 0, 0, 0x00);
  uint8_t vendor_low = PciReadByte();
  PciSelect(0, 0, 0, 0x01);
  uint8_t vendor_high = PciReadByte();
  PciSelect(0, 0, 0, 0x02);
  uint8_t device_low = PciReadByte();
  PciSelect(0, 0, 0, 0x03);
  uint8_t device_high = PciReadByte();
  PciRelease();

  host_vendor_id = static_cast<uint16_t>(vendor_high << 8 | vendor_low);
  host_device_id = static_cast<uint16_t>(device_high << 8 | device_low);
  if (host_vendor_id == 0xFFFF)
    LocateHostBridge();

  current_chipset = FindChipset(host_vendor_id, host_device_id);
}

const char* FormatBinary(uint8_t field_value, unsigned width_code) {
  static char digits[16];
  unsigned width = FieldWidth((width_code & 7) << 3);
  for (unsigned i = 0; i < width; ++i) {
    digits[i] = (field_value >> (width - 1 - i)) & 1 ? '1' : '0';
  }
  digits[width] = '\0';
  return digits;
}

const char* TranslateField(const RegisterField& field, uint8_t field_value, bool verbose) {
  // Verbose translations of the longest descriptions run past a kilobyte, so
  // the text grows as it needs to rather than living in a fixed array.
  static std::string result;
  result.clear();

  if (field.description == nullptr) {
    ReportMissingDescription(field);
    result = "!ERROR!";
    return result.c_str();
  }

  const char* p = field.description;
  while (*p != '\0') {
    while (IsLineFiller(*p))
      ++p;
    if (*p == '\0')
      break;

    const char* line = p;
    const char* line_end = FindLineEnd(p);
    if (IsPatternChar(*p)) {
      uint8_t value = 0;
      uint8_t mask = 0;
      while (IsPatternChar(*p)) {
        value = static_cast<uint8_t>(value << 1);
        mask = static_cast<uint8_t>(mask << 1 | 1);
        if (*p == '1')
          value |= 1;
        if (*p == 'x')
          mask = static_cast<uint8_t>(mask & ~1u);
        ++p;
      }
      bool matches = (field_value & mask) == value;
      if (verbose) {
        result += matches ? "\n==>\t;*" : "\n   \t; ";
        AppendChoice(result, line, p, line_end);
      } else if (matches) {
        result += " ; ";
        AppendChoice(result, line, p, line_end);
      }
    } else if (verbose) {
      // A note keeps its own carriage return, as the table stores it.
      result += "\n\t; ";
      result.append(line, *line_end == CARRIAGE_RETURN ? line_end + 1 : line_end);
    }
    p = line_end;
  }
  return result.c_str();
}

void PrintFieldPlace(const RegisterField& field, const char* prefix) {
  unsigned lowest = FieldLowestBit(field.bit_spec);
  unsigned code = (field.bit_spec >> 3) & 7;
  PagedPrint("%s%02X", prefix, field.reg & 0xFF);
  if (lowest == 0 && code == 0) {
    PagedPrint("    ");
  } else if (code == 1) {
    PagedPrint(":%u  ", lowest);
  } else {
    PagedPrint(":%u-%u", lowest, (lowest + code + 7) % 8);
  }
}

void PrintFieldLine(const RegisterField& field, uint8_t value, const char* prefix, bool verbose) {
  unsigned lowest = FieldLowestBit(field.bit_spec);
  unsigned code = (field.bit_spec >> 3) & 7;
  uint8_t field_value = static_cast<uint8_t>((value & FieldMask(field.bit_spec)) >> lowest);

  PrintFieldPlace(field, prefix);
  const char* translation = TranslateField(field, field_value, verbose);
  const char* binary = FormatBinary(field_value, code);
  PagedPrint(":%-32s= %-8s", field.name, binary);
  // The translation goes out as plain text: it may be longer than any
  // formatting buffer.
  PagedPutString(translation, stdout);
  PagedPutChar('\n', stdout);
}

void PrintHostBridgeReport(bool verbose, ConfigSource source) {
  // An operating system may show an ordinary user only the start of
  // configuration space, and lspci -xxx saves only that much for one; the
  // rest reads as all ones, which must not pass for the chipset's settings.
  const unsigned readable = HostBridgeBytesReadable(host_place.device);
  if (readable < 256 && source == BYTES_FROM_SAVED_DUMP) {
    PagedPrintTo(stderr,
                 "The saved dump holds only the first %u of the host bridge's 256 configuration "
                 "bytes.\n",
                 readable);
  } else if (readable < 256) {
    PagedPrintTo(stderr,
                 "Only the first %u of the host bridge's 256 configuration bytes could be read; "
                 "run as root to read them all.\n",
                 readable);
  }
  if (current_chipset != nullptr) {
    PagedPrint("-----PCI HostBridge found-----\n");
    PagedPrint("Vendor: [%04x] %s\n", host_vendor_id, current_chipset->vendor_name);
    PagedPrint("Device: [%04x] %s\n", host_device_id, current_chipset->device_name);
  } else {
    PagedPrint("Unsupported Device: VendorID = %04x, DeviceID = %04X\n", host_vendor_id,
               host_device_id);
  }
  // Said only where the bridge is not where it is looked for first.
  if (host_place.device != 0 || host_place.mechanism != 1) {
    PagedPrint("Found at bus 0, device %02Xh, function 0%s\n", host_place.device,
               host_place.mechanism == 2 ? ", through configuration mechanism #2" : "");
  }

  PagedPrint("-----PCI HostBridge raw data----------------------\n");
  PagedPrint("   +0 +1 +2 +3 +4 +5 +6 +7 +8 +9 +A +B +C +D +E +F");
  for (unsigned i = 0; i < 256; ++i) {
    uint8_t byte = ReadHostRegister(i);
    if (i % 16 == 0)
      PagedPrint("\n%02X ", i);
    PagedPrint("%c", i % 16 == 8 ? ':' : ' ');
    PagedPrint("%02X", byte);
  }
  PagedPrint("\n");

  if (current_chipset == nullptr)
    return;
  PagedPrint("-----Translated PCI HostBridge data---------------\n");
  for (const RegisterField* row = current_chipset->fields; (row->reg & 0xFF) != 0; ++row) {
    if ((row->reg & 0xFF) < readable) {
      PrintFieldLine(*row, ReadHostRegister(row->reg & 0xFF), "", verbose);
    } else {
      PrintFieldPlace(*row, "");
      PagedPrint(":%-32s= not read\n", row->name);
    }
  }
}
