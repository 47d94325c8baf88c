#include "pci/tables/tables.h"

const RegisterField fields_82439tx[] = {
    {0, 0, 0, nullptr, nullptr},
};
