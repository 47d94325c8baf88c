// Configuration bytes through the operating system, for when the ports are
// out of reach.  pciutils' library knows every way the kernel offers (sysfs,
// procfs, direct access); a build without it reads sysfs itself.
//
// Configuration space is opened read-only, and for writing only when a write
// is about to be made: a descriptor left open for writing is one stray write
// away from changing the chipset.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "hw/native_linux.h"

namespace {

// Where sysfs keeps the PCI devices; tests point it at a tree of their own.
const char* SysfsPciRoot() {
  const char* root = std::getenv(TEST_SYSFS_PCI_VARIABLE);
  return root != nullptr && root[0] != '\0' ? root : nullptr;
}

}  // namespace

#if defined(KORVALT_HAVE_LIBPCI)

// The library's header declares C functions without saying so to C++.
extern "C" {
#include <pci/pci.h>
}

#include <csetjmp>

namespace {

pci_access* pci_library = nullptr;
bool pci_library_tried = false;
// Set by the library's warning hook: the access just made failed.
bool pci_access_failed = false;
jmp_buf pci_init_failure;

struct OpenFunction {
  pci_dev* dev;
  unsigned bus;
  unsigned device;
  unsigned function;
};
OpenFunction open_function = {nullptr, 0, 0, 0};

// The library's own handlers print to standard error (and its error handler
// ends the process); here a missing device is an ordinary answer of all ones.
void QuietWarning(char*, ...) {
  pci_access_failed = true;
}
void QuietDebug(char*, ...) {}
__attribute__((noreturn)) void InitFailure(char*, ...) {
  longjmp(pci_init_failure, 1);
}

pci_access* PciLibrary() {
  if (pci_library_tried)
    return pci_library;
  pci_library_tried = true;
  pci_access* access = pci_alloc();
  if (access == nullptr)
    return nullptr;
  access->warning = QuietWarning;
  access->debug = QuietDebug;
  access->error = InitFailure;
  // Left clear, the library opens a device's configuration file read-only
  // and again for writing only for a write.
  access->writeable = 0;
  if (const char* root = SysfsPciRoot()) {
    access->method = PCI_ACCESS_SYS_BUS_PCI;
    pci_set_param(access, const_cast<char*>("sysfs.path"), const_cast<char*>(root));
  }
  if (setjmp(pci_init_failure) != 0) {
    // No access method works; the half-initialised handle is left alone.
    return nullptr;
  }
  pci_init(access);
  pci_library = access;
  return pci_library;
}

pci_dev* FunctionHandle(unsigned bus, unsigned device, unsigned function) {
  pci_access* access = PciLibrary();
  if (access == nullptr)
    return nullptr;
  OpenFunction& f = open_function;
  if (f.dev != nullptr && f.bus == bus && f.device == device && f.function == function) {
    return f.dev;
  }
  if (f.dev != nullptr)
    pci_free_dev(f.dev);
  f = {pci_get_dev(access, 0, static_cast<int>(bus), static_cast<int>(device),
                   static_cast<int>(function)),
       bus, device, function};
  return f.dev;
}

}  // namespace

bool OsPciReadByte(unsigned bus, unsigned device, unsigned function, unsigned reg, uint8_t* value) {
  pci_dev* dev = FunctionHandle(bus, device, function);
  if (dev == nullptr)
    return false;
  // The block read says whether it succeeded (a short read beyond what the
  // kernel shows an ordinary user fails quietly); the byte read does not.
  pci_access_failed = false;
  uint8_t byte = 0xFF;
  if (!pci_read_block(dev, static_cast<int>(reg), &byte, 1) || pci_access_failed)
    return false;
  *value = byte;
  return true;
}

bool OsPciWriteByte(unsigned bus, unsigned device, unsigned function, unsigned reg, uint8_t value) {
  pci_dev* dev = FunctionHandle(bus, device, function);
  if (dev == nullptr)
    return false;
  pci_access_failed = false;
  if (pci_write_block(dev, static_cast<int>(reg), &value, 1) && !pci_access_failed)
    return true;
  // The library keeps the failed opening for this device, which would fail
  // every later read too; a fresh handle opens it read-only again.
  pci_free_dev(dev);
  open_function.dev = nullptr;
  return false;
}

#else  // read the kernel's sysfs files directly

namespace {

struct OpenFunction {
  int fd;
  unsigned bus;
  unsigned device;
  unsigned function;
  bool tried;
  bool writable;
};
OpenFunction open_function = {-1, 0, 0, 0, false, false};

// The function's configuration file, opened for writing only when asked.
int FunctionFile(unsigned bus, unsigned device, unsigned function, bool for_writing) {
  OpenFunction& f = open_function;
  if (f.tried && f.bus == bus && f.device == device && f.function == function &&
      (f.writable || !for_writing)) {
    return f.fd;
  }
  if (f.fd >= 0)
    close(f.fd);
  const char* root = SysfsPciRoot();
  char path[4096];
  snprintf(path, sizeof path, "%s/devices/0000:%02x:%02x.%x/config",
           root != nullptr ? root : "/sys/bus/pci", bus, device, function);
  int fd = open(path, (for_writing ? O_RDWR : O_RDONLY) | O_CLOEXEC);
  // After a refused opening for writing the next read opens it read-only.
  f = {fd, bus, device, function, fd >= 0 || !for_writing, for_writing && fd >= 0};
  return fd;
}

}  // namespace

bool OsPciReadByte(unsigned bus, unsigned device, unsigned function, unsigned reg, uint8_t* value) {
  int fd = FunctionFile(bus, device, function, false);
  if (fd < 0)
    return false;
  return pread(fd, value, 1, static_cast<off_t>(reg)) == 1;
}

bool OsPciWriteByte(unsigned bus, unsigned device, unsigned function, unsigned reg, uint8_t value) {
  int fd = FunctionFile(bus, device, function, true);
  return fd >= 0 && pwrite(fd, &value, 1, static_cast<off_t>(reg)) == 1;
}

#endif

unsigned OsPciBytesReadable(unsigned bus, unsigned device, unsigned function) {
  uint8_t value;
  // A function that cannot be read at all is absent, and all ones is then
  // the true answer for every byte.
  if (!OsPciReadByte(bus, device, function, 0, &value))
    return 256;
  unsigned readable = 1;
  while (readable < 256 && OsPciReadByte(bus, device, function, readable, &value))
    ++readable;
  return readable;
}
