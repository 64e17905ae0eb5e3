// A large output buffer in front of a stdio stream, so batch output costs few writes.
#pragma once
#include <cstddef>
#include <cstdio>

struct OutBuffer {
    FILE* file;
    char* data;
    size_t size;
    size_t used;
    int failed;  // a write failed; later output is dropped
};

// Returns 0, or 1 when the buffer could not be allocated.
int OutOpen(OutBuffer* out, FILE* file, size_t size);
// Room for at least n bytes (n no more than half the size), flushing first if needed.
char* OutReserve(OutBuffer* out, size_t n);
void OutCommit(OutBuffer* out, size_t n);
// Appends n bytes of any length, passing what does not fit straight to the stream.
void OutWrite(OutBuffer* out, const void* bytes, size_t n);
// Writes everything held and flushes the stream; returns 0, or 1 after any failed write.
int OutFlush(OutBuffer* out);
void OutClose(OutBuffer* out);
