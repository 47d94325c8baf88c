#include "hw/dump_machine.h"

#include <cstring>

#include "hw/device_models.h"

namespace {

const uint16_t PCI_ADDRESS_PORT = 0xCF8;
const uint16_t PCI_DATA_FIRST = 0xCFC;
const uint16_t PCI_DATA_LAST = 0xCFF;

class DumpMachine : public Machine {
 public:
  DumpMachine(const uint8_t bytes[256], unsigned count) : count_(count > 256 ? 256 : count) {
    std::memset(bytes_, 0xFF, sizeof bytes_);
    std::memcpy(bytes_, bytes, count_);
  }

  uint8_t InByte(uint16_t port) override {
    if (port < PCI_DATA_FIRST || port > PCI_DATA_LAST)
      return 0xFF;
    PciTarget t = DecodePciAccess(&pci_, port);
    if (!t.enabled || t.bus != 0 || t.device != 0 || t.function != 0)
      return 0xFF;
    return bytes_[t.reg & 0xFF];
  }
  // A dump has nothing to write to: the set command is refused before a run
  // on it, and anything else written is dropped.
  void OutByte(uint16_t, uint8_t) override {}
  void OutDword(uint16_t port, uint32_t value) override {
    if (port == PCI_ADDRESS_PORT)
      pci_.address = value;
  }

  CpuidRegs Cpuid(uint32_t) override { return CpuidRegs{0, 0, 0, 0}; }
  int IdFlagChangeable() override { return 0; }
  uint64_t ReadTimeStampCounter() override { return 0; }
  void InterruptsOff() override {}
  void InterruptsOn() override {}
  double FdivResidue(double) override { return 0.0; }
  void RunIncGroup(unsigned) override {}
  void RunReadBursts(const void*, uint32_t) override {}
  void RunWriteBursts(void*, uint32_t) override {}
  void RunEmptyBursts(const void*, uint32_t) override {}
  void ClearBlock(void* block, size_t bytes) override { std::memset(block, 0, bytes); }
  void* AllocateTestBuffer(size_t) override { return nullptr; }
  void ReleaseTestBuffer(void*, size_t) override {}
  // Only device 0 holds the dump; any other device is absent, and all ones
  // is then the truth.
  unsigned HostBridgeBytesReadable(unsigned device) override { return device == 0 ? count_ : 256; }

 private:
  uint8_t bytes_[256];
  unsigned count_;
  PciMechanismModel pci_ = {0};
};

}  // namespace

Machine* CreateDumpMachine(const uint8_t bytes[256], unsigned count) {
  return new DumpMachine(bytes, count);
}
