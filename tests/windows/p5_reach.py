#!/usr/bin/env python3
"""Which functions of korvalt.exe that hold instructions a Pentium (P5)
lacks can the program reach?

Usage: p5_reach.py OBJDUMP EXE OWN_OBJECT...

Starts from the image's entry point, the program's own code (every function
the program's objects define) and the start-up code the system runs before
the entry point (TLS callbacks, the constructors list), and follows direct calls
and jumps through the linked runtime.  The C++ exception machinery is not
followed: it runs only while an exception is being thrown, which the program
never does.  Prints every reachable function with such instructions and
exits 1 when there is one.
"""
import bisect
import re
import subprocess
import sys

P6 = re.compile(r"\t(cmov|fcmov|fcomi|fucomi|sysenter|sysexit|rdpmc|fxsave|fxrstor|ldmxcsr|"
                r"stmxcsr|[lsm]fence|prefetch|movnt|emms)|%x?mm[0-9]")
LABEL = re.compile(r"^([0-9a-f]+) <(.*)>:$")
BRANCH = re.compile(r"^\s+[0-9a-f]+:\s+(call|jmp|j[a-z]+)\s+([0-9a-f]+) <")
# Entered only while an exception propagates (or to end the program after
# one): the throw, the unwinder, the personality routine and terminate.
EXCEPTION_ONLY = re.compile(r"^(___cxa_(throw|rethrow|allocate_exception|begin_catch|end_catch|"
                            r"call_unexpected|call_terminate|bad_cast|bad_typeid|"
                            r"throw_bad_array_new_length)|__Unwind_|___gxx_personality|"
                            r"__ZSt9terminatev|__ZSt10unexpectedv|__ZSt(\d+)__throw_|"
                            r"__ZN10__cxxabiv111__terminate)")
# Run by the system or the runtime before or after main without a direct
# call from the program: TLS callbacks and the constructor and destructor
# lists.
STARTUP = re.compile(r"^(___dyn_tls_init|___dyn_tls_dtor|__?_?tls_callback|___mingw_TLScallback|"
                     r"___gcc_register_frame|___gcc_deregister_frame|___do_global_(c|d)tors)")


def main():
    objdump, exe, own_objects = sys.argv[1], sys.argv[2], sys.argv[3:]
    text = subprocess.run([objdump, "-d", "--no-show-raw-insn", exe], check=True,
                          capture_output=True, text=True).stdout
    # Functions are known by their start address: the runtime's static
    # functions without a symbol all show as the section's name.
    names = {}       # start address -> name
    calls = {}       # start address -> branch targets
    holds_p6 = {}    # start address -> instructions
    start = None
    for line in text.splitlines():
        m = LABEL.match(line)
        if m:
            start = int(m.group(1), 16)
            names[start] = m.group(2)
            calls.setdefault(start, set())
            continue
        if start is None:
            continue
        m = BRANCH.match(line)
        if m:
            calls[start].add(int(m.group(2), 16))
        if P6.search(line):
            holds_p6.setdefault(start, []).append(line.split("\t")[1].split()[0])

    ordered = sorted(names)

    def function_at(address):
        # The function whose body holds the address: the last start at or before it.
        index = bisect.bisect_right(ordered, address) - 1
        return ordered[index] if index >= 0 else None

    nm = subprocess.run([objdump.replace("objdump", "nm"), "--defined-only", *own_objects],
                        check=True, capture_output=True, text=True).stdout
    own = {fields[2] for fields in (l.split() for l in nm.splitlines())
           if len(fields) == 3 and fields[1] in "Tt" and not fields[2].startswith(".")}
    header = subprocess.run([objdump, "-f", exe], check=True, capture_output=True,
                            text=True).stdout
    entry = int(re.search(r"start address 0x([0-9a-f]+)", header).group(1), 16)
    roots = [a for a in calls
             if a == entry or names[a] in own or STARTUP.match(names[a])]
    seen = set(roots)
    stack = list(roots)
    while stack:
        current = stack.pop()
        for target in calls.get(current, ()):
            callee = function_at(target)
            if callee is None or callee in seen or EXCEPTION_ONLY.match(names[callee]):
                continue
            seen.add(callee)
            stack.append(callee)

    def describe(address):
        return f"{names[address]} at {address:x}: {' '.join(sorted(set(holds_p6[address])))}"

    reachable = sorted(a for a in seen if a in holds_p6)
    print(f"functions with P6, MMX or SSE instructions: {len(holds_p6)}, "
          f"{len(reachable)} of them reachable outside exception handling")
    for address in reachable:
        print(f"  reachable: {describe(address)}")
    return 1 if reachable else 0


if __name__ == "__main__":
    sys.exit(main())
