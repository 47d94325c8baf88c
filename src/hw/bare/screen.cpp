#include "hw/bare/screen.h"

#include <cstdint>

#include "hw/bare/ports.h"

namespace {

const int COLUMNS = 80;
const int ROWS = 25;
// Light grey on black, as the BIOS leaves the screen.
const uint16_t BLANK = 0x0700 | ' ';
volatile uint16_t* const TEXT = reinterpret_cast<volatile uint16_t*>(0xB8000);
const uint16_t CRTC_INDEX = 0x3D4;
const uint16_t CRTC_DATA = 0x3D5;

int row = 0;
int column = 0;

void MoveCursor() {
  unsigned position = static_cast<unsigned>(row * COLUMNS + column);
  OutPort(CRTC_INDEX, 0x0E);
  OutPort(CRTC_DATA, static_cast<uint8_t>(position >> 8));
  OutPort(CRTC_INDEX, 0x0F);
  OutPort(CRTC_DATA, static_cast<uint8_t>(position));
}

void NewLine() {
  column = 0;
  if (++row < ROWS)
    return;
  row = ROWS - 1;
  for (int i = 0; i < (ROWS - 1) * COLUMNS; ++i)
    TEXT[i] = TEXT[i + COLUMNS];
  for (int i = 0; i < COLUMNS; ++i)
    TEXT[(ROWS - 1) * COLUMNS + i] = BLANK;
}

}  // namespace

void ScreenInit() {
  for (int i = 0; i < ROWS * COLUMNS; ++i)
    TEXT[i] = BLANK;
  row = 0;
  column = 0;
  MoveCursor();
}

void ScreenPutChar(char c) {
  switch (c) {
    case '\n':
      NewLine();
      break;
    case '\r':
      column = 0;
      break;
    case '\t':
      column = (column + 8) / 8 * 8;
      if (column >= COLUMNS)
        NewLine();
      break;
    case '\a':  // the speaker's, not the screen's
      return;
    default:
      TEXT[row * COLUMNS + column] = static_cast<uint16_t>(0x0700 | static_cast<uint8_t>(c));
      if (++column >= COLUMNS)
        NewLine();
      break;
  }
  MoveCursor();
}

int ScreenColumn() {
  return column;
}
