// velortin-calc: the scan calculation of Velortin from the command line.
#include <cstdio>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/cli.h"

int main(int argc, char** argv)
{
#ifdef _WIN32
    // Raw bytes, so every build reads and writes the same: the C runtime otherwise turns
    // "\n" into "\r\n" on output and, on input, drops "\r" and ends at a Ctrl+Z byte.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    return RunCalc(argc, argv, stdin, stdout, stderr);
}
