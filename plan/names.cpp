// Finding names in the shared tables, and the resolution row's label.
#include "plan/names.h"

#include <cstring>

#include "resources/strings.h"

const char* UnitName(int unit)
{
    return UNIT_NAMES[unit < 0 ? 0 : unit >= UNIT_COUNT ? UNIT_COUNT - 1 : unit];
}

int FindName(const char* const* names, int count, const char* name)
{
    for (int i = 0; i < count; i++)
        if (std::strcmp(names[i], name) == 0)
            return i;
    return -1;
}

int FindNamedSize(const NamedSize* table, int count, const char* name)
{
    for (int i = 0; i < count; i++)
        if (std::strcmp(table[i].name, name) == 0)
            return i;
    return -1;
}

void NamedSizeMm(const NamedSize* size, double mm[2])
{
    mm[0] = size->width * UNIT_TO_MM[size->unit];
    mm[1] = size->height * UNIT_TO_MM[size->unit];
}

int ResolutionLabelId(int printerType)
{
    return printerType >= PRINTER_PRESS ? IDS_LABEL_LINE_SCREEN : IDS_LABEL_PRINTER_RES;
}

const char* ResolutionLabel(int printerType)
{
    return ResolutionLabelId(printerType) == IDS_LABEL_LINE_SCREEN ? LABEL_LINE_SCREEN
                                                                   : LABEL_PRINTER_RES;
}
