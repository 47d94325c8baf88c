// The program's version, MAJOR.MINOR.PATCH.  MAJOR.MINOR is the one the
// report's banner names ("ver 0.14") and changes with what the report
// prints; PATCH counts the releases between.  The build reads it from here
// for the packages' names.
#pragma once

#define KORVALT_VERSION "0.14.0"
