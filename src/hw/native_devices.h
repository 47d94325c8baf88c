// Models of the PC devices the native machine serves itself when the kernel
// does not let it reach the real ports: the 8254 interval timer's channel 0,
// the CMOS seconds register and the decoding of PCI configuration mechanism
// #1.  Every model is plain state plus operations; time comes in as an
// argument so that the models can be driven without real waiting.
#pragma once

#include <cstdint>

// The 8254's input clock: the 14.31818 MHz oscillator divided by 12.
constexpr int64_t TIMER_INPUT_HZ = 1193182;

// Channel 0 of the 8254.  It counts on the time given to each operation
// (nanoseconds on any monotonic scale).
struct TimerChannelModel {
  uint32_t reload;       // 1..65536 (a written 0 means 65536)
  uint8_t mode;          // 0..5; mode 3 steps by 2, every other mode by 1
  uint8_t access;        // 1 low byte only, 2 high byte only, 3 low then high
  int64_t epoch_ns;      // when the current count was loaded
  bool latched;          // a latch command holds latch_value
  uint16_t latch_value;  // the count frozen by the latch command
  bool read_high_next;   // the read flip-flop of the low/high access mode
  bool write_high_next;  // the write flip-flop of the low/high access mode
  uint8_t pending_low;   // the low byte of a count being written
};

// The PC's standard setting: mode 3, low/high access, count 65536, counting
// from now_ns.
void TimerReset(TimerChannelModel* timer, int64_t now_ns);
// A byte written to the control port 43h.  Only channel 0 is modelled: other
// channels and the read-back command are ignored.
void TimerWriteControl(TimerChannelModel* timer, uint8_t value, int64_t now_ns);
// A byte written to the channel 0 data port 40h.
void TimerWriteCount(TimerChannelModel* timer, uint8_t value, int64_t now_ns);
// A byte read from the channel 0 data port 40h.
uint8_t TimerReadCount(TimerChannelModel* timer, int64_t now_ns);
// The counting element at now_ns, as a latch would freeze it.
uint16_t TimerCountAt(const TimerChannelModel* timer, int64_t now_ns);

// seconds (0..59) as the CMOS clock keeps them: two BCD digits.
uint8_t ToBcd(unsigned value);

// The 32-bit address port 0CF8h of configuration mechanism #1 and the byte
// lanes 0CFCh..0CFFh behind it.
struct PciMechanismModel {
  uint32_t address;  // the last word written to 0CF8h
};

struct PciTarget {
  bool enabled;  // bit 31 of the address word
  unsigned bus;
  unsigned device;
  unsigned function;
  unsigned reg;  // the byte within the function's 256 configuration bytes
};

// Which configuration byte a byte access at data_port (0CFCh..0CFFh) reaches.
PciTarget DecodePciAccess(const PciMechanismModel* pci, uint16_t data_port);

// The operating system's access to configuration bytes (libpci, or sysfs
// when the program is built without it).  A read returns false when the
// function does not exist or cannot be read; a refused write is dropped.
bool OsPciReadByte(unsigned bus, unsigned device, unsigned function, unsigned reg, uint8_t* value);
void OsPciWriteByte(unsigned bus, unsigned device, unsigned function, unsigned reg, uint8_t value);
