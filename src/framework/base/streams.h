// Byte streams: the abstract TStream, an in-memory stream and a file stream with wide paths.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace vt {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
public:
    virtual ~TStream() = default;
    // Read/Write move up to count bytes and return how many moved.
    virtual int64_t Read(void* buffer, int64_t count) = 0;
    virtual int64_t Write(const void* buffer, int64_t count) = 0;
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
    virtual int64_t Size() const = 0;
    virtual void SetSize(int64_t size) = 0;

    int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(int64_t pos) { Seek(pos, TSeekOrigin::soBeginning); }
    // All or nothing: raise EReadError ("Stream read error") / EWriteError on a short transfer.
    void ReadBuffer(void* buffer, int64_t count);
    void WriteBuffer(const void* buffer, int64_t count);
    // Copies count bytes from source (count 0: all of source from its start); returns the count.
    int64_t CopyFrom(TStream& source, int64_t count);

    template <typename T> T ReadValue()
    {
        T v{};
        ReadBuffer(&v, sizeof v);
        return v;
    }
    template <typename T> void WriteValue(const T& v) { WriteBuffer(&v, sizeof v); }
};

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<uint8_t> bytes) : data_(std::move(bytes)) {}

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() const override { return static_cast<int64_t>(data_.size()); }
    void SetSize(int64_t size) override;

    void Clear();
    void LoadFromStream(TStream& source);
    void SaveToStream(TStream& dest) const;
    void LoadFromFile(const std::wstring& fileName);
    void SaveToFile(const std::wstring& fileName) const;

    const uint8_t* Memory() const { return data_.data(); }
    uint8_t* Memory() { return data_.data(); }
    const std::vector<uint8_t>& Bytes() const { return data_; }
    std::vector<uint8_t> TakeBytes();

private:
    std::vector<uint8_t> data_;
    int64_t pos_ = 0;
};

enum class TFileMode { fmOpenRead, fmCreate, fmOpenReadWrite };

class TFileStream : public TStream {
public:
    // Raises EFOpenError ("Cannot open file "<name>". <reason>") or EFCreateError.
    TFileStream(const std::wstring& fileName, TFileMode mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() const override;
    void SetSize(int64_t size) override;
    const std::wstring& FileName() const { return fileName_; }

private:
    std::wstring fileName_;
    std::FILE* file_ = nullptr;
};

// File-system helpers over wide paths.
std::FILE* OpenFileW(const std::wstring& fileName, const char* mode);
bool FileExists(const std::wstring& fileName);
bool DirectoryExists(const std::wstring& path);
std::vector<uint8_t> ReadFileBytes(const std::wstring& fileName);  // raises EFOpenError
void WriteFileBytes(const std::wstring& fileName, const void* data, size_t size);

} // namespace vt
