#include "pci/tables/tables.h"

const RegisterField fields_m1531[] = {
    {0, 0, 0, nullptr, nullptr},
};
