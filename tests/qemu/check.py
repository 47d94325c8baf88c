#!/usr/bin/env python3
"""Checks one guest log of tests/qemu/run against what the guest kernel saw.

Usage: check.py LOG VENDOR FAMILY MODEL STEPPING HAS_TSC
Prints one line per failed check and exits 1 if any failed.
"""
import re
import sys

MODEL_NAMES = {
    0x00: "  non ", 0x40: " 486DX", 0x41: " 486DX", 0x43: "486DX2", 0x44: " 486SL",
    0x45: "486SX2", 0x47: "WBEDX2", 0x48: "  DX4 ", 0x4E: "Am5x86", 0x51: "  P5  ",
    0x54: " P55C ", 0x56: "K6.35u", 0x57: "P5note", 0x58: "K6.25u", 0x59: "K6 3D ",
    0x60: "6x86MX", 0x61: "  P6  ", 0x63: "Pen-II",
}
# Names that belong to one vendor only.
VENDOR_MODEL_NAMES = {
    ("GenuineIntel", 0x65): "P2/Cel", ("GenuineIntel", 0x66): "Cel-A ",
    ("GenuineIntel", 0x67): "PenIII", ("GenuineIntel", 0x68): "P3/Cel",
    ("AuthenticAMD", 0x5D): "K6.18u", ("CyrixInstead", 0x65): "CyrIII",
    ("CentaurHauls", 0x66): "CyrIII", ("CentaurHauls", 0x67): "VIA C3",
    ("CentaurHauls", 0x68): "VIA C3", ("CentaurHauls", 0x69): "VIA C3",
    ("RiseRiseRise", 0x50): " mP6  ",
}
# The host bridges of QEMU's machines that the catalogue knows, by vendor and
# device id, with the line that names them (q35's 29C0h is not catalogued).
CATALOGUED_BRIDGES = {
    (0x8086, 0x1237): "Device: [1237] 440FX (82441FX PMC)",
}


def model_name(vendor, family, model):
    key = family * 16 + model
    if key == 0x42:
        return " 486SX" if vendor == "GenuineIntel" else "  UMC "
    if key == 0x52:
        return " 6x86 " if vendor == "CyrixInstead" else " P54C "
    if key == 0x53:
        return " 6x86 " if vendor == "CyrixInstead" else " P24T "
    if (vendor, key) in VENDOR_MODEL_NAMES:
        return VENDOR_MODEL_NAMES[(vendor, key)]
    return MODEL_NAMES.get(key, "?%04X?" % key)


def sections(log):
    text = log.replace("\r", "")
    parts = {}
    pieces = re.split(r"@@KORVALT ([a-z-]+)@@\n?", text)
    for name, body in zip(pieces[1::2], pieces[2::2]):
        parts[name] = body
    return parts


def config_bytes(od_text):
    return [int(b, 16) for b in od_text.split()]


def dump_bytes(report):
    rows = re.findall(r"^([0-9A-F]{2}) ((?:[ :][0-9A-F]{2}){16})$", report, re.M)
    data = []
    for label, row in rows:
        if int(label, 16) != len(data):
            return None
        data += [int(row[i + 1:i + 3], 16) for i in range(0, 48, 3)]
    return data


def main():
    log_path, vendor, family, model, stepping, has_tsc = sys.argv[1:7]
    family, model, stepping, has_tsc = int(family), int(model), int(stepping), has_tsc == "1"
    with open(log_path, errors="replace") as f:
        parts = sections(f.read())
    failures = []

    def check(ok, what):
        if not ok:
            failures.append(what)

    if "end" not in parts:
        print("the guest did not finish (no end marker)")
        return 1
    out = parts.get("stdout", "")
    err = parts.get("stderr", "")
    check(parts.get("status", "").strip() == "status=0", "report exit status: %r" % parts.get("status"))
    check(err.strip() == "", "report standard error not empty: %r" % err[:200])

    cpu_line = "|CPU:%6s[%12s Fam%1d Mdl%1d Stp%2d]|" % (
        model_name(vendor, family, model), vendor, family, model, stepping)
    check(cpu_line in out.splitlines(), "CPU line %r not found" % cpu_line)
    check("factor" not in out, "clock warning printed")

    kernel = re.search(r"tsc: (?:Refined TSC clocksource calibration|Detected): ?([0-9.]+) MHz",
                       parts.get("kernel-tsc", ""))
    rdtsc = re.search(r"\| CPU Frequency \(by RDTWR\)  : *([0-9.]+)\[MHz\]\|", out)
    if has_tsc:
        check(rdtsc is not None, "no time-stamp-counter clock line")
        check(kernel is not None, "guest kernel printed no TSC rate")
        if rdtsc and kernel:
            measured, calibrated = float(rdtsc.group(1)), float(kernel.group(1))
            loop = re.search(r"\| CPU Frequency \(by INC EAX\): *([0-9.]+)\[MHz\]\|", out)
            print("clock: measured %.2f MHz (INC EAX %s MHz), guest kernel %.3f MHz"
                  % (measured, loop.group(1) if loop else "?", calibrated))
            check(abs(measured - calibrated) <= calibrated * 0.005,
                  "clock %.2f MHz not within 0.5%% of %.3f MHz" % (measured, calibrated))
        rows = re.findall(r"^(READ |WRITE)[ 0-9]{5}K: ", out, re.M)
        check(out.count("     [size]: [clk/burst] [MB/sec]\n") == 2, "memory headers missing")
        check(len(rows) == 28, "memory section has %d rows, not 28" % len(rows))
    else:
        check(re.search(r"^\| CPU Frequency: *[0-9.]+\[MHz\] +\|$", out, re.M) is not None,
              "no single-line frequency form")
        check("Sorry, this version of KRVT does not support memory performance reporting "
              "functions for CPUs which do not have RDTSR instruction." in out,
              "memory apology missing")

    before = config_bytes(parts.get("config-before", ""))
    after = config_bytes(parts.get("config-after", ""))
    check(len(before) >= 256 and len(after) >= 256, "guest config space not read")
    if len(before) >= 256:
        vendor_id, device_id = before[0] | before[1] << 8, before[2] | before[3] << 8
        ids = CATALOGUED_BRIDGES.get((vendor_id, device_id),
                                     "Unsupported Device: VendorID = %04x, DeviceID = %04X" % (
                                         vendor_id, device_id))
        check(ids in out, "line %r not found" % ids)
        if (vendor_id, device_id) == (0x8086, 0x1237):
            # Translated from the guest's own bytes: the BIOS shadow of F0000
            # (59h bits 7-4) and the SMRAM register (72h).
            for label, value in (("59:4-7:BIOS ROM (F0000-FFFFF) Control", before[0x59] >> 4),
                                 ("72:3  :SMRAM Enable", before[0x72] >> 3 & 1)):
                width = 4 if label.startswith("59") else 1
                line = re.search(r"^%s +=\s([01]+)" % re.escape(label), out, re.M)
                check(line is not None and line.group(1) == format(value, "0%db" % width),
                      "field %r does not read the guest's byte" % label)
        check(dump_bytes(out) == before[:256], "raw dump differs from the guest's sysfs bytes")
    check(parts.get("set-status", "").strip() == "status=0", "set run exit status")
    if len(before) >= 256 and len(after) >= 256:
        want = (before[0x0C] & ~0x3C) | (0b1010 << 2)
        check(after[0x0C] == want, "register 0Ch is %02X after -set, expected %02X" % (after[0x0C], want))
        changed = [i for i in range(256) if i != 0x0C and before[i] != after[i]]
        check(not changed, "-set changed other registers: %s" % changed)
        check("new value:" in parts.get("set-stdout", ""), "no new value line")

    for f in failures:
        print("FAIL: " + f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
