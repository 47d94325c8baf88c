// The 80x25 VGA text screen: text goes on at the cursor, wraps after column
// 79 and scrolls at the bottom, so that the pager's 24 lines and its prompt
// fill it exactly.
#pragma once

void ScreenInit();
void ScreenPutChar(char c);
// The column the next character lands in.
int ScreenColumn();
