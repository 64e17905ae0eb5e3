// Measuring a choice list's item in the main font.
#include "ui/choice/choice.h"
#include "ui/main/app.h"

int ChoiceItemWidth(char* item)
{
    // Measured in place behind a temporary terminator; the list is as before on return.
    int length = ChoiceItemLength(item);
    char saved = item[length];
    item[length] = 0;
    int width = TextWidth(item);
    item[length] = saved;
    return width;
}
