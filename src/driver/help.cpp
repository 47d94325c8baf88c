// The help text, shown by "-?" (ended with a key wait) and "--help" (which
// goes on with the saved-dump options), and the version line.
#include "console/console.h"
#include "driver/driver.h"
#include "driver/version.h"

namespace {

const char* const HELP_TEXTS[] = {
    "<options>: -v or -verbose printout verbose messages.\n",
    "           -b or -batch   no pause for user input.\n",
    "           -?             printout this message.\n",
    "           -nocpu         do not report CPU.\n",
    "           -nochipset     do not report chipset.\n",
    "           -nomemory      do not report memory performance.\n",
    "           -nobeep        do not beep.\n",
    "           -force         force set PCI registers by -set command\n",
    "           -set<set spec> set PCI register.\n\n",
    "                          (accept multiple occurences)\n",
    "<set spec>\n"
    "  XX:S-E=BBBB  : set register XX's bits S to E to BBBB.\n"
    "  XX:S=B       : set register XX's bit S to B.\n"
    "  XX=BBBBBBBB  : set register XX to BBBBBBBB.\n"
    "\n"
    "where\n"
    "  X  : Hexadecimal digit. 0-9 and A-F\n"
    "  S,E: Octal digit.       0-7\n"
    "  B  : Binary digit.      0 or 1\n"
    "\n"
    "Examples)\n"
    "  -set53=11110000  ; set register 53 to 11110000(=0xF0)\n"
    "  -set52:3=1       ; set register 52's bit 3 to 1\n",
};

// The options this version adds, shown by "--help" after the text above;
// "-?" keeps that text exactly as it always was.
const char SAVED_DUMP_HELP[] =
    "\n"
    "<saved dump>: lspci -xxx output or the dump rows of a korvalt report;\n"
    "              FILE - reads standard input.\n"
    "           -decode=FILE   report the host bridge saved in FILE instead.\n"
    "           -compare=FILE  compare the host bridge with the one saved in FILE,\n"
    "                          field by field (with -v: every choice, and the\n"
    "                          -set spec that gives each saved value).\n";

}  // namespace

const char KORVALT_VERSION_TEXT[] = KORVALT_VERSION;

void RunHelp(const char* program_name, bool wait_for_key) {
  PagedPrint("%s <options>\n", program_name != nullptr ? program_name : "");
  for (const char* text : HELP_TEXTS)
    PagedPrint("%s", text);
  if (!wait_for_key) {
    PagedPrint("%s", SAVED_DUMP_HELP);
    return;
  }
  // The help ends with a key wait even in batch mode, so that a window
  // opened just for it stays readable.
  ConsoleWrite("Hit any key to exit");
  Beep();
  WaitForKey();
}
