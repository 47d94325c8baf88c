#include "hw/bare/devices.h"

#include "hw/bare/keyboard.h"
#include "hw/bare/screen.h"
#include "hw/bare/serial.h"
#include "hw/bare/speaker.h"

void DevicesInit() {
  SerialInit();
  ScreenInit();
  KeyboardInit();
}

void DevicesWrite(const char* text, size_t length) {
  for (size_t i = 0; i < length; ++i) {
    SerialPutByte(text[i]);
    if (text[i] == '\a')
      SpeakerBeep();
    else
      ScreenPutChar(text[i]);
  }
}

int DevicesWaitForKey() {
  for (;;) {
    int key = KeyboardPollKey();
    if (key < 0)
      key = SerialPollByte();
    if (key >= 0)
      return key;
  }
}

int DevicesColumn() {
  return ScreenColumn();
}
