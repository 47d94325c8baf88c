// Reading saved configuration dumps: which block of a file is taken, how
// many bytes it holds, and that a damaged row is refused by its line.
#include "pci/config_dump.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "hw/dump_machine.h"
#include "hw/hw.h"
#include "pci/pci_access.h"

namespace {

// lspci's rows of offsets first..last-16 with byte i = (i + seed) & FFh.
std::string LspciRows(unsigned bytes, unsigned seed, unsigned offset_digits = 2) {
  std::string text;
  char cell[16];
  for (unsigned row = 0; row < bytes; row += 16) {
    std::snprintf(cell, sizeof cell, "%0*x:", static_cast<int>(offset_digits), row);
    text += cell;
    for (unsigned i = row; i < row + 16; ++i) {
      std::snprintf(cell, sizeof cell, " %02x", (i + seed) & 0xFF);
      text += cell;
    }
    text += "\n";
  }
  return text;
}

struct Parsed {
  int ok;
  ConfigDump dump;
  DumpError error;
};

Parsed Parse(const std::string& text) {
  Parsed p;
  p.ok = ParseConfigDump(text.data(), text.size(), &p.dump, &p.error);
  return p;
}

// Whether the dump holds count bytes of the seed's pattern, then FFh.
bool HoldsPattern(const ConfigDump& dump, unsigned count, unsigned seed) {
  if (dump.count != count)
    return false;
  for (unsigned i = 0; i < 256; ++i) {
    uint8_t want = i < count ? static_cast<uint8_t>((i + seed) & 0xFF) : 0xFF;
    if (dump.bytes[i] != want)
      return false;
  }
  return true;
}

TEST(ConfigDump, LspciTakesTheHostBridgeBlockWhereverItStands) {
  // As lspci -v -xxx prints it: properties between the device line and the
  // rows, a blank line between devices, the host bridge not first.
  const std::string text =
      "00:01.0 ISA bridge: Intel Corporation 82371SB PIIX3 ISA\n"
      "\tFlags: bus master, medium devsel, latency 0\n" +
      LspciRows(64, 7) +
      "\n"
      "00:00.0 Host bridge: Intel Corporation 440FX - 82441FX PMC\n"
      "\tSubsystem: Red Hat, Inc. Qemu virtual machine\n"
      "\tFlags: fast devsel\n" +
      LspciRows(256, 1) + "\n" + "00:02.0 VGA compatible controller\n" + LspciRows(64, 9);
  Parsed p = Parse(text);
  ASSERT_TRUE(p.ok) << p.error.message;
  EXPECT_TRUE(HoldsPattern(p.dump, 256, 1));

  // With the domain in front, and a host bridge of another domain is not it.
  Parsed domain = Parse("0001:00:00.0 Host bridge: other\n" + LspciRows(64, 3) +
                        "0000:00:00.0 Host bridge: this\n" + LspciRows(128, 4));
  ASSERT_TRUE(domain.ok) << domain.error.message;
  EXPECT_TRUE(HoldsPattern(domain.dump, 128, 4));
}

TEST(ConfigDump, LspciWithoutTheHostBridgeTakesTheFirstBlock) {
  Parsed p = Parse("00:07.1 IDE interface: x\n" + LspciRows(64, 5) + "\n00:07.0 ISA: y\n" +
                   LspciRows(64, 6));
  ASSERT_TRUE(p.ok) << p.error.message;
  EXPECT_TRUE(HoldsPattern(p.dump, 64, 5));

  // Rows pasted alone, without the device line; DOS line ends.
  std::string rows = LspciRows(64, 2);
  std::string dos;
  for (char c : rows)
    dos += c == '\n' ? std::string("\r\n") : std::string(1, c);
  Parsed bare = Parse("Here is my board:\r\n\r\n" + dos);
  ASSERT_TRUE(bare.ok) << bare.error.message;
  EXPECT_TRUE(HoldsPattern(bare.dump, 64, 2));
}

TEST(ConfigDump, ExtendedSpaceIsCutToTheFirst256Bytes) {
  // lspci -xxxx: 4096 bytes with three-digit offsets past FFh.
  Parsed p = Parse("00:00.0 Host bridge: z\n" + LspciRows(256, 8) +
                   LspciRows(4096, 8, 3).substr(LspciRows(256, 8, 3).size()));
  ASSERT_TRUE(p.ok) << p.error.message;
  EXPECT_TRUE(HoldsPattern(p.dump, 256, 8));
}

TEST(ConfigDump, KorvaltReportRowsWithOrWithoutTheirHeader) {
  std::string rows;
  char cell[8];
  for (unsigned i = 0; i < 256; ++i) {
    if (i % 16 == 0) {
      std::snprintf(cell, sizeof cell, "\n%02X ", i);
      rows += cell;
    }
    std::snprintf(cell, sizeof cell, "%c%02X", i % 16 == 8 ? ':' : ' ', (i + 3) & 0xFF);
    rows += cell;
  }
  rows += "\n";
  // A whole-byte field line starts with two digits and blanks too: it
  // follows the dump and must not be taken for a row.
  const std::string report =
      "\n--- KORVALT  ver 0.14  by Telvaroq ---\n"
      "-----PCI HostBridge raw data----------------------\n"
      "   +0 +1 +2 +3 +4 +5 +6 +7 +8 +9 +A +B +C +D +E +F" +
      rows + "0D    :PCI latency timer               = 00100000 ; 00100000: default\n";
  Parsed p = Parse(report);
  ASSERT_TRUE(p.ok) << p.error.message;
  EXPECT_TRUE(HoldsPattern(p.dump, 256, 3));

  // The first four rows copied off the screen.
  Parsed part = Parse(rows.substr(1, 4 * 52));
  ASSERT_TRUE(part.ok) << part.error.message;
  EXPECT_TRUE(HoldsPattern(part.dump, 64, 3));
}

TEST(ConfigDump, DamagedDumpsAreRefusedNamingTheLine) {
  struct Case {
    std::string text;
    unsigned line;
  };
  const std::string good = LspciRows(64, 0);
  const Case cases[] = {
      // A byte that is no hexadecimal number.
      {"00:00.0 Host bridge: x\n" + good.substr(0, 52) + "10: 10 11 1z" + good.substr(64), 3},
      // A row missing a byte.
      {"00:00.0 Host bridge: x\n" + good.substr(0, 49) + "\n", 2},
      // A row left out.
      {"00:00.0 Host bridge: x\n" + good.substr(0, 52) + good.substr(104), 3},
      // The device line but no rows (lspci without -xxx).
      {"00:00.0 Host bridge: x\n\tFlags: fast devsel\n\n00:01.0 ISA\n" + good, 1},
      // korvalt's column header, then something else.
      {"   +0 +1 +2 +3 +4 +5 +6 +7 +8 +9 +A +B +C +D +E +F\nREAD 1K\n", 2},
      // A korvalt row without the colon between bytes 7 and 8.
      {"00  00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F\n", 1},
      // Nothing that looks like a dump at all, and nothing at all.
      {"hello\nworld\n", 0},
      {"", 0},
  };
  for (const Case& c : cases) {
    Parsed p = Parse(c.text);
    SCOPED_TRACE(c.text.substr(0, 60));
    EXPECT_FALSE(p.ok);
    EXPECT_EQ(p.error.line, c.line) << p.error.message;
    EXPECT_NE(p.error.message[0], '\0');
  }
}

TEST(DumpMachine, ServesTheDumpAsTheHostBridgeAndOnlyThat) {
  Parsed p = Parse("00:00.0 Host bridge: x\n" + LspciRows(64, 0x80));
  ASSERT_TRUE(p.ok) << p.error.message;
  Machine* machine = CreateDumpMachine(p.dump.bytes, p.dump.count);
  Machine* before = current_machine;
  UseMachine(machine, false);
  // The count reaches the machine, so the report can tell read bytes from
  // the rest.
  EXPECT_EQ(HostBridgeBytesReadable(0), 64u);
  EXPECT_EQ(ReadHostRegister(0x00), 0x80);
  EXPECT_EQ(ReadHostRegister(0x3F), 0xBF);
  EXPECT_EQ(ReadHostRegister(0x40), 0xFF);
  // Another device and the ports of other hardware read as an empty bus.
  PciSelect(0, 1, 0, 0x00);
  EXPECT_EQ(PciReadByte(), 0xFF);
  PciRelease();
  EXPECT_EQ(PortInByte(0x40), 0xFF);
  EXPECT_EQ(ExecuteCpuid(0).eax, 0u);
  UseMachine(before, false);
  delete machine;
}

}  // namespace
