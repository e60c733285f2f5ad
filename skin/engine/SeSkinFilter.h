#pragma once
// Skin filters: the file formats of a skin. The filter layer wraps the
// content in nothing ("uskn") or in a "QFLZ" tag and a zlib stream; the
// content is plain (raw pixels, text-form objects) or compact (BMP files,
// binary-form objects, "mskn").

#include "ui/component/Component.h"

#include <cstdint>
#include <string>

class TSeByteReader;
class TSeSkinSource;
class TStream;

// A skin whose content is larger than this is refused rather than read.
constexpr std::int64_t MaxSkinContentBytes = std::int64_t(512) << 20;

class TSeSkinFilter : public TPersistent {
public:
    TSeSkinSource* Source = nullptr;
    // The most pixel memory one load may take over all its bitmaps; a skin
    // that asks for more raises before the bitmap is decoded.
    std::int64_t MaxPixelBytes = MaxSkinContentBytes;

    // The content layer into and out of Source. Reading clears Source first.
    virtual void ReadSkin(TStream& stream);
    virtual void WriteSkin(TStream& stream);
    // The content layer from bytes in memory; ReadSkin hands it the
    // stream's bytes, a compressed filter the inflated ones.
    virtual void ReadContent(TSeByteReader& in);
    // The whole file: filter layer and content.
    virtual void StreamIn(TStream&) {}
    virtual void StreamOut(TStream&) {}
};

class TSeSkinFilterUncompressed : public TSeSkinFilter {
public:
    void StreamIn(TStream& stream) override;
    void StreamOut(TStream& stream) override;
};

class TSeSkinFilterCompressed : public TSeSkinFilter {
public:
    void StreamIn(TStream& stream) override;
    void StreamOut(TStream& stream) override;

protected:
    virtual int Level() const { return 1; }
};

class TSeSkinFilterUltraCompressed : public TSeSkinFilterCompressed {
protected:
    int Level() const override { return 9; }
};

class TSeSkinFilterMaxCompression : public TSeSkinFilterUltraCompressed {
public:
    void ReadContent(TSeByteReader& in) override;
    void WriteSkin(TStream& stream) override;
};

// ---- The filter class table ---------------------------------------------------------------

using TSeSkinFilterFactory = TSeSkinFilter* (*)();

struct TSeSkinFilterClass {
    std::string name;
    std::string fileExtension; // without the dot
    std::string description;
    TSeSkinFilterFactory create;
};

// Holds the four formats, in the order "uskn", "kskn", "xskn", "mskn".
void AddSkinFilter(const TSeSkinFilterClass& filter);
// By the file name's extension, letter case ignored; first match wins;
// null when no filter claims it.
const TSeSkinFilterClass* FindSkinFilter(const std::string& fileName);
int SkinFilterCount();
const TSeSkinFilterClass& SkinFilterAt(int index);
// The default format ("kskn").
const TSeSkinFilterClass& DefaultSkinFilter();

// The tag that precedes a zlib stream; never validated on reading.
constexpr char SkinZlibTag[4] = {'Q', 'F', 'L', 'Z'};
