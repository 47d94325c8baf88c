#include "pci/tables/tables.h"

const RegisterField fields_sis5591[] = {
    {0, 0, 0, nullptr, nullptr},
};
