#include "pci/tables/tables.h"

const RegisterField fields_82439vx[] = {
    {0, 0, 0, nullptr, nullptr},
};
