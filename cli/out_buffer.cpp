// A large output buffer in front of a stdio stream.
#include "cli/out_buffer.h"

#include <cstdlib>
#include <cstring>

int OutOpen(OutBuffer* out, FILE* file, size_t size)
{
    out->file = file;
    out->data = (char*)std::malloc(size);
    out->size = out->data ? size : 0;
    out->used = 0;
    out->failed = 0;
    return out->data ? 0 : 1;
}

static void OutDrain(OutBuffer* out)
{
    if (out->used && !out->failed && std::fwrite(out->data, 1, out->used, out->file) != out->used)
        out->failed = 1;
    out->used = 0;
}

char* OutReserve(OutBuffer* out, size_t n)
{
    if (out->size - out->used < n)
        OutDrain(out);
    return out->data + out->used;
}

void OutCommit(OutBuffer* out, size_t n)
{
    out->used += n;
}

void OutWrite(OutBuffer* out, const void* bytes, size_t n)
{
    if (out->size - out->used < n) {
        OutDrain(out);
        if (n > out->size) {
            if (!out->failed && std::fwrite(bytes, 1, n, out->file) != n)
                out->failed = 1;
            return;
        }
    }
    std::memcpy(out->data + out->used, bytes, n);
    out->used += n;
}

int OutFlush(OutBuffer* out)
{
    OutDrain(out);
    if (std::fflush(out->file) != 0)
        out->failed = 1;
    return out->failed;
}

void OutClose(OutBuffer* out)
{
    std::free(out->data);
    out->data = nullptr;
    out->size = out->used = 0;
}
