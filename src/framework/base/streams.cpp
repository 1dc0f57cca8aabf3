#include "framework/base/streams.h"

#include "framework/base/exceptions.h"
#include "framework/base/platform_files.h"
#include "framework/base/strings.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <limits>

namespace vt {

void TStream::ReadBuffer(void* buffer, int64_t count)
{
    if (count < 0 || (count > 0 && Read(buffer, count) != count))
        throw EReadError(L"Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int64_t count)
{
    if (count < 0 || (count > 0 && Write(buffer, count) != count))
        throw EWriteError(L"Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count)
{
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    constexpr int64_t kChunk = 64 * 1024;
    std::vector<uint8_t> buf(static_cast<size_t>(std::min(count, kChunk)));
    int64_t left = count;
    while (left > 0) {
        int64_t n = std::min(left, kChunk);
        source.ReadBuffer(buf.data(), n);
        WriteBuffer(buf.data(), n);
        left -= n;
    }
    return count;
}

int64_t TMemoryStream::Read(void* buffer, int64_t count)
{
    if (count <= 0 || pos_ >= Size())
        return 0;
    int64_t n = std::min(count, Size() - pos_);
    std::memcpy(buffer, data_.data() + pos_, static_cast<size_t>(n));
    pos_ += n;
    return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count)
{
    if (count <= 0)
        return 0;
    int64_t end = pos_ + count;
    if (end > Size())
        data_.resize(static_cast<size_t>(end));
    std::memcpy(data_.data() + pos_, buffer, static_cast<size_t>(count));
    pos_ = end;
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin)
{
    int64_t base = origin == TSeekOrigin::soBeginning ? 0 : origin == TSeekOrigin::soCurrent ? pos_ : Size();
    int64_t p = base + offset;
    pos_ = p < 0 ? 0 : p;
    return pos_;
}

void TMemoryStream::SetSize(int64_t size)
{
    data_.resize(static_cast<size_t>(std::max<int64_t>(size, 0)));
    if (pos_ > Size())
        pos_ = Size();
}

void TMemoryStream::Clear()
{
    data_.clear();
    pos_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& source)
{
    source.SetPosition(0);
    int64_t n = source.Size();
    data_.resize(static_cast<size_t>(n));
    if (n > 0)
        source.ReadBuffer(data_.data(), n);
    pos_ = 0;
}

void TMemoryStream::SaveToStream(TStream& dest) const
{
    if (!data_.empty())
        dest.WriteBuffer(data_.data(), Size());
}

void TMemoryStream::LoadFromFile(const std::wstring& fileName)
{
    data_ = ReadFileBytes(fileName);
    pos_ = 0;
}

void TMemoryStream::SaveToFile(const std::wstring& fileName) const
{
    WriteFileBytes(fileName, data_.data(), data_.size());
}

std::vector<uint8_t> TMemoryStream::TakeBytes()
{
    pos_ = 0;
    return std::move(data_);
}

TFileStream::TFileStream(const std::wstring& fileName, TFileMode mode) : fileName_(fileName)
{
    const char* m = mode == TFileMode::fmOpenRead ? "rb" : mode == TFileMode::fmCreate ? "w+b" : "r+b";
    file_ = OpenFileW(fileName, m);
    if (!file_) {
        std::wstring reason = Utf8ToWide(std::strerror(errno));
        if (mode == TFileMode::fmCreate)
            throw EFCreateError(L"Cannot create file \"" + fileName + L"\". " + reason);
        throw EFOpenError(L"Cannot open file \"" + fileName + L"\". " + reason);
    }
}

TFileStream::~TFileStream()
{
    if (file_)
        std::fclose(file_);
}

int64_t TFileStream::Read(void* buffer, int64_t count)
{
    return count <= 0 ? 0 : static_cast<int64_t>(std::fread(buffer, 1, static_cast<size_t>(count), file_));
}

int64_t TFileStream::Write(const void* buffer, int64_t count)
{
    return count <= 0 ? 0 : static_cast<int64_t>(std::fwrite(buffer, 1, static_cast<size_t>(count), file_));
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin)
{
    int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET : origin == TSeekOrigin::soCurrent ? SEEK_CUR : SEEK_END;
    return SeekFile(file_, offset, whence);
}

int64_t TFileStream::Size() const
{
    std::error_code ec;
    std::fflush(file_);
    auto n = std::filesystem::file_size(FileSystemPath(fileName_), ec);
    return ec ? 0 : static_cast<int64_t>(n);
}

void TFileStream::SetSize(int64_t size)
{
    std::fflush(file_);
    std::error_code ec;
    std::filesystem::resize_file(FileSystemPath(fileName_), static_cast<uintmax_t>(size), ec);
    if (ec)
        throw EWriteError(L"Cannot set the size of \"" + fileName_ + L"\"");
}

bool FileExists(const std::wstring& fileName)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(FileSystemPath(fileName), ec);
}

bool DirectoryExists(const std::wstring& path)
{
    std::error_code ec;
    return std::filesystem::is_directory(FileSystemPath(path), ec);
}

std::vector<uint8_t> ReadFileBytes(const std::wstring& fileName)
{
    TFileStream f(fileName, TFileMode::fmOpenRead);
    int64_t n = f.Size();
    std::vector<uint8_t> bytes(static_cast<size_t>(n));
    if (n > 0)
        f.ReadBuffer(bytes.data(), n);
    return bytes;
}

void WriteFileBytes(const std::wstring& fileName, const void* data, size_t size)
{
    TFileStream f(fileName, TFileMode::fmCreate);
    f.WriteBuffer(data, static_cast<int64_t>(size));
}

} // namespace vt
