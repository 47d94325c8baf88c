#!/usr/bin/env python3
"""Boots korvalt.elf and korvalt.img on QEMU's and Bochs's PC models, and
korvalt.iso (beside IMAGE) and korvalt.elf through GRUB on QEMU, and checks
the report they write on COM1.

    check.py WORK_DIR ELF IMAGE [--quick]

QEMU runs in virtual time (-icount shift=0,sleep=off -rtc clock=vm), where
the processor runs at exactly 1000 MHz.  Runs end through the test-only
boot-line word test-exit=qemu or test-exit=bochs, or through the restart a
key asks for (QEMU with -no-reboot then ends).  Every run has a deadline.
"""

import os
import re
import select
import shutil
import socket
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))

# CPUID leaf 1 EAX and EDX of QEMU's own i386 models (qemu-system-i386 7.2).
QEMU_CPUS = {
    "pentium": (0x00000543, 0x008003BD),
    "pentium2": (0x00000652, 0x0183FBFD),
    "486": (0x00000480, 0x00000009),
}

# The host bridge each Bochs chipset shows, and the catalogue line the
# chipset section prints for it (None: not in the catalogue, so the
# "Unsupported Device" line).  Bochs's i430FX answers 8086:0122, its i440BX
# 8086:7190 (AGP port on).
BOCHS_BRIDGES = {
    "i430fx": ("8086", "0122", "Device: [0122] Triton FX (82437FX)"),
    "i440fx": ("8086", "1237", "Device: [1237] 440FX (82441FX PMC)"),
    "i440bx": ("8086", "7190", "Device: [7190] 440BX/ZX (82443BX/ZX)"),
}
# Every model on every chipset; --quick takes the first two, which between
# them still show both chipsets.
BOCHS_RUNS = [
    ("pentium", "i430fx"),
    ("pentium_mmx", "i440fx"),
    ("amd_k6_2_chomper", "i430fx"),
    ("pentium_mmx", "i430fx"),
    ("pentium", "i440fx"),
    ("amd_k6_2_chomper", "i440fx"),
    ("p2_klamath", "i440bx"),
]
BOCHS_IPS = 50000000

CLOCK_WARNING = "Either CMOS-RTC or 14.318MHz clock seems strange."
END_LINE = "korvalt has finished: switch the PC off, or press a key to restart it."
MORE_PROMPT = "--more-- hit any key to continue"
CLOSING_PROMPT = "***END*** Hit any key to exit"

failures = []
passes = 0


def check(ok, what):
    global passes
    if ok:
        passes += 1
    else:
        failures.append(what)
        print("FAILED: " + what, flush=True)


def serial_text(raw, keep_pauses=False):
    """COM1 carries line ends as CR LF; the report's own are LF.  Unless
    kept, a pause's prompt, its bell and its blanking are taken out, so that
    the line after a pause starts a line wherever the pause falls (a clock
    warning on a real-time run moves it)."""
    text = raw.decode("latin-1").replace("\r\n", "\n")
    if keep_pauses:
        return text
    return re.sub(re.escape(MORE_PROMPT) + "\a?\r {32}\r", "", text)


class Emulator:
    """An emulator whose COM1 is its standard input and output."""

    def __init__(self, command, deadline):
        self.process = subprocess.Popen(command, stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE,
                                        stderr=subprocess.DEVNULL)
        self.output = b""
        self.end = time.monotonic() + deadline

    def wait_for_any(self, texts, start=0):
        """Reads until one of texts has come after offset start (returns
        it), or the emulator ended or the deadline passed (None)."""
        while True:
            for text in texts:
                if text.encode("latin-1") in self.output[start:]:
                    return text
            left = self.end - time.monotonic()
            if left <= 0:
                return None
            ready, _, _ = select.select([self.process.stdout], [], [], left)
            if not ready:
                return None
            chunk = os.read(self.process.stdout.fileno(), 65536)
            if not chunk:
                return None
            self.output += chunk

    def wait_for(self, text):
        return self.wait_for_any([text]) is not None

    def key(self, byte=b" "):
        self.process.stdin.write(byte)
        self.process.stdin.flush()

    def finish(self):
        """Waits for the end until the deadline; returns the exit status,
        or None when the emulator had to be stopped."""
        self.wait_for("\0never\0")
        try:
            status = self.process.wait(timeout=max(1, self.end - time.monotonic()))
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
            status = None
        self.output += self.process.stdout.read()
        return status

    def stop(self):
        self.process.kill()
        self.process.wait()


def qemu(machine, cpu, append, icount=True, deadline=240, kernel=None, floppy=None,
         monitor="none", extra=(), megabytes=256):
    command = ["qemu-system-i386", "-machine", machine, "-cpu", cpu, "-m", str(megabytes),
               "-display", "none", "-monitor", monitor, "-serial", "stdio", "-no-reboot",
               "-device", "isa-debug-exit,iobase=0xf4,iosize=0x04"]
    if icount:
        command += ["-icount", "shift=0,sleep=off", "-rtc", "clock=vm"]
    if kernel:
        command += ["-kernel", kernel, "-append", append]
    if floppy:
        command += ["-drive", "if=floppy,format=raw,file=%s,snapshot=on" % floppy, "-boot", "a"]
    return Emulator(command + list(extra), deadline)


def run_batch(label, machine, cpu, options, megabytes=256):
    """A -batch run to its end; returns the report text."""
    started = time.monotonic()
    emulator = qemu(machine, cpu, "korvalt.elf -batch %s test-exit=qemu" % options, kernel=ELF,
                    megabytes=megabytes)
    status = emulator.finish()
    text = serial_text(emulator.output)
    print("  %s: %.1f s" % (label, time.monotonic() - started), flush=True)
    # test-exit makes QEMU end with the program's status * 2 + 1.
    check(status == 1, "%s: QEMU ended with %s, not through the test exit" % (label, status))
    check(text.rstrip("\n").endswith(END_LINE), "%s: no closing line at the end" % label)
    with open(os.path.join(WORK, label + ".txt"), "w", encoding="latin-1") as saved:
        saved.write(text)
    return text


def dump_bytes(text):
    values = []
    for line in text.splitlines():
        match = re.match(r"^([0-9A-F])0  ((?:[0-9A-F]{2}[ :]){15}[0-9A-F]{2})$", line)
        if match:
            values += [int(v, 16) for v in re.split("[ :]", match.group(2))]
    return values


def reference_bytes(name):
    with open(os.path.join(HERE, name)) as f:
        lines = [line for line in f if not line.startswith("#")]
    return [int(v, 16) for v in " ".join(lines).split()]


def processor_line(vendor, family, model, stepping):
    return "[%12s Fam%d Mdl%d Stp%2d]|" % (vendor, family, model, stepping)


def check_processor(label, text, eax, edx, vendor="GenuineIntel"):
    family, model, stepping = (eax >> 8) & 15, (eax >> 4) & 15, eax & 15
    line = processor_line(vendor, family, model, stepping)
    check(line in text, "%s: no processor line ending %r" % (label, line))
    # The capability lines that follow from leaf 1's EDX.
    for bit, name in ((0, "Built-in FPU:            "), (4, "Timestamp Counter:       "),
                      (8, "CMPXCHG8B instruction:   "), (15, "CMOV instruction:        "),
                      (23, "MMX capable:             ")):
        if name.startswith("Built-in"):
            wanted = "present" if edx >> bit & 1 else "not present"
        elif name.startswith("MMX"):
            wanted = "yes" if edx >> bit & 1 else "no"
        else:
            wanted = "supported" if edx >> bit & 1 else "not supported"
        check(re.search(r"^\| %s%s +\|$" % (re.escape(name), wanted), text, re.M),
              "%s: capability %s is not %s" % (label, name.strip(), wanted))


def mhz(text, method):
    match = re.search(r"^\| CPU Frequency%s: *([0-9.]+)\[MHz\]" % re.escape(method), text, re.M)
    return float(match.group(1)) if match else None


def check_qemu():
    print("QEMU, -kernel korvalt.elf", flush=True)
    i440fx = reference_bytes("i440fx-config.txt")

    # The Pentium on the i440FX: the whole report.
    eax, edx = QEMU_CPUS["pentium"]
    text = run_batch("pc-pentium", "pc", "pentium", "")
    check_processor("pc-pentium", text, eax, edx)
    check(mhz(text, " (by RDTWR)  ") == 1000.00, "pc-pentium: counter clock is not 1000.00 MHz")
    inc = mhz(text, " (by INC EAX)")
    check(inc is not None and abs(inc - 1000) < 10, "pc-pentium: INC EAX clock %s MHz" % inc)
    check(CLOCK_WARNING not in text, "pc-pentium: reference clock warning")
    check("Device: [1237] 440FX (82441FX PMC)" in text, "pc-pentium: bridge is not the 440FX")
    # The translation reads QEMU's own bytes: its SMRAM register (72h).
    smram = re.search(r"^72:0-2:SMM Space Base Segment +=\s(\d{3})", text, re.M)
    check(smram is not None and int(smram.group(1), 2) == i440fx[0x72] & 7,
          "pc-pentium: the 440FX's SMRAM base segment is not translated from its byte")
    check(dump_bytes(text) == i440fx, "pc-pentium: dump differs from the Linux guest's bytes")
    rows = re.findall(r"^(READ |WRITE) *[0-9]+K: +[0-9.]+ +[0-9.]+  -*\|$", text, re.M)
    check(len(rows) == 28, "pc-pentium: %d memory rows, not 28" % len(rows))

    # The Pentium II, with a forced set that must change exactly its bits:
    # register 0Ch bits 2-5 to 1010.
    eax, edx = QEMU_CPUS["pentium2"]
    text = run_batch("pc-pentium2-set", "pc", "pentium2", "-nomemory -force -set0C:2-5=1010")
    check_processor("pc-pentium2-set", text, eax, edx)
    check("|CPU:P2/Cel[" in text, "pc-pentium2-set: family 6 model 5 is not named P2/Cel")
    check(mhz(text, " (by RDTWR)  ") == 1000.00, "pc-pentium2: counter clock is not 1000.00 MHz")
    expected = list(i440fx)
    expected[0x0C] = (expected[0x0C] & ~0x3C) | (0b1010 << 2)
    check(dump_bytes(text) == expected, "pc-pentium2-set: dump after -set0C:2-5=1010 is not "
          "the reference with exactly those bits changed")

    # CPUID but no counter: one frequency line, by the loop, and the apology
    # instead of the memory section.
    eax, edx = QEMU_CPUS["486"]
    text = run_batch("pc-486", "pc", "486", "")
    check_processor("pc-486", text, eax, edx)
    single = mhz(text, "")
    check(single is not None and abs(single - 1000) < 10, "pc-486: clock line %s MHz" % single)
    check("RDTWR" not in text, "pc-486: a counter clock line without a counter")
    check("CPUs which do not have RDTSR instruction." in text, "pc-486: no apology")

    # No PCI at all: the bus-less line and a dump of ones.
    text = run_batch("isapc-pentium", "isapc", "pentium", "-nomemory")
    check("Unsupported Device: VendorID = ffff, DeviceID = FFFF" in text,
          "isapc: no bus-less bridge line")
    check(dump_bytes(text) == [0xFF] * 256, "isapc: dump is not all FF")

    check_small_ram()
    check_keys()
    check_exception()
    check_floppy()


def check_small_ram():
    """PCs of 16 and 8 MB: every row that fits, and one line before the rows
    naming the sizes that do not (8192K on 8 MB, none on 16 MB)."""
    row = r"^(READ |WRITE) *([0-9]+)K: +[0-9.]+ +[0-9.]+  -*\|$"
    for megabytes, left_out in ((16, []), (8, [8192])):
        label = "pc-pentium-%dmb" % megabytes
        text = run_batch(label, "pc", "pentium", "-nocpu -nochipset", megabytes=megabytes)
        sizes = [int(kb) for _, kb in re.findall(row, text, re.M)]
        wanted = [kb for kb in (1 << n for n in range(14)) if kb not in left_out]
        check(sizes == wanted * 2,
              "%s: memory rows of %s K, not %s K twice" % (label, sizes, wanted))
        line = re.search(r"^Rows of (.*) are left out: too little memory \([0-9]+ KB free\)\.\n"
                         r" +\[size\]", text, re.M)
        named = [int(kb) for kb in re.findall(r"([0-9]+)K", line.group(1))] if line else []
        check(named == left_out, "%s: left-out line names %s, not %s" % (label, named, left_out))


def check_exception():
    """A processor exception (an NMI from QEMU's monitor, which CLI does not
    hold off) prints one line naming it and ends as a normal run ends."""
    started = time.monotonic()
    socket_path = os.path.join(WORK, "monitor.sock")
    if os.path.exists(socket_path):
        os.remove(socket_path)
    emulator = qemu("pc", "pentium", "korvalt.elf -batch test-exit=qemu", kernel=ELF,
                    monitor="unix:%s,server,nowait" % socket_path)
    sent = False
    if emulator.wait_for("--- KORVALT"):
        with socket.socket(socket.AF_UNIX) as monitor:
            monitor.connect(socket_path)
            monitor.sendall(b"nmi\n")
            sent = emulator.wait_for(END_LINE)
    status = emulator.finish()
    print("  exception: %.1f s" % (time.monotonic() - started), flush=True)
    text = serial_text(emulator.output)
    check(sent and re.search(r"^korvalt: processor exception 2 \(non-maskable interrupt\) at EIP "
                             r"[0-9A-F]{8}, error code 0\n" + re.escape(END_LINE), text, re.M),
          "exception: no fatal line for the NMI, followed by the closing line")
    # The fatal end's status is 1: QEMU's test exit makes that 3.
    check(status == 3, "exception: QEMU ended with %s, not the fatal status" % status)


def counted_lines(text):
    """Lines as an 80-column screen completes them: a line feed, a tab or a
    character reaching column 80."""
    column = lines = 0
    for c in text:
        if c == "\n":
            column, lines = 0, lines + 1
        elif c == "\r":
            column = 0
        else:
            column = (column + 8) // 8 * 8 if c == "\t" else column + 1
            if column >= 80:
                column, lines = 0, lines + 1
    return lines


def check_keys():
    """Without -batch: every pause comes after 24 lines, each answered by a
    byte on COM1; then the closing prompt, the closing line, and a key that
    restarts the PC (QEMU, told not to reboot, ends)."""
    started = time.monotonic()
    emulator = qemu("pc", "pentium", "korvalt.elf -nomemory -v", kernel=ELF)
    pauses = 0
    while True:
        seen = emulator.wait_for_any([MORE_PROMPT, CLOSING_PROMPT], len(emulator.output))
        if seen is None:
            check(False, "keys: no prompt after %d pauses" % pauses)
            emulator.stop()
            return
        if seen == CLOSING_PROMPT:
            break
        pauses += 1
        emulator.key()
    emulator.key(b"x")
    seen_end = emulator.wait_for(END_LINE)
    check(seen_end, "keys: no closing line after the closing prompt's key")
    emulator.key(b"r")
    status = emulator.finish()
    print("  keys: %.1f s, %d pauses" % (time.monotonic() - started, pauses), flush=True)
    check(status == 0, "keys: the key after the closing line did not restart the PC (%s)" % status)

    text = serial_text(emulator.output, keep_pauses=True)
    check(pauses >= 2, "keys: only %d pauses in a verbose report" % pauses)
    # Lines between two pauses: the prompt's blanking returns to the start of
    # its own line, so each page holds 24 line ends.
    pages = text.split(MORE_PROMPT + "\a\r" + " " * 32 + "\r")
    check(len(pages) == pauses + 1, "keys: the pauses are not each prompt, BEL and blanking")
    counts = [counted_lines(page) for page in pages[:-1]]
    check(all(count == 24 for count in counts), "keys: pages of %s lines, not 24" % counts)
    before_end = text[:text.find(CLOSING_PROMPT)]
    check(before_end.endswith("\n") or before_end.endswith("\r"), "keys: closing prompt placement")
    check(text.find(END_LINE) > text.find(CLOSING_PROMPT + "\a"),
          "keys: closing line not after the closing prompt and its BEL")


def check_floppy():
    """The floppy as a user boots it: SYSLINUX's menu, its default entry
    after the timeout, the report up to the processor section.  (Real time:
    the menu's countdown does not advance in QEMU's virtual time.)"""
    started = time.monotonic()
    emulator = qemu("pc", "pentium", None, icount=False, floppy=IMAGE, deadline=180)
    # Through the pauses to the chipset section.
    while True:
        seen = emulator.wait_for_any([MORE_PROMPT, "-----PCI HostBridge raw data"],
                                     len(emulator.output))
        if seen != MORE_PROMPT:
            break
        emulator.key()
    reached = seen is not None
    emulator.stop()
    print("  floppy: %.1f s to the chipset section" % (time.monotonic() - started), flush=True)
    check(reached, "floppy: the report never reached the chipset section")
    text = serial_text(emulator.output)
    check("korvalt 0.14" in text, "floppy: no SYSLINUX menu")
    eax, edx = QEMU_CPUS["pentium"]
    check_processor("floppy", text, eax, edx)


# The ISO as each kind of drive a PC boots it from.  A stick needs a USB
# controller whose disks SeaBIOS boots: the EHCI of the boards that boot
# sticks at all (SeaBIOS reads through QEMU's UHCI several times slower).
ISO_DRIVES = {
    "cd": ["-drive", "if=ide,index=2,media=cdrom,readonly=on,format=raw,file=%s", "-boot", "d"],
    "ide-disk": ["-drive", "if=ide,index=0,media=disk,snapshot=on,format=raw,file=%s", "-boot", "c"],
    "usb-stick": ["-device", "usb-ehci,id=ehci", "-drive",
                  "if=none,id=stick,snapshot=on,format=raw,file=%s",
                  "-device", "usb-storage,bus=ehci.0,drive=stick,bootindex=0"],
}
# Typed at the menu: Tab edits the default entry's command line, and these
# words end it (the menu itself never carries the test exit).
ISO_KEYS = b"\t -batch test-exit=qemu\r"


def boot_menu():
    """The title and entry labels of the boot menu, from boot/syslinux.cfg."""
    with open(os.path.join(HERE, "..", "..", "boot", "syslinux.cfg")) as f:
        config = f.read()
    return (re.search(r"^MENU TITLE (.*)$", config, re.M).group(1),
            re.findall(r"^ *MENU LABEL (.*)$", config, re.M))


def check_boot(label, command, ready):
    """Boots a loader in real time (its countdown stands still in virtual
    time), waits for its text ready, types ISO_KEYS when it is the menu's
    title, and checks the whole report on a Pentium II up to its end;
    returns the serial text, or None when the loader never showed."""
    started = time.monotonic()
    emulator = qemu("pc", "pentium2", None, icount=False, deadline=60, extra=command)
    if not emulator.wait_for(ready):
        emulator.stop()
        check(False, "%s: no %r on COM1 within a minute" % (label, ready))
        return None
    if ready == boot_menu()[0]:
        emulator.key(ISO_KEYS)
    emulator.end = time.monotonic() + 150
    status = emulator.finish()
    print("  %s: %.1f s" % (label, time.monotonic() - started), flush=True)
    text = serial_text(emulator.output)
    check(status == 1, "%s: QEMU ended with %s, not through the test exit" % (label, status))
    check(text.rstrip("\n").endswith(END_LINE), "%s: no closing line at the end" % label)
    eax, edx = QEMU_CPUS["pentium2"]
    check_processor(label, text, eax, edx)
    with open(os.path.join(WORK, label + ".txt"), "w", encoding="latin-1") as saved:
        saved.write(text)
    return text


def check_iso():
    """korvalt.iso as a CD, as an IDE disk and as a USB stick: ISOLINUX's
    menu (the floppy's), then the report to its end."""
    print("QEMU, korvalt.iso", flush=True)
    iso = os.path.join(os.path.dirname(IMAGE), "korvalt.iso")
    check(os.path.isfile(iso), "iso: no %s" % iso)
    if not os.path.isfile(iso):
        return
    title, labels = boot_menu()
    for drive, options in ISO_DRIVES.items():
        text = check_boot("iso-" + drive, [o.replace("%s", iso) for o in options], title)
        if text is None:
            continue
        menu = text[:text.find("--- KORVALT")]
        missing = [entry for entry in labels if entry not in menu]
        check(not missing, "iso-%s: menu without %s" % (drive, missing))


def check_grub():
    """korvalt.elf through GRUB with the README's menu entry, the test's
    words added to its multiboot line, from a rescue CD grub-mkrescue makes."""
    print("QEMU, GRUB", flush=True)
    with open(os.path.join(HERE, "..", "..", "README.md")) as f:
        entry = re.search(r"^```\n(menuentry \"korvalt\" \{\n.*?^\}\n)```$", f.read(), re.M | re.S)
    multiboot = entry and re.search(r"^( *multiboot (\S+).*)$", entry.group(1), re.M)
    check(multiboot, "grub: no menu entry with a multiboot line in the README")
    if not multiboot:
        return
    root = os.path.join(WORK, "grub-root")
    shutil.rmtree(root, ignore_errors=True)
    os.makedirs(os.path.join(root, "boot", "grub"))
    elf = os.path.join(root, multiboot.group(2).lstrip("/"))
    os.makedirs(os.path.dirname(elf), exist_ok=True)
    shutil.copyfile(ELF, elf)
    with open(os.path.join(root, "boot", "grub", "grub.cfg"), "w") as f:
        f.write("serial --unit=0 --speed=115200\nterminal_input serial console\n"
                "terminal_output serial console\nset timeout=0\n" +
                entry.group(1).replace(multiboot.group(1),
                                       multiboot.group(1) + " -batch test-exit=qemu"))
    iso = os.path.join(WORK, "grub.iso")
    made = subprocess.run(["grub-mkrescue", "-o", iso, root], stdin=subprocess.DEVNULL,
                          stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, timeout=120)
    check(made.returncode == 0, "grub: grub-mkrescue failed: %s" % made.stderr.decode()[-300:])
    if made.returncode == 0:
        check_boot("grub", ["-cdrom", iso, "-boot", "d"], "Booting `korvalt'")


def check_bochs(quick):
    print("Bochs, booting korvalt.img", flush=True)
    base = os.path.join(WORK, "bochs")
    os.makedirs(base, exist_ok=True)
    # The floppy with one entry that starts at once and ends Bochs.
    image = os.path.join(base, "korvalt.img")
    shutil.copyfile(IMAGE, image)
    config = os.path.join(base, "syslinux.cfg")
    with open(config, "w") as f:
        f.write("SERIAL 0 115200\nDEFAULT test\nPROMPT 0\nTIMEOUT 0\nLABEL test\n"
                "  KERNEL mboot.c32\n  APPEND korvalt.elf -batch -nomemory test-exit=bochs\n")
    subprocess.run(["mcopy", "-o", "-i", image, config, "::syslinux.cfg"], check=True)
    commands = os.path.join(base, "commands")
    with open(commands, "w") as f:
        f.write("c\n")
    runs = BOCHS_RUNS[:2] if quick else BOCHS_RUNS
    for model, chipset in runs:
        label = "%s-%s" % (model, chipset)
        serial = os.path.join(base, label + ".serial")
        rc = os.path.join(base, label + ".bochsrc")
        with open(rc, "w") as f:
            f.write("megs: 32\n"
                    "romimage: file=/usr/share/bochs/BIOS-bochs-latest\n"
                    "vgaromimage: file=/usr/share/vgabios/vgabios.bin\n"
                    "cpu: model=%s, ips=%d\n"
                    "clock: sync=none, time0=local\n"
                    "pci: enabled=1, chipset=%s\n"
                    "floppya: 1_44=%s, status=inserted\n"
                    "boot: floppy\n"
                    "display_library: term\n"
                    "com1: enabled=1, mode=file, dev=%s\n"
                    "log: %s\n" % (model, BOCHS_IPS, chipset, image, serial,
                                   os.path.join(base, label + ".log")))
        if os.path.exists(serial):
            os.remove(serial)
        started = time.monotonic()
        # The term display needs a terminal: script gives it one.
        try:
            subprocess.run(["script", "-qfc", "bochs -q -f %s -rc %s" % (rc, commands), "/dev/null"],
                           stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=300, cwd=base)
        except subprocess.TimeoutExpired:
            pass
        print("  %s: %.1f s" % (label, time.monotonic() - started), flush=True)
        text = ""
        if os.path.exists(serial):
            with open(serial, "rb") as f:
                text = serial_text(f.read())
        check(text.rstrip("\n").endswith(END_LINE), "%s: the run did not end" % label)
        # What the model answers to CPUID, as Bochs itself logs it.
        log = ""
        if os.path.exists(os.path.join(base, label + ".log")):
            with open(os.path.join(base, label + ".log"), encoding="latin-1") as f:
                log = f.read()
        leaves = dict(re.findall(r"CPUID\[0x0000000([01])\]: ([0-9a-f ]{35})", log))
        check(len(leaves) == 2, "%s: Bochs logged no CPUID leaves 0 and 1" % label)
        if len(leaves) == 2:
            leaf0 = [int(v, 16) for v in leaves["0"].split()]
            leaf1 = [int(v, 16) for v in leaves["1"].split()]
            vendor = b"".join(v.to_bytes(4, "little") for v in (leaf0[1], leaf0[3], leaf0[2]))
            check_processor(label, text, leaf1[0], leaf1[3], vendor.decode("latin-1"))
        # The counter, the timer and the clock all run on Bochs's one
        # instruction count: both measurements give its rate, and the
        # counter agrees with the timer and the real-time clock.
        counter = mhz(text, " (by RDTWR)  ")
        loop = mhz(text, " (by INC EAX)")
        rate = BOCHS_IPS / 1e6
        check(counter is not None and abs(counter - rate) < rate * 0.02,
              "%s: counter clock %s MHz, not %.2f" % (label, counter, rate))
        check(loop is not None and abs(loop - rate) < rate * 0.05,
              "%s: INC EAX clock %s MHz, not %.2f" % (label, loop, rate))
        check(CLOCK_WARNING not in text, "%s: reference clock warning" % label)
        vendor_id, device_id, catalogue_line = BOCHS_BRIDGES[chipset]
        if catalogue_line is None:
            bridge = "Unsupported Device: VendorID = %s, DeviceID = %s" % (vendor_id, device_id)
        else:
            bridge = catalogue_line
            # A catalogued bridge is also translated field by field.
            check("-----Translated PCI HostBridge data" in text,
                  "%s: the bridge was not translated" % label)
        check(bridge in text, "%s: no bridge line %r" % (label, bridge))


def main():
    global WORK, ELF, IMAGE
    WORK, ELF, IMAGE = sys.argv[1:4]
    quick = "--quick" in sys.argv[4:]
    os.makedirs(WORK, exist_ok=True)
    started = time.monotonic()
    check_qemu()
    check_iso()
    check_grub()
    check_bochs(quick)
    print("boot: %d passed, %d failed, %.0f s" % (passes, len(failures), time.monotonic() - started))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
