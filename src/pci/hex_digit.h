// The value of one hexadecimal digit, for the two readers of user text that
// name registers and bytes in hexadecimal: the set spec and a saved dump.
#pragma once

// 0-15, or -1 when c is not a hexadecimal digit (either letter case).
inline int HexDigitValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  return -1;
}
