// BMP pictures as the skin package embeds them: reading a record whose end is found from its
// headers (no length prefix), and writing canonical files (file header, 40-byte info header,
// colour table, rows, no gaps).
#pragma once

#include <cstddef>  // before pixel_image.h, which uses size_t

#include "framework/base/pixel_image.h"
#include "framework/base/streams.h"

#include <string>

namespace vt {

// Pictures larger than this are refused before anything is allocated for them.
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
// Fuzzing builds only: a run-length record of a few bytes may claim the full size, and every pixel
// then costs the reader, the writer and the sanitizers; 512 x 512 pixels reach the same code.
inline constexpr int64_t kMaxBitmapPixels = int64_t(1) << 18;
#else
inline constexpr int64_t kMaxBitmapPixels = int64_t(1) << 24;
#endif
inline constexpr int32_t kMaxBitmapSide = 32768;

// Reads one BMP record from the stream's position into image and leaves the stream right after
// the record. Raises EInvalidGraphic ("Bitmap image is not valid", or a more precise message) for
// a malformed record and EReadError when the headers run past the end of the stream. A
// run-length compressed record takes all remaining bytes.
void ReadBitmapRecord(TStream& stream, TPixelImage& image);

// Writes image as a canonical BMP file. 1/4/8-bit formats are kept when the picture has no more
// colours than the depth allows, otherwise 24 bits; 16-bit pictures are written with 24 bits;
// 32-bit pictures keep their alpha. An empty picture is written as a 0 x 0 record.
void WriteBitmap(TStream& stream, const TPixelImage& image);

void LoadBitmapFromFile(const std::wstring& fileName, TPixelImage& image);
void SaveBitmapToFile(const std::wstring& fileName, const TPixelImage& image);

} // namespace vt
