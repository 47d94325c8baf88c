// The comparison section: the host bridge being reported (the machine's own,
// or a dump given with -decode) against a dump saved in a file, field by
// field in the chipset's own words.
#pragma once

#include <cstdint>

#include "pci/config_dump.h"
#include "pci/host_bridge.h"
#include "pci/tables/tables.h"

// Prints the comparison section in place of the chipset section.  The
// bridge being reported is the one DetectHostBridge found; its bytes are read
// through the configuration access, as far as they can be read.  this_file
// names the -decode file it came from (nullptr for the machine itself),
// saved_file the file that held saved; "-" is standard input.  verbose lists
// every choice of each differing field and the -set spec that would give the
// saved value.
void PrintComparisonReport(const ConfigDump& saved, const char* this_file, const char* saved_file,
                           ConfigSource this_source, bool verbose);

// The set spec ("50:6-7=00", without "-set") that puts field_value into the
// field, or nullptr when the table does not list the field as changeable.
// The text lives until the next call.
const char* FormatSetSpec(const RegisterField& field, uint8_t field_value);
