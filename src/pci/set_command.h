// The -set command: a check pass that validates every spec, then an apply
// pass that changes the host bridge's register bits.
#pragma once

enum SetMode { SET_CHECK, SET_APPLY };
enum SetResult { SET_CONTINUE, SET_ABORT };

// Set when the system refused a write of the apply pass, or a register could
// not be read to be changed; the run then ends with its own status.
extern bool set_write_refused;

SetResult ApplySetSpec(const char* spec, SetMode mode);
SetResult ReportSetError(const char* spec, int position, const char* message, SetMode mode);
