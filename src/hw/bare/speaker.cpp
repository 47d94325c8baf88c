#include "hw/bare/speaker.h"

#include "hw/bare/ports.h"

namespace {

const uint16_t TIMER_COMMAND = 0x43;
const uint16_t TIMER_CHANNEL_2 = 0x42;
const uint16_t SYSTEM_CONTROL = 0x61;
const uint8_t GATE_AND_SPEAKER = 0x03;
const uint8_t CHANNEL_2_OUTPUT = 0x20;
// 1193182 Hz / 1356 = 880 Hz.
const unsigned DIVISOR = 1356;
// The tone times itself: its output changes twice per cycle, so 176 changes
// are a tenth of a second.  The status reads bound it where the output
// never changes (a board without the feedback bit).
const unsigned EDGES = 176;
const unsigned MAX_READS = 2000000;

}  // namespace

void SpeakerBeep() {
  OutPort(TIMER_COMMAND, 0xB6);  // channel 2, low then high byte, mode 3
  OutPort(TIMER_CHANNEL_2, DIVISOR & 0xFF);
  OutPort(TIMER_CHANNEL_2, DIVISOR >> 8);
  uint8_t control = InPort(SYSTEM_CONTROL);
  OutPort(SYSTEM_CONTROL, control | GATE_AND_SPEAKER);
  uint8_t last = InPort(SYSTEM_CONTROL) & CHANNEL_2_OUTPUT;
  unsigned edges = 0;
  for (unsigned i = 0; i < MAX_READS && edges < EDGES; ++i) {
    uint8_t now = InPort(SYSTEM_CONTROL) & CHANNEL_2_OUTPUT;
    if (now != last)
      ++edges;
    last = now;
  }
  OutPort(SYSTEM_CONTROL, control & static_cast<uint8_t>(~GATE_AND_SPEAKER));
}
