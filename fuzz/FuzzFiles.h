#pragma once
// For targets whose readers take a file name: a folder of their own, made
// once per run and removed after it (in memory where /dev/shm allows, as
// every input goes to disk), and the input written there as a whole file.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

// Call once per process; the folder goes when the run ends normally.
inline std::string MakeFuzzFolder(const std::string& prefix)
{
    static std::string made;
    made = (access("/dev/shm", W_OK) == 0 ? "/dev/shm/" : "/tmp/") + prefix + "-XXXXXX";
    if (!mkdtemp(made.data()))
        std::abort();
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(made, ignored);
    });
    return made;
}

inline void WriteFuzzFile(const std::string& path, const void* data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), std::streamsize(size));
    if (!out)
        std::abort();
}
