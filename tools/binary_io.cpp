// Standard streams as raw bytes. The Windows C runtime otherwise turns "\n" into "\r\n" on
// output and, on input, drops "\r" and ends the stream at a Ctrl+Z byte.
#include "tools/binary_io.h"

#include <cstdio>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

void SetBinaryStreams()
{
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
}
