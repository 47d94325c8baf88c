// Configuration bytes through the operating system, for when the ports are
// out of reach.  pciutils' library knows every way the kernel offers (sysfs,
// procfs, direct access); a build without it reads sysfs itself.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "hw/native_linux.h"

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
  pci_access_failed = false;
  uint8_t byte = pci_read_byte(dev, static_cast<int>(reg));
  if (pci_access_failed)
    return false;
  *value = byte;
  return true;
}

void OsPciWriteByte(unsigned bus, unsigned device, unsigned function, unsigned reg, uint8_t value) {
  pci_dev* dev = FunctionHandle(bus, device, function);
  if (dev == nullptr)
    return;
  pci_write_byte(dev, static_cast<int>(reg), value);
}

#else  // read the kernel's sysfs files directly

namespace {

struct OpenFunction {
  int fd;
  unsigned bus;
  unsigned device;
  unsigned function;
  bool tried;
};
OpenFunction open_function = {-1, 0, 0, 0, false};

int FunctionFile(unsigned bus, unsigned device, unsigned function) {
  OpenFunction& f = open_function;
  if (f.tried && f.bus == bus && f.device == device && f.function == function)
    return f.fd;
  if (f.fd >= 0)
    close(f.fd);
  char path[64];
  snprintf(path, sizeof path, "/sys/bus/pci/devices/0000:%02x:%02x.%x/config", bus, device,
           function);
  int fd = open(path, O_RDWR | O_CLOEXEC);
  if (fd < 0)
    fd = open(path, O_RDONLY | O_CLOEXEC);
  f = {fd, bus, device, function, true};
  return fd;
}

}  // namespace

bool OsPciReadByte(unsigned bus, unsigned device, unsigned function, unsigned reg, uint8_t* value) {
  int fd = FunctionFile(bus, device, function);
  if (fd < 0)
    return false;
  return pread(fd, value, 1, static_cast<off_t>(reg)) == 1;
}

void OsPciWriteByte(unsigned bus, unsigned device, unsigned function, unsigned reg, uint8_t value) {
  int fd = FunctionFile(bus, device, function);
  if (fd < 0)
    return;
  if (pwrite(fd, &value, 1, static_cast<off_t>(reg)) != 1) {
    // The kernel refused the write; the byte keeps its value, as a
    // read-only register would.
  }
}

#endif
