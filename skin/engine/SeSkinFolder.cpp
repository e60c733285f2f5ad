#include "skin/engine/SeSkinFolder.h"

#include "platform/gdi/raster/PixelBuffer.h"
#include "platform/images/PngIo.h"
#include "platform/text/AsciiText.h"
#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SeComponentStream.h"
#include "skin/engine/SeObjectText.h"
#include "skin/engine/SePixels.h"
#include "skin/engine/SeSkinFilter.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinSource.h"
#include "skin/engine/SeStreamIo.h"
#include "ui/component/Exception.h"
#include "ui/component/Stream.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr Pixel Magenta = 0xFFFF00FF;
// The key written out as magenta so authors see it; pack keys it out again.
constexpr Pixel KeyAsMagenta = 0x00FF00FF;

[[noreturn]] void fail(const fs::path& file, const std::string& problem)
{
    throw EReadError(file.string() + ": " + problem);
}

std::string readFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        fail(file, "cannot open the file");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const fs::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out.flush())
        throw EWriteError(file.string() + ": cannot write the file");
}

struct Part {
    int index;
    std::string name;
    fs::path path;
};

// "NNN-Name.ext" files of `folder`, by index; anything else is an error so
// that a misnamed part is never silently left out.
std::vector<Part> listParts(const fs::path& folder, const std::vector<std::string>& extensions)
{
    std::vector<Part> parts;
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return parts;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string file = entry.path().filename().string();
        const std::string extension = entry.path().extension().string();
        if (std::find(extensions.begin(), extensions.end(), extension) == extensions.end())
            fail(entry.path(), "not a skin part (expected NNN-Name" + extensions.front() + ")");
        const std::size_t dash = file.find('-');
        if (dash == 0 || dash == std::string::npos ||
            !std::all_of(file.begin(), file.begin() + std::ptrdiff_t(dash), [](char c) { return c >= '0' && c <= '9'; }) ||
            dash > 6)
            fail(entry.path(), "the name must start with an index and a dash (NNN-Name)");
        const std::string stem = file.substr(0, file.size() - extension.size());
        parts.push_back({std::stoi(file.substr(0, dash)), stem.substr(dash + 1), entry.path()});
    }
    std::sort(parts.begin(), parts.end(), [](const Part& a, const Part& b) { return a.index < b.index; });
    for (std::size_t i = 1; i < parts.size(); ++i)
        if (parts[i].index == parts[i - 1].index)
            fail(parts[i].path, "the index " + std::to_string(parts[i].index) + " is also used by " +
                                    parts[i - 1].path.filename().string());
    return parts;
}

void readHeader(TSeSkinSource& source, const fs::path& file)
{
    std::error_code error;
    if (!fs::exists(file, error))
        return;
    std::istringstream lines(readFile(file));
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            fail(file, "line " + std::to_string(number) + " is not Key=Value");
        const std::string key = line.substr(0, equals), value = line.substr(equals + 1);
        if (key == "SkinName")
            source.SetSkinName(value);
        else if (key == "SkinVersion")
            source.SetSkinVersion(value);
        else if (key == "Author")
            source.SetAuthor(value);
        else if (key == "AuthorEMail")
            source.SetAuthorEMail(value);
        else if (key == "AuthorURL")
            source.SetAuthorURL(value);
        else
            fail(file, "line " + std::to_string(number) + ": unknown key \"" + key + "\"");
    }
}

std::unique_ptr<TSeBitmap> readBitmap(const Part& part)
{
    auto bitmap = std::make_unique<TSeBitmap>();
    bitmap->SetName(part.name);
    if (part.path.extension() == ".empty")
        return bitmap;
    PixelBufferPtr png;
    try {
        png = ReadPng(part.path.string());
    } catch (const std::exception& error) {
        fail(part.path, error.what());
    }
    bitmap->Allocate(png->width(), png->height());
    brio::copyPixelRect(bitmap->ScanLine(0), png->width(), png->row(0), png->stride(), png->width(), png->height());
    bitmap->KeyOutColor(Magenta);
    bitmap->RefreshCopy();
    return bitmap;
}

std::unique_ptr<TSeSkinObject> readObject(const Part& part)
{
    const std::string text = readFile(part.path);
    try {
        const TSeStreamedObject streamed = TextToStreamedObject(text);
        TMemoryStream record;
        WriteStreamString(record, streamed.className);
        WriteStreamString(record, text);
        record.SetPosition(0);
        return std::unique_ptr<TSeSkinObject>(ReadObjectRecord(record, nullptr, true));
    } catch (const Exception& error) {
        fail(part.path, error.what());
    }
}

// Bitmap names become file names; keep them to what every file system takes.
void checkFileName(const std::string& name, const char* what)
{
    if (name.find_first_of(std::string("/\\\0", 3)) != std::string::npos || name == "." || name == "..")
        throw EWriteError(std::string(what) + " \"" + name + "\" cannot be a file name");
}

std::string indexed(int index, const std::string& name, const char* extension)
{
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%03d-", index);
    return prefix + name + extension;
}

void clearParts(const fs::path& folder, const char* extension1, const char* extension2)
{
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string extension = entry.path().extension().string();
        if (extension == extension1 || extension == extension2)
            fs::remove(entry.path());
    }
}

} // namespace

void ReadSkinFolder(TSeSkinSource& source, const std::string& folderName)
{
    const fs::path folder(folderName);
    std::error_code error;
    if (!fs::is_directory(folder, error))
        fail(folder, "not a folder");
    TSeSkinSource fresh(nullptr);
    readHeader(fresh, folder / "skin.txt");
    for (const Part& part : listParts(folder / "bitmaps", {".png", ".empty"}))
        fresh.Bitmaps().Add(readBitmap(part));
    for (const Part& part : listParts(folder / "objects", {".txt"}))
        fresh.AddObject(readObject(part));
    source.SwapContent(fresh);
}

void WriteSkinFolder(const TSeSkinSource& source, const std::string& folderName)
{
    const fs::path folder(folderName);
    for (int i = 0; i < source.Bitmaps().Count(); ++i)
        checkFileName(source.Bitmaps().Items(i)->Name(), "The bitmap name");
    fs::create_directories(folder / "bitmaps");
    fs::create_directories(folder / "objects");
    clearParts(folder / "bitmaps", ".png", ".empty");
    clearParts(folder / "objects", ".txt", ".txt");

    writeFile(folder / "skin.txt", "SkinName=" + source.SkinName() + "\nSkinVersion=" + source.SkinVersion() +
                                       "\nAuthor=" + source.Author() + "\nAuthorEMail=" + source.AuthorEMail() +
                                       "\nAuthorURL=" + source.AuthorURL() + "\n");
    for (int i = 0; i < source.Bitmaps().Count(); ++i) {
        const TSeBitmap& bitmap = *source.Bitmaps().Items(i);
        if (bitmap.IsEmpty()) {
            writeFile(folder / "bitmaps" / indexed(i, bitmap.Name(), ".empty"), "");
            continue;
        }
        PixelBuffer png(bitmap.Width(), bitmap.Height());
        for (int y = 0; y < bitmap.Height(); ++y) {
            const Pixel* from = bitmap.ScanLine(y);
            Pixel* to = png.row(y);
            for (int x = 0; x < bitmap.Width(); ++x)
                to[x] = from[x] == SeKeyValue ? KeyAsMagenta : from[x];
        }
        WritePng(png, (folder / "bitmaps" / indexed(i, bitmap.Name(), ".png")).string());
    }
    for (int i = 0; i < source.Count(); ++i) {
        const TSeSkinObject& object = source.StoredObject(i);
        std::string name = object.Name();
        if (name.find_first_of("/\\") != std::string::npos)
            name.clear();
        writeFile(folder / "objects" / indexed(i, name, ".txt"), ObjectBinaryToText(SkinObjectToBinary(object)));
    }
}

bool IsSkinStreamFile(const std::string& fileName)
{
    const std::string extension = fs::path(fileName).extension().string();
    return brio::asciiEqualNoCase(extension, SkinStreamExtension);
}

void LoadSkinAnyFormat(TSeSkinSource& source, const std::string& fileName)
{
    const TSeSkinFilterClass* filterClass = FindSkinFilter(fileName);
    const bool stored = IsSkinStreamFile(fileName);
    if (!filterClass && !stored)
        throw EReadError(fileName + ": unknown skin format (use .uskn, .kskn, .xskn, .mskn or " +
                         SkinStreamExtension + ")");
    TFileStream file(fileName, fmOpenRead);
    try {
        if (stored) {
            std::uint8_t flag = 0;
            if (file.Read(&flag, 1) != 1)
                throw EReadError("the file is empty");
            if (flag == 0) {
                TSeSkinSource empty(nullptr);
                source.SwapContent(empty);
            } else {
                source.StreamIn(file);
            }
            return;
        }
        TSeSkinSource fresh(nullptr);
        std::unique_ptr<TSeSkinFilter> filter(filterClass->create());
        filter->Source = &fresh;
        filter->StreamIn(file);
        source.SwapContent(fresh);
    } catch (const Exception& error) {
        throw EReadError(fileName + ": " + error.what());
    }
}

void SaveSkinAnyFormat(TSeSkinSource& source, const std::string& fileName)
{
    const TSeSkinFilterClass* filterClass = FindSkinFilter(fileName);
    if (filterClass) {
        source.SaveSkinFile(fileName);
        return;
    }
    if (!IsSkinStreamFile(fileName))
        throw EWriteError(fileName + ": unknown skin format (use .uskn, .kskn, .xskn, .mskn or " +
                          SkinStreamExtension + ")");
    TMemoryStream bytes;
    const std::uint8_t flag = source.Count() > 0 ? 2 : 0;
    bytes.WriteBuffer(&flag, 1);
    if (flag)
        source.StreamOut(bytes);
    bytes.SaveToFile(fileName);
}
