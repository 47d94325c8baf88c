#include "pci/tables/tables.h"

const RegisterField fields_sis5596[] = {
    {0, 0, 0, nullptr, nullptr},
};
