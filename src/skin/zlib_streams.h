// Streams over zlib: TCompressionStream deflates what is written to it into a destination stream,
// TDecompressionStream inflates a source stream as it is read. Both work through an 8,192-byte
// buffer and report progress through OnProgress.
#pragma once

#include "framework/base/exceptions.h"
#include "framework/base/streams.h"

#include <functional>
#include <memory>

namespace vt {

VT_DECLARE_EXCEPTION(EZlibError, Exception);
VT_DECLARE_EXCEPTION(ECompressionError, EZlibError);
VT_DECLARE_EXCEPTION(EDecompressionError, EZlibError);

enum class TCompressionLevel { clNone, clFastest, clDefault, clMax };

class TCustomZlibStream : public TStream {
public:
    static constexpr int kBufferSize = 8192;
    ~TCustomZlibStream() override;

    std::function<void(TCustomZlibStream&)> OnProgress;

    int64_t Size() const override { return 0; }
    void SetSize(int64_t) override;

protected:
    explicit TCustomZlibStream(TStream& strm);
    void Progress();

    TStream& FStrm;
    int64_t FStrmPos;
    struct ZState;
    std::unique_ptr<ZState> FZRec;
    unsigned char FBuffer[kBufferSize];
};

class TCompressionStream : public TCustomZlibStream {
public:
    TCompressionStream(TCompressionLevel level, TStream& dest);
    // Finishes the zlib stream (errors are swallowed here; call Finish to see them).
    ~TCompressionStream() override;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    // Only (0, soCurrent) is allowed: it returns the bytes consumed so far.
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    // Flushes the rest of the stream and its trailer into the destination.
    void Finish();
    // Output bytes produced per input byte so far.
    double CompressionRate() const;

private:
    bool finished_ = false;
};

class TDecompressionStream : public TCustomZlibStream {
public:
    explicit TDecompressionStream(TStream& source);
    ~TDecompressionStream() override;

    // Returns fewer bytes than asked once the zlib stream or its source ends.
    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    // (0, soBeginning) restarts; a forward seek from the current position or to a later absolute
    // position reads and discards; anything else raises.
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;

private:
    bool ended_ = false;
};

// Deflates size bytes at level 9 (writing in chunks of up to 1 MiB) and appends the stream to dest.
void CompressBytes(const void* data, size_t size, TStream& dest);
// Inflates the whole source (from its start) into dest: 4,096 bytes per read through a
// TDecompressionStream, or in one pass when the source is in memory; raises
// EDecompressionError "compression error" on corrupt data, and EDecompressionError when the
// output would pass maxOutput bytes.
void DecompressStream(TStream& source, TMemoryStream& dest, int64_t maxOutput);

} // namespace vt
