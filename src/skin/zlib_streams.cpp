#include "skin/zlib_streams.h"

#include "framework/base/strings.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace vt {

struct TCustomZlibStream::ZState {
    z_stream z{};
};

namespace {

int ZLevel(TCompressionLevel level)
{
    switch (level) {
    case TCompressionLevel::clNone:
        return 0;
    case TCompressionLevel::clFastest:
        return 1;
    case TCompressionLevel::clDefault:
        return Z_DEFAULT_COMPRESSION;
    case TCompressionLevel::clMax:
        return 9;
    }
    return Z_DEFAULT_COMPRESSION;
}

int CCheck(int code)
{
    if (code < 0)
        throw ECompressionError(L"error");
    return code;
}

int DCheck(int code)
{
    // A stream that asks for a preset dictionary cannot be ours and would never make progress.
    if (code < 0 || code == Z_NEED_DICT)
        throw EDecompressionError(L"compression error");
    return code;
}

} // namespace

TCustomZlibStream::TCustomZlibStream(TStream& strm)
    : FStrm(strm), FStrmPos(strm.Position()), FZRec(std::make_unique<ZState>())
{
}

TCustomZlibStream::~TCustomZlibStream() = default;

void TCustomZlibStream::SetSize(int64_t)
{
    throw EZlibError(L"Invalid stream operation");
}

void TCustomZlibStream::Progress()
{
    if (OnProgress)
        OnProgress(*this);
}

TCompressionStream::TCompressionStream(TCompressionLevel level, TStream& dest) : TCustomZlibStream(dest)
{
    z_stream& z = FZRec->z;
    z.next_out = FBuffer;
    z.avail_out = kBufferSize;
    CCheck(deflateInit(&z, ZLevel(level)));
}

TCompressionStream::~TCompressionStream()
{
    try {
        Finish();
    } catch (...) {
        // A destructor cannot report; callers that care call Finish first.
    }
    deflateEnd(&FZRec->z);
}

void TCompressionStream::Finish()
{
    if (finished_)
        return;
    finished_ = true;
    z_stream& z = FZRec->z;
    z.next_in = nullptr;
    z.avail_in = 0;
    FStrm.Seek(FStrmPos, TSeekOrigin::soBeginning);
    for (;;) {
        int code = CCheck(deflate(&z, Z_FINISH));
        if (z.avail_out == 0 || code == Z_STREAM_END) {
            FStrm.WriteBuffer(FBuffer, kBufferSize - z.avail_out);
            z.next_out = FBuffer;
            z.avail_out = kBufferSize;
        }
        if (code == Z_STREAM_END)
            break;
    }
    FStrmPos = FStrm.Position();
}

int64_t TCompressionStream::Read(void*, int64_t)
{
    throw ECompressionError(L"Invalid stream operation");
}

int64_t TCompressionStream::Write(const void* buffer, int64_t count)
{
    if (finished_)
        throw ECompressionError(L"Invalid stream operation");
    z_stream& z = FZRec->z;
    const auto* in = static_cast<const Bytef*>(buffer);
    int64_t left = count;
    FStrm.Seek(FStrmPos, TSeekOrigin::soBeginning);
    while (left > 0) {
        // zlib counts in 32 bits; feed large writes in slices.
        uInt slice = static_cast<uInt>(std::min<int64_t>(left, 1 << 30));
        z.next_in = const_cast<Bytef*>(in);
        z.avail_in = slice;
        while (z.avail_in > 0) {
            CCheck(deflate(&z, Z_NO_FLUSH));
            if (z.avail_out == 0) {
                FStrm.WriteBuffer(FBuffer, kBufferSize);
                z.next_out = FBuffer;
                z.avail_out = kBufferSize;
                FStrmPos = FStrm.Position();
                Progress();
            }
        }
        in += slice;
        left -= slice;
    }
    return count;
}

int64_t TCompressionStream::Seek(int64_t offset, TSeekOrigin origin)
{
    if (offset == 0 && origin == TSeekOrigin::soCurrent)
        return static_cast<int64_t>(FZRec->z.total_in);
    throw ECompressionError(L"Invalid stream operation");
}

double TCompressionStream::CompressionRate() const
{
    const z_stream& z = FZRec->z;
    return z.total_in == 0 ? 0.0 : static_cast<double>(z.total_out) / static_cast<double>(z.total_in);
}

TDecompressionStream::TDecompressionStream(TStream& source) : TCustomZlibStream(source)
{
    z_stream& z = FZRec->z;
    z.next_in = FBuffer;
    z.avail_in = 0;
    DCheck(inflateInit(&z));
}

TDecompressionStream::~TDecompressionStream() { inflateEnd(&FZRec->z); }

int64_t TDecompressionStream::Read(void* buffer, int64_t count)
{
    z_stream& z = FZRec->z;
    auto* out = static_cast<Bytef*>(buffer);
    int64_t done = 0;
    while (done < count && !ended_) {
        uInt want = static_cast<uInt>(std::min<int64_t>(count - done, 1 << 30));
        z.next_out = out + done;
        z.avail_out = want;
        while (z.avail_out > 0) {
            if (z.avail_in == 0) {
                FStrm.Seek(FStrmPos, TSeekOrigin::soBeginning);
                int64_t n = FStrm.Read(FBuffer, kBufferSize);
                if (n <= 0) {
                    done += want - z.avail_out;
                    return done;
                }
                z.next_in = FBuffer;
                z.avail_in = static_cast<uInt>(n);
                FStrmPos = FStrm.Position();
                Progress();
            }
            if (DCheck(inflate(&z, Z_NO_FLUSH)) == Z_STREAM_END) {
                ended_ = true;
                break;
            }
        }
        done += want - z.avail_out;
    }
    return done;
}

int64_t TDecompressionStream::Write(const void*, int64_t)
{
    throw EDecompressionError(L"Invalid stream operation");
}

int64_t TDecompressionStream::Seek(int64_t offset, TSeekOrigin origin)
{
    z_stream& z = FZRec->z;
    if (offset == 0 && origin == TSeekOrigin::soBeginning) {
        DCheck(inflateReset(&z));
        z.next_in = FBuffer;
        z.avail_in = 0;
        ended_ = false;
        FStrm.Seek(0, TSeekOrigin::soBeginning);
        FStrmPos = 0;
        return 0;
    }
    int64_t current = static_cast<int64_t>(z.total_out);
    int64_t skip = origin == TSeekOrigin::soCurrent ? offset
                   : origin == TSeekOrigin::soBeginning ? offset - current
                                                       : -1;
    if (skip < 0)
        throw EDecompressionError(L"Invalid stream operation");
    unsigned char sink[4096];
    while (skip > 0) {
        int64_t n = Read(sink, std::min<int64_t>(skip, sizeof sink));
        if (n <= 0)
            break;
        skip -= n;
    }
    return static_cast<int64_t>(z.total_out);
}

void CompressBytes(const void* data, size_t size, TStream& dest)
{
    TCompressionStream c(TCompressionLevel::clMax, dest);
    constexpr size_t kChunk = 1 << 20;
    const auto* p = static_cast<const uint8_t*>(data);
    for (size_t off = 0; off < size; off += kChunk)
        c.WriteBuffer(p + off, static_cast<int64_t>(std::min(kChunk, size - off)));
    c.Finish();
}

namespace {

// The loader's case: the whole zlib stream is in memory, so zlib gets all of it at once and
// output space that doubles. Feeding it through the stream wrapper's 8 KB input buffer in
// 4 KB reads makes every call save its 32 KB window and copy matches out of it, which costs
// about 70% over a one-shot inflate.
void InflateMemory(const uint8_t* in, size_t inSize, TMemoryStream& dest, int64_t maxOutput)
{
    z_stream z{};
    DCheck(inflateInit(&z));
    struct End {
        z_stream* z;
        ~End() { inflateEnd(z); }
    } end{&z};
    z.next_in = const_cast<Bytef*>(in);
    z.avail_in = static_cast<uInt>(inSize);
    int64_t pos = dest.Position();
    int64_t step = 4096;
    for (;;) {
        if (dest.Size() < pos + step)
            dest.SetSize(pos + step);
        z.next_out = dest.Memory() + pos;
        z.avail_out = static_cast<uInt>(step);
        int code = inflate(&z, Z_NO_FLUSH);
        pos += step - z.avail_out;
        if (pos > maxOutput)
            throw EDecompressionError(Format("The package inflates to more than %lld bytes",
                                             static_cast<long long>(maxOutput)));
        if (code == Z_STREAM_END)
            break;
        // Out of input before the end: a cut stream reads as a short body, as with the wrapper.
        if (code == Z_BUF_ERROR && z.avail_in == 0)
            break;
        DCheck(code);
        if (code == Z_OK && z.avail_in == 0 && z.avail_out != 0)
            break;
        step = std::min<int64_t>(step * 2, int64_t(16) << 20);
    }
    dest.SetSize(pos);
    dest.SetPosition(pos);
}

} // namespace

void DecompressStream(TStream& source, TMemoryStream& dest, int64_t maxOutput)
{
    if (auto* mem = dynamic_cast<TMemoryStream*>(&source)) {
        InflateMemory(mem->Memory(), static_cast<size_t>(mem->Size()), dest, maxOutput);
        return;
    }
    source.Seek(0, TSeekOrigin::soBeginning);
    TDecompressionStream d(source);
    unsigned char buf[4096];
    int64_t total = 0;
    for (;;) {
        int64_t n = d.Read(buf, sizeof buf);
        if (n <= 0)
            break;
        total += n;
        if (total > maxOutput)
            throw EDecompressionError(Format("The package inflates to more than %lld bytes",
                                             static_cast<long long>(maxOutput)));
        dest.WriteBuffer(buf, n);
    }
}

} // namespace vt
