// Reads each file's version resource back through the version API, as the Properties page
// of Windows does, and checks the fixed and the text versions against the expected one.
// Usage: version_info <expected version, e.g. 1.0.0> <file>...
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

static const char* Text(void* data, const char* name)
{
    char key[128];
    std::snprintf(key, sizeof key, "\\StringFileInfo\\040904B0\\%s", name);
    void* value = nullptr;
    UINT length = 0;
    return VerQueryValueA(data, key, &value, &length) && length ? (const char*)value : "(none)";
}

static int Check(const char* path, const char* expected)
{
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &handle);
    std::vector<char> data(size ? size : 1);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!size || !GetFileVersionInfoA(path, 0, size, data.data()) ||
        !VerQueryValueA(data.data(), "\\", (void**)&fixed, &length)) {
        std::printf("FAIL: %s: no version resource (error %lu)\n", path, GetLastError());
        return 1;
    }
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "%u.%u.%u.%u", HIWORD(fixed->dwFileVersionMS),
                  LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                  LOWORD(fixed->dwFileVersionLS));
    char wanted[64];
    std::snprintf(wanted, sizeof wanted, "%s.0", expected);
    const char* file = Text(data.data(), "FileVersion");
    const char* product = Text(data.data(), "ProductVersion");
    std::printf("%s: fixed %s, FileVersion %s, ProductVersion %s, ProductName %s\n", path, numbers,
                file, product, Text(data.data(), "ProductName"));
    int same = std::strcmp(numbers, wanted) == 0 && fixed->dwProductVersionMS == fixed->dwFileVersionMS &&
               fixed->dwProductVersionLS == fixed->dwFileVersionLS &&
               std::strcmp(file, expected) == 0 && std::strcmp(product, expected) == 0;
    if (!same)
        std::printf("FAIL: %s: expected version %s everywhere\n", path, expected);
    return same ? 0 : 1;
}

int main(int argc, char** argv)
{
    int failures = argc < 3;
    for (int i = 2; i < argc; i++)
        failures += Check(argv[i], argv[1]);
    return failures ? 1 : 0;
}
