#include "pci/tables/tables.h"

const RegisterField fields_vt82c595[] = {
    {0, 0, 0, nullptr, nullptr},
};
