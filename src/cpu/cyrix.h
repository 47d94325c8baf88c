// Cyrix 6x86 configuration registers (index port 22h, data port 23h).
#pragma once

#include <cstdint>

uint8_t CyrixRead(uint8_t index);
void CyrixWrite(uint8_t index, uint8_t value);
int CyrixPresent();
int EnableRegisterMapping();
int EnableCyrixCpuid();
int RestoreCyrixCpuid(int saved);
int RestoreRegisterMapping(int saved);
