// The native machine's ports as this Linux system serves them: the answers
// must be the ones the devices themselves would give.
#include <gtest/gtest.h>
#include <time.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "hw/native_linux.h"

namespace {

std::vector<uint8_t> SysfsConfig(unsigned bus, unsigned device, unsigned function) {
  char path[64];
  snprintf(path, sizeof path, "/sys/bus/pci/devices/0000:%02x:%02x.%x/config", bus, device,
           function);
  std::vector<uint8_t> bytes(256);
  FILE* f = fopen(path, "rb");
  if (f == nullptr)
    return {};
  size_t got = fread(bytes.data(), 1, bytes.size(), f);
  fclose(f);
  bytes.resize(got);
  return bytes;
}

// One configuration byte, the way the program reads it: select, read, release.
uint8_t ReadConfigByte(Machine* m, unsigned device, unsigned function, unsigned reg) {
  m->OutDword(0xCF8, 0x80000000u | device << 11 | function << 8 | reg);
  uint8_t value = m->InByte(static_cast<uint16_t>(0xCFC + (reg & 3)));
  m->OutDword(0xCF8, 0);
  return value;
}

double Seconds(clockid_t clock) {
  timespec t;
  clock_gettime(clock, &t);
  return static_cast<double>(t.tv_sec) + t.tv_nsec * 1e-9;
}

TEST(ServedPorts, ConfigurationBytesEqualTheKernelsOwn) {
  Machine* m = CreateServedPortsMachine();
  std::vector<uint8_t> host = SysfsConfig(0, 0, 0);
  if (host.size() < 256)
    GTEST_SKIP() << "no readable host bridge in sysfs";
  int functions_checked = 0;
  for (unsigned device = 0; device < 32; ++device) {
    for (unsigned function = 0; function < 8; ++function) {
      std::vector<uint8_t> expected = SysfsConfig(0, device, function);
      if (expected.size() < 256) {
        // A function that does not exist reads as all ones.
        if (expected.empty()) {
          EXPECT_EQ(ReadConfigByte(m, device, function, 0), 0xFF);
        }
        continue;
      }
      for (unsigned reg = 0; reg < 256; ++reg) {
        ASSERT_EQ(ReadConfigByte(m, device, function, reg), expected[reg])
            << "device " << device << " function " << function << " register " << reg;
      }
      ++functions_checked;
    }
  }
  EXPECT_GE(functions_checked, 1);

  // 80000003h selects the dword at 0; data port 0CFFh gives its byte 3, and
  // 0CFCh its byte 0, whatever the address's two low bits say.
  m->OutDword(0xCF8, 0x80000003u);
  EXPECT_EQ(m->InByte(0xCFF), host[3]);
  EXPECT_EQ(m->InByte(0xCFC), host[0]);
  m->OutDword(0xCF8, 0x800000FEu);
  EXPECT_EQ(m->InByte(0xCFE), host[0xFE]);
  // Released: the enable bit is clear and nothing answers.
  m->OutDword(0xCF8, 0);
  EXPECT_EQ(m->InByte(0xCFC), 0xFF);
  EXPECT_EQ(m->InByte(0xCFF), 0xFF);
}

TEST(ServedPorts, PortsWithoutADeviceReadAllOnes) {
  Machine* m = CreateServedPortsMachine();
  // The Cyrix index/data pair: an index written, nothing answers.
  m->OutByte(0x22, 0xC3);
  EXPECT_EQ(m->InByte(0x23), 0xFF);
  m->OutByte(0x22, 0xE8);
  m->OutByte(0x23, 0x80);
  m->OutByte(0x22, 0xE8);
  EXPECT_EQ(m->InByte(0x23), 0xFF);
  for (uint16_t port : {0x22, 0x41, 0x42, 0x43, 0x80, 0x3F8, 0xCF8, 0xCF9, 0xCFB}) {
    EXPECT_EQ(m->InByte(port), 0xFF) << "port " << port;
  }
  m->OutDword(0x80, 0x12345678u);
  // CMOS registers other than the seconds are not served.
  m->OutByte(0x70, 0x0A);
  EXPECT_EQ(m->InByte(0x71), 0xFF);
}

TEST(ServedPorts, RtcSecondsAreBcdAndTickOncePerSecond) {
  Machine* m = CreateServedPortsMachine();
  auto read_seconds = [m]() {
    m->OutByte(0x70, 0x00);
    return m->InByte(0x71);
  };
  auto from_bcd = [](uint8_t v) { return (v >> 4) * 10 + (v & 0x0F); };
  uint8_t first = read_seconds();
  ASSERT_LE(first & 0x0F, 9);
  ASSERT_LE(from_bcd(first), 59);
  double start = Seconds(CLOCK_MONOTONIC);
  uint8_t next = first;
  while (next == first && Seconds(CLOCK_MONOTONIC) - start < 1.5)
    next = read_seconds();
  ASSERT_NE(next, first) << "the seconds register did not move in 1.5 s";
  EXPECT_EQ(from_bcd(next), (from_bcd(first) + 1) % 60);
}

TEST(ServedPorts, TimerWrapsEvery27_46ms) {
  Machine* m = CreateServedPortsMachine();
  m->OutByte(0x43, 0x36);
  m->OutByte(0x40, 0x00);
  m->OutByte(0x40, 0x00);
  auto read_count = [m]() {
    m->OutByte(0x43, 0x00);
    unsigned low = m->InByte(0x40);
    return m->InByte(0x40) << 8 | low;
  };
  auto wait_wrap = [&]() {
    unsigned previous = read_count();
    for (;;) {
      unsigned count = read_count();
      if (count > previous)
        return;
      previous = count;
    }
  };
  // The wrap period against the system's other clock over ten periods, so
  // that the 1 % bound is not eaten by the moment of any one wrap being seen
  // late.  A wrap missed while the machine was busy elsewhere adds a whole
  // period, so the attempt closest to the nominal period counts.
  m->InterruptsOff();
  double period_ms = 0;
  for (int attempt = 0; attempt < 3; ++attempt) {
    wait_wrap();
    double start = Seconds(CLOCK_MONOTONIC_RAW);
    for (int i = 0; i < 10; ++i)
      wait_wrap();
    double measured = (Seconds(CLOCK_MONOTONIC_RAW) - start) * 100;
    if (attempt == 0 || std::abs(measured - 27.4625) < std::abs(period_ms - 27.4625)) {
      period_ms = measured;
    }
  }
  m->InterruptsOn();
  EXPECT_NEAR(period_ms, 27.4625, 0.275);
}

}  // namespace
