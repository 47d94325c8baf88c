#!/bin/busybox sh
# /init of the test guest: runs korvalt as root with real port I/O, then
# prints what the guest kernel itself knows, between markers, and powers off.
/bin/busybox --install -s /bin
mount -t proc proc /proc
mount -t sysfs sys /sys
mount -t devtmpfs dev /dev
cfg=/sys/bus/pci/devices/0000:00:00.0/config

section() { echo "@@KORVALT $1@@"; }

section report
/korvalt -batch >/tmp/out 2>/tmp/err
echo "status=$?" >/tmp/status
section stdout; cat /tmp/out; echo
section stderr; cat /tmp/err; echo
section status; cat /tmp/status

section config-before; od -An -tx1 -v "$cfg"
/korvalt -batch -force -nocpu -nomemory -nochipset -set0C:2-5=1010 >/tmp/out 2>/tmp/err
echo "status=$?" >/tmp/status
section set-stdout; cat /tmp/out; echo
section set-stderr; cat /tmp/err; echo
section set-status; cat /tmp/status
section config-after; od -An -tx1 -v "$cfg"

section kernel-tsc; dmesg | grep -i 'tsc: \(Detected\|Refined\)'
section end
poweroff -f
