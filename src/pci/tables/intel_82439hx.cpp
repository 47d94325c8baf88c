#include "pci/tables/tables.h"

const RegisterField fields_82439hx[] = {
    {0, 0, 0, nullptr, nullptr},
};
