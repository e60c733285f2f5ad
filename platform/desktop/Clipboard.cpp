// Clipboard text over the backend's clipboard, bitmaps (CF_BITMAP, CF_DIB)
// kept in the process, and the global-memory blocks the classic clipboard
// calls trade in.

#include "platform/ByteOrder.h"
#include "platform/window/Backend.h"
#include "platform/Gdi.h"
#include "platform/text/Utf16.h"
#include "platform/text/Utf8.h"
#include "platform/window/WindowTable.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

namespace {

struct MemoryBlock {
    std::vector<unsigned char> bytes;
    int locks = 0;
};

struct GlobalMemory {
    std::map<std::uintptr_t, MemoryBlock> blocks;
    std::uintptr_t next = 0x10000;
};

GlobalMemory& memory()
{
    static GlobalMemory m;
    return m;
}

MemoryBlock* findBlock(HGLOBAL handle)
{
    auto it = memory().blocks.find(reinterpret_cast<std::uintptr_t>(handle));
    return it == memory().blocks.end() ? nullptr : &it->second;
}

struct ClipboardState {
    bool open = false;
    HWND opener = nullptr;
    HWND owner = nullptr;
    std::map<UINT, HGLOBAL> blocks; // text, handed in or out; freed when the contents change
    // The picture in either form, given or made from the other; both are
    // the clipboard's and are freed when the contents change.
    HBITMAP bitmap = nullptr;
    HGLOBAL dib = nullptr;
};

ClipboardState& clipboard()
{
    static ClipboardState c;
    return c;
}

void freeBlocks()
{
    for (auto& [format, block] : clipboard().blocks)
        GlobalFree(block);
    clipboard().blocks.clear();
}

// Keeps `bitmap` and `dib` when they are what is being set again.
void freePicture(HBITMAP keepBitmap = nullptr, HGLOBAL keepDib = nullptr)
{
    ClipboardState& c = clipboard();
    if (c.bitmap && c.bitmap != keepBitmap)
        DeleteObject(c.bitmap);
    if (c.dib && c.dib != keepDib)
        GlobalFree(c.dib);
    c.bitmap = nullptr;
    c.dib = nullptr;
}

// Larger sides are refused rather than allocated.
constexpr LONG MaxPictureSide = 32767;

bool validPictureSize(LONG width, LONG height)
{
    return width > 0 && width <= MaxPictureSide && height != 0 && height >= -MaxPictureSide &&
           height <= MaxPictureSide;
}

// The header of a packed DIB block (header, colour table, rows) whose pixels
// this platform can read: 32 bits, uncompressed, a sane size and enough
// bytes for every row. `bitsOffset` is where the rows start.
bool readDibHeader(HGLOBAL block, BITMAPINFOHEADER& header, std::size_t& bitsOffset)
{
    MemoryBlock* b = findBlock(block);
    if (!b || b->bytes.size() < sizeof header)
        return false;
    std::memcpy(&header, b->bytes.data(), sizeof header);
    if (header.biSize < sizeof header || !validPictureSize(header.biWidth, header.biHeight) ||
        header.biPlanes != 1 || header.biBitCount != 32 || header.biCompression != BI_RGB)
        return false;
    const std::uint64_t offset = std::uint64_t(header.biSize) + std::uint64_t(header.biClrUsed) * 4;
    const std::uint64_t rows = std::uint64_t(std::abs(header.biHeight));
    const std::uint64_t bytes = std::uint64_t(header.biWidth) * 4 * rows;
    if (offset + bytes > b->bytes.size())
        return false;
    bitsOffset = std::size_t(offset);
    return true;
}

bool bitmapSize(HBITMAP bitmap, BITMAP& info)
{
    return GetObjectType(bitmap) == OBJ_BITMAP && GetObject(bitmap, sizeof info, &info) != 0 &&
           validPictureSize(info.bmWidth, info.bmHeight) && info.bmHeight > 0;
}

// A bitmap with the block's picture; null when the block cannot be read.
HBITMAP bitmapOfDib(HGLOBAL block)
{
    BITMAPINFOHEADER header;
    std::size_t bitsOffset = 0;
    if (!readDibHeader(block, header, bitsOffset))
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader = header;
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biClrUsed = 0;
    BITMAPINFO topDown = info;
    topDown.bmiHeader.biHeight = -std::abs(header.biHeight);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &topDown, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return nullptr;
    const UINT rows = UINT(std::abs(header.biHeight));
    const void* source = findBlock(block)->bytes.data() + bitsOffset;
    if (SetDIBits(nullptr, bitmap, 0, rows, source, &info, DIB_RGB_COLORS) != int(rows)) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}

// A packed DIB block, rows bottom to top as the classic clipboard hands
// them out; null when the bitmap cannot be read.
HGLOBAL dibOfBitmap(HBITMAP bitmap)
{
    BITMAP size;
    if (!bitmapSize(bitmap, size))
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biWidth = size.bmWidth;
    info.bmiHeader.biHeight = size.bmHeight;
    info.bmiHeader.biSizeImage = DWORD(std::size_t(size.bmWidth) * 4 * std::size_t(size.bmHeight));
    const std::size_t total = sizeof(BITMAPINFOHEADER) + info.bmiHeader.biSizeImage;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, total);
    MemoryBlock* b = findBlock(block);
    if (!b)
        return nullptr;
    std::memcpy(b->bytes.data(), &info.bmiHeader, sizeof(BITMAPINFOHEADER));
    const UINT rows = UINT(size.bmHeight);
    if (GetDIBits(nullptr, bitmap, 0, rows, b->bytes.data() + sizeof(BITMAPINFOHEADER), &info, DIB_RGB_COLORS) !=
        int(rows)) {
        GlobalFree(block);
        return nullptr;
    }
    return block;
}

bool isPictureFormat(UINT format)
{
    return format == CF_BITMAP || format == CF_DIB;
}

HANDLE setPicture(UINT format, HANDLE data)
{
    ClipboardState& c = clipboard();
    if (format == CF_BITMAP) {
        BITMAP size;
        if (!bitmapSize(static_cast<HBITMAP>(data), size))
            return nullptr;
        freePicture(static_cast<HBITMAP>(data));
        c.bitmap = static_cast<HBITMAP>(data);
    } else {
        BITMAPINFOHEADER header;
        std::size_t bitsOffset = 0;
        if (!readDibHeader(data, header, bitsOffset))
            return nullptr;
        freePicture(nullptr, data);
        c.dib = data;
    }
    return data;
}

// The picture in the asked-for form, made from the other one the first
// time it is asked for.
HANDLE getPicture(UINT format)
{
    ClipboardState& c = clipboard();
    if (format == CF_BITMAP) {
        if (!c.bitmap && c.dib)
            c.bitmap = bitmapOfDib(c.dib);
        return c.bitmap;
    }
    if (!c.dib && c.bitmap)
        c.dib = dibOfBitmap(c.bitmap);
    return c.dib;
}

std::string textOfBlock(UINT format, MemoryBlock& block)
{
    if (format == CF_TEXT) {
        const auto* begin = reinterpret_cast<const char*>(block.bytes.data());
        return std::string(begin, strnlen(begin, block.bytes.size()));
    }
    std::u16string units;
    for (std::size_t i = 0; i + 1 < block.bytes.size(); i += 2) {
        const char16_t unit = brio::readLittleEndian16(&block.bytes[i]);
        if (!unit)
            break;
        units.push_back(unit);
    }
    return brio::Utf16ToUtf8(units);
}

HGLOBAL blockOfText(UINT format, const std::string& utf8)
{
    std::vector<unsigned char> bytes;
    if (format == CF_TEXT) {
        bytes.assign(utf8.begin(), utf8.end());
        bytes.push_back(0);
    } else {
        const std::u16string units = brio::Utf8ToUtf16(utf8);
        bytes.resize(2 * (units.size() + 1)); // and a zero unit
        for (std::size_t i = 0; i < units.size(); ++i)
            brio::writeLittleEndian16(&bytes[2 * i], units[i]);
    }
    HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (MemoryBlock* b = findBlock(handle))
        b->bytes = std::move(bytes);
    return handle;
}

bool isTextFormat(UINT format)
{
    return format == CF_TEXT || format == CF_UNICODETEXT;
}

} // namespace

HGLOBAL GlobalAlloc(UINT, std::size_t bytes)
{
    GlobalMemory& m = memory();
    std::uintptr_t value = m.next;
    m.next += 0x10;
    m.blocks[value].bytes.assign(bytes, 0);
    return reinterpret_cast<HGLOBAL>(value);
}

void* GlobalLock(HGLOBAL handle)
{
    MemoryBlock* b = findBlock(handle);
    if (!b)
        return nullptr;
    ++b->locks;
    // A zero-size block still has an address to hand out.
    if (b->bytes.empty())
        b->bytes.reserve(1);
    return b->bytes.data();
}

BOOL GlobalUnlock(HGLOBAL handle)
{
    MemoryBlock* b = findBlock(handle);
    if (!b || b->locks == 0)
        return FALSE;
    return --b->locks > 0 ? TRUE : FALSE;
}

HGLOBAL GlobalFree(HGLOBAL handle)
{
    if (!handle)
        return nullptr;
    return memory().blocks.erase(reinterpret_cast<std::uintptr_t>(handle)) ? nullptr : handle;
}

std::size_t GlobalSize(HGLOBAL handle)
{
    MemoryBlock* b = findBlock(handle);
    return b ? b->bytes.size() : 0;
}

BOOL OpenClipboard(HWND owner)
{
    ClipboardState& c = clipboard();
    if (c.open || (owner && !LookupWindow(owner)))
        return FALSE;
    c.open = true;
    c.opener = owner;
    return TRUE;
}

BOOL CloseClipboard()
{
    ClipboardState& c = clipboard();
    if (!c.open)
        return FALSE;
    c.open = false;
    c.opener = nullptr;
    return TRUE;
}

BOOL EmptyClipboard()
{
    ClipboardState& c = clipboard();
    if (!c.open)
        return FALSE;
    freeBlocks();
    freePicture();
    CurrentBackend().setClipboardText("");
    c.owner = c.opener;
    return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE data)
{
    ClipboardState& c = clipboard();
    if (c.open && isPictureFormat(format))
        return setPicture(format, data);
    MemoryBlock* block = findBlock(data);
    if (!c.open || !isTextFormat(format) || !block)
        return nullptr;
    CurrentBackend().setClipboardText(textOfBlock(format, *block));
    // The block is ours now; a block made for the other format is stale.
    freeBlocks();
    c.blocks[format] = data;
    return data;
}

HANDLE GetClipboardData(UINT format)
{
    ClipboardState& c = clipboard();
    if (c.open && isPictureFormat(format))
        return getPicture(format);
    if (!c.open || !isTextFormat(format))
        return nullptr;
    std::string text = CurrentBackend().clipboardText();
    if (text.empty())
        return nullptr;
    auto it = c.blocks.find(format);
    if (it != c.blocks.end()) {
        if (MemoryBlock* b = findBlock(it->second); b && textOfBlock(format, *b) == text)
            return it->second;
        GlobalFree(it->second);
        c.blocks.erase(it);
    }
    HGLOBAL block = blockOfText(format, text);
    c.blocks[format] = block;
    return block;
}

BOOL IsClipboardFormatAvailable(UINT format)
{
    if (isPictureFormat(format))
        return clipboard().bitmap || clipboard().dib ? TRUE : FALSE;
    return isTextFormat(format) && !CurrentBackend().clipboardText().empty() ? TRUE : FALSE;
}

HWND GetClipboardOwner()
{
    HWND owner = clipboard().owner;
    return LookupWindow(owner) ? owner : nullptr;
}
