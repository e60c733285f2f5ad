// brio-skin: the skin tool for authors and for the build.
//   info FILE              header, bitmaps and object trees
//   convert IN OUT         between .uskn .kskn .xskn .mskn .skinstream
//   pack SRCDIR OUT        a skin source folder into a skin file
//   unpack FILE SRCDIR     a skin file into a skin source folder
//   text2bin IN OUT        one object's text form to its "TPF0" stream
//   bin2text IN OUT        and back
// Errors name the file and the problem and exit with status 1; a wrong
// command line exits with status 2.

#include "SkinInfo.h"

#include "skin/engine/SeObjectText.h"
#include "skin/engine/SeSkinFolder.h"
#include "skin/engine/SeSkinSource.h"
#include "ui/component/Exception.h"
#include "ui/component/Stream.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr const char* Usage = "usage:\n"
                              "  brio-skin info FILE\n"
                              "  brio-skin convert IN OUT\n"
                              "  brio-skin pack SRCDIR OUT\n"
                              "  brio-skin unpack FILE SRCDIR\n"
                              "  brio-skin text2bin IN OUT\n"
                              "  brio-skin bin2text IN OUT\n"
                              "Skin files: .uskn .kskn .xskn .mskn, or .skinstream (the stored property bytes).\n";

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string readAll(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        throw EFOpenError(fileName + ": cannot open the file");
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeAll(const std::string& fileName, const std::string& bytes)
{
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out.flush())
        throw EFCreateError(fileName + ": cannot write the file");
}

// Prefixes the message with the file unless it names it already.
[[noreturn]] void rethrowNaming(const std::string& fileName, const std::exception& error)
{
    const std::string message = error.what();
    if (message.find(fileName) != std::string::npos)
        throw;
    throw Exception(fileName + ": " + message);
}

int info(const std::string& file)
{
    TSeSkinSource source(nullptr);
    LoadSkinAnyFormat(source, file);
    PrintSkinInfo(source, std::cout);
    return 0;
}

int convert(const std::string& in, const std::string& out)
{
    TSeSkinSource source(nullptr);
    LoadSkinAnyFormat(source, in);
    try {
        SaveSkinAnyFormat(source, out);
    } catch (const std::exception& error) {
        rethrowNaming(out, error);
    }
    return 0;
}

int pack(const std::string& folder, const std::string& out)
{
    TSeSkinSource source(nullptr);
    ReadSkinFolder(source, folder);
    try {
        SaveSkinAnyFormat(source, out);
    } catch (const std::exception& error) {
        rethrowNaming(out, error);
    }
    return 0;
}

int unpack(const std::string& file, const std::string& folder)
{
    TSeSkinSource source(nullptr);
    LoadSkinAnyFormat(source, file);
    try {
        WriteSkinFolder(source, folder);
    } catch (const std::exception& error) {
        rethrowNaming(folder, error);
    }
    return 0;
}

int textToBinary(const std::string& in, const std::string& out)
{
    const std::string text = readAll(in);
    TMemoryStream binary;
    try {
        ObjectTextToBinary(text, binary);
    } catch (const std::exception& error) {
        rethrowNaming(in, error);
    }
    writeAll(out, std::string(reinterpret_cast<const char*>(binary.Memory()), std::size_t(binary.Size())));
    return 0;
}

int binaryToText(const std::string& in, const std::string& out)
{
    const std::string bytes = readAll(in);
    std::string text;
    try {
        text = ObjectBinaryToText(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    } catch (const std::exception& error) {
        rethrowNaming(in, error);
    }
    writeAll(out, text);
    return 0;
}

int run(const std::vector<std::string>& args)
{
    if (args.empty())
        throw UsageError("no command");
    const std::string& command = args[0];
    auto need = [&](std::size_t count) {
        if (args.size() != count + 1)
            throw UsageError(command + " takes " + std::to_string(count) + " argument" + (count == 1 ? "" : "s"));
    };
    if (command == "info") {
        need(1);
        return info(args[1]);
    }
    if (command == "-h" || command == "--help" || command == "help") {
        std::cout << Usage;
        return 0;
    }
    if (command != "convert" && command != "pack" && command != "unpack" && command != "text2bin" &&
        command != "bin2text")
        throw UsageError("unknown command \"" + command + "\"");
    need(2);
    if (command == "convert")
        return convert(args[1], args[2]);
    if (command == "pack")
        return pack(args[1], args[2]);
    if (command == "unpack")
        return unpack(args[1], args[2]);
    if (command == "text2bin")
        return textToBinary(args[1], args[2]);
    if (command == "bin2text")
        return binaryToText(args[1], args[2]);
    throw UsageError("unknown command \"" + command + "\"");
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& error) {
        std::cerr << "brio-skin: " << error.what() << '\n' << Usage;
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "brio-skin: " << error.what() << '\n';
        return 1;
    }
}
