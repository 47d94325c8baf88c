#include "cpu/cpu_info.h"

CpuInfo cpu_info;
