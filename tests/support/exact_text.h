// A writable copy of a text in a heap block that ends exactly at its NUL, so that any read
// past the terminator is a heap overflow for AddressSanitizer (and lands outside the copy
// for the offset checks of the Wine runs).
#pragma once
#include <cstring>
#include <memory>
#include <string>

struct ExactText {
    explicit ExactText(const std::string& text)
        : size(text.size() + 1), storage(new char[size]), bytes(storage.get())
    {
        std::memcpy(bytes, text.c_str(), size);
    }
    const char* c_str() const { return bytes; }

    size_t size;  // with the terminator
    std::unique_ptr<char[]> storage;
    char* bytes;
};
