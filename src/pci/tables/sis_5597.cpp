#include "pci/tables/tables.h"

const RegisterField fields_sis5597[] = {
    {0, 0, 0, nullptr, nullptr},
};
