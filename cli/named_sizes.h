/* The originals and prints known by name, as choice lists of NAME=WxHUNIT (width x height,
   as the sizes are commonly named): velortin-calc reads them, and the page offers them. */
#ifndef VELORTIN_NAMED_SIZES_H
#define VELORTIN_NAMED_SIZES_H

#define NAMED_ORIGINALS "|35mm=36x24mm|half=24x18mm|aps=30.2x16.7mm|645=56x41.5mm|6x6=56x56mm|6x7=56x70mm|6x9=56x84mm|4x5=4x5in|5x7=5x7in|8x10=8x10in|"
#define NAMED_PRINTS "|4x6=4x6in|5x7=5x7in|8x10=8x10in|11x14=11x14in|16x20=16x20in|a5=148x210mm|a4=210x297mm|a3=297x420mm|a2=420x594mm|letter=8.5x11in|"

#endif
