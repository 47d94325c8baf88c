// The operations the subsystems call to reach the machine.  They dispatch to
// the Machine chosen at start-up; the time-stamp counter of the native machine
// is read inline at the point of measurement.
#pragma once

#include <cstddef>
#include <cstdint>

#include "hw/machine.h"

// The bare machine reads its counter only through the machine, so that the
// instruction, which a 486 lacks, sits in one function alone.
#if (defined(__i386__) || defined(__x86_64__)) && !defined(KORVALT_BARE_MACHINE)
#define KORVALT_INLINE_RDTSC 1
#include <x86intrin.h>
#endif

extern Machine* current_machine;
// Set when the current machine's counter is the processor's own RDTSC.
extern bool tsc_is_native;

// Makes machine the one every operation reaches; native says whether its
// time-stamp counter is the processor's own (read inline).
void UseMachine(Machine* machine, bool native);

inline uint8_t PortInByte(uint16_t port) {
  return current_machine->InByte(port);
}
inline void PortOutByte(uint16_t port, uint8_t value) {
  current_machine->OutByte(port, value);
}
inline void PortOutDword(uint16_t port, uint32_t value) {
  current_machine->OutDword(port, value);
}
inline CpuidRegs ExecuteCpuid(uint32_t leaf) {
  return current_machine->Cpuid(leaf);
}
inline int IdFlagChangeable() {
  return current_machine->IdFlagChangeable();
}

inline uint64_t ReadTimeStampCounter() {
#if defined(KORVALT_INLINE_RDTSC)
  if (tsc_is_native)
    return __rdtsc();
#endif
  return current_machine->ReadTimeStampCounter();
}

inline void DisableInterrupts() {
  current_machine->InterruptsOff();
}
inline void EnableInterrupts() {
  current_machine->InterruptsOn();
}
inline double FdivResidue(double x) {
  return current_machine->FdivResidue(x);
}
inline void RunIncGroup(unsigned block_length) {
  current_machine->RunIncGroup(block_length);
}
inline void RunReadBursts(const void* block, uint32_t trips) {
  current_machine->RunReadBursts(block, trips);
}
inline void RunWriteBursts(void* block, uint32_t trips) {
  current_machine->RunWriteBursts(block, trips);
}
inline void RunEmptyBursts(const void* block, uint32_t trips) {
  current_machine->RunEmptyBursts(block, trips);
}
inline void ClearBlock(void* block, size_t bytes) {
  current_machine->ClearBlock(block, bytes);
}
inline void* AllocateTestBuffer(size_t bytes) {
  return current_machine->AllocateTestBuffer(bytes);
}
inline void ReleaseTestBuffer(void* buffer, size_t bytes) {
  current_machine->ReleaseTestBuffer(buffer, bytes);
}
inline void* AllocateBenchMemory(size_t wanted, size_t* granted) {
  return current_machine->AllocateBenchMemory(wanted, granted);
}
inline bool TimedPassesDisturbable() {
  return current_machine->TimedPassesDisturbable();
}
inline unsigned HostBridgeBytesReadable(unsigned device) {
  return current_machine->HostBridgeBytesReadable(device);
}
inline uint64_t ProcessorTimeAway() {
  return current_machine->ProcessorTimeAway();
}
inline bool TakeWriteRefusal() {
  return current_machine->TakeWriteRefusal();
}
