#include "hw/bare/serial.h"

#include "hw/bare/ports.h"

namespace {

const uint16_t COM1 = 0x3F8;
const uint16_t DATA = COM1 + 0;
const uint16_t INTERRUPT_ENABLE = COM1 + 1;
const uint16_t FIFO_CONTROL = COM1 + 2;
const uint16_t LINE_CONTROL = COM1 + 3;
const uint16_t MODEM_CONTROL = COM1 + 4;
const uint16_t LINE_STATUS = COM1 + 5;
const uint16_t SCRATCH = COM1 + 7;

const uint8_t DATA_READY = 0x01;
const uint8_t TRANSMIT_EMPTY = 0x20;
// 115200 baud is the UART's 1.8432 MHz clock divided by 16.
const uint8_t DIVISOR = 1;
// A byte takes 87 us at 115200 baud; this many status reads are far more
// than that even on a fast processor, and bound the wait where a UART
// never becomes ready.
const unsigned TRANSMIT_TRIES = 1000000;

bool present = false;

void PutRaw(uint8_t byte) {
  for (unsigned i = 0; i < TRANSMIT_TRIES; ++i) {
    if (InPort(LINE_STATUS) & TRANSMIT_EMPTY)
      break;
  }
  OutPort(DATA, byte);
}

}  // namespace

void SerialInit() {
  // Without a UART the scratch register does not keep what is written.
  OutPort(SCRATCH, 0x5A);
  if (InPort(SCRATCH) != 0x5A || InPort(LINE_STATUS) == 0xFF)
    return;
  present = true;
  OutPort(INTERRUPT_ENABLE, 0x00);
  OutPort(LINE_CONTROL, 0x80);  // divisor latch
  OutPort(DATA, DIVISOR);
  OutPort(INTERRUPT_ENABLE, 0x00);
  OutPort(LINE_CONTROL, 0x03);   // 8N1, latch closed
  OutPort(FIFO_CONTROL, 0x07);   // FIFOs on and emptied
  OutPort(MODEM_CONTROL, 0x03);  // DTR and RTS; no interrupt line
  // Whatever arrived before now was not meant as a key for the program.
  for (int i = 0; i < 64 && (InPort(LINE_STATUS) & DATA_READY); ++i)
    InPort(DATA);
}

void SerialPutByte(char c) {
  if (!present)
    return;
  if (c == '\n')
    PutRaw('\r');
  PutRaw(static_cast<uint8_t>(c));
}

int SerialPollByte() {
  if (!present || !(InPort(LINE_STATUS) & DATA_READY))
    return -1;
  return InPort(DATA);
}
