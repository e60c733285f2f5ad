#pragma once
// Byte streams: the abstract TStream with memory and file streams. Read and
// Write move as many bytes as they can and say how many; ReadBuffer and
// WriteBuffer move all or raise.

#include "ui/component/Component.h"

#include <cstdint>
#include <string>
#include <vector>

enum TSeekOrigin : std::uint8_t { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
public:
    virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
    virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
    // Returns the new position; a position before the start raises.
    virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

    std::int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(std::int64_t position) { Seek(position, soBeginning); }
    virtual std::int64_t Size();
    virtual void SetSize(std::int64_t size) = 0;

    // Raise EReadError "Stream read error" / EWriteError "Stream write error"
    // when fewer than `count` bytes move.
    void ReadBuffer(void* buffer, std::int64_t count);
    void WriteBuffer(const void* buffer, std::int64_t count);
    // Copies `count` bytes from `source`'s position; 0 copies all of
    // `source` from its start. Returns the bytes copied.
    std::int64_t CopyFrom(TStream& source, std::int64_t count);
};

class TMemoryStream : public TStream {
public:
    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() override { return std::int64_t(data_.size()); }
    void SetSize(std::int64_t size) override;

    void Clear();
    unsigned char* Memory() { return data_.data(); }
    const unsigned char* Memory() const { return data_.data(); }
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream);
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName);

private:
    std::vector<unsigned char> data_;
    std::int64_t position_ = 0;
};

// A memory stream over text.
class TStringStream : public TMemoryStream {
public:
    explicit TStringStream(const std::string& text = "")
    {
        if (!text.empty())
            WriteBuffer(text.data(), std::int64_t(text.size()));
        SetPosition(0);
    }
    std::string DataString() { return std::string(reinterpret_cast<const char*>(Memory()), std::size_t(Size())); }
};

// Open modes: fmCreate makes or empties the file; the others open it.
constexpr std::uint16_t fmOpenRead = 0x0000;
constexpr std::uint16_t fmOpenWrite = 0x0001;
constexpr std::uint16_t fmOpenReadWrite = 0x0002;
constexpr std::uint16_t fmCreate = 0xFF00;

class TFileStream : public TStream {
public:
    // Raises EFOpenError "Cannot open file "x". reason" or EFCreateError
    // "Cannot create file "x". reason".
    TFileStream(const std::string& fileName, std::uint16_t mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    void SetSize(std::int64_t size) override;
    const std::string& FileName() const { return fileName_; }

private:
    std::string fileName_;
    int fd_ = -1;
};
