#pragma once
// For targets whose readers take a file name: a folder of their own, made
// once per run (in memory where /dev/shm allows, as every input goes to
// disk), and the input written there as a whole file.

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include <unistd.h>

inline std::string MakeFuzzFolder(const std::string& prefix)
{
    std::string pattern = (access("/dev/shm", W_OK) == 0 ? "/dev/shm/" : "/tmp/") + prefix + "-XXXXXX";
    if (!mkdtemp(pattern.data()))
        std::abort();
    return pattern;
}

inline void WriteFuzzFile(const std::string& path, const void* data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), std::streamsize(size));
    if (!out)
        std::abort();
}
