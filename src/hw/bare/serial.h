// COM1 at 115200 baud, 8 data bits, no parity, one stop bit, polled: every
// byte of the console goes out there too, and a byte coming in is a key.
#pragma once

// Programs the UART whatever the BIOS left in it; a port with no UART
// behind it is noticed and left alone from then on.
void SerialInit();
// Sends the byte, a line feed as CR LF for the terminal at the other end.
void SerialPutByte(char c);
// The byte received, or -1 when none is waiting.
int SerialPollByte();
