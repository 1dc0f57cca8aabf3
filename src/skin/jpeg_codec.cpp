#include "skin/jpeg_codec.h"

#include "skin/bmp_codec.h"

#include "framework/base/exceptions.h"
#include "framework/base/streams.h"
#include "framework/base/strings.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace vt {

bool IsJpegPictureName(std::wstring_view name)
{
    return name.find(L".jpg") != std::wstring_view::npos || name.find(L".jpeg") != std::wstring_view::npos;
}

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void OnMessage(j_common_ptr, int) {}

// Runs libjpeg without C++ objects on the frames that longjmp may skip; returns false with the
// library's message on failure. rows receives top-down RGB triples.
bool Decode(const uint8_t* data, size_t size, std::vector<uint8_t>& rgb, int& width, int& height,
            char* message)
{
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnError;
    err.pub.emit_message = OnMessage;
    err.message[0] = 0;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", err.message);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_calc_output_dimensions(&cinfo);
    if (cinfo.output_width == 0 || cinfo.output_height == 0 || cinfo.output_width > kMaxBitmapSide ||
        cinfo.output_height > kMaxBitmapSide ||
        static_cast<int64_t>(cinfo.output_width) * cinfo.output_height > kMaxBitmapPixels) {
        jpeg_destroy_decompress(&cinfo);
        std::snprintf(message, JMSG_LENGTH_MAX, "picture too large");
        return false;
    }
    jpeg_start_decompress(&cinfo);
    width = static_cast<int>(cinfo.output_width);
    height = static_cast<int>(cinfo.output_height);
    rgb.resize(static_cast<size_t>(width) * height * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = rgb.data() + static_cast<size_t>(cinfo.output_scanline) * width * 3;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

} // namespace

void DecodeJpeg(const uint8_t* data, size_t size, TPixelImage& image)
{
    std::vector<uint8_t> rgb;
    int w = 0, h = 0;
    char message[JMSG_LENGTH_MAX];
    if (size == 0 || !Decode(data, size, rgb, w, h, message))
        throw EInvalidGraphic(L"JPEG image is not valid: " + Utf8ToWide(size ? message : "no data"));
    TPixelImage out;
    out.Width = w;
    out.Height = h;
    out.Format = TPixelFormat::pf24bit;
    out.Pixels.resize(static_cast<size_t>(w) * h);
    for (size_t i = 0; i < out.Pixels.size(); ++i)
        out.Pixels[i] = TPixel{rgb[3 * i + 2], rgb[3 * i + 1], rgb[3 * i], 255};
    image = std::move(out);
}

void LoadJpegFromFile(const std::wstring& fileName, TPixelImage& image)
{
    std::vector<uint8_t> bytes = ReadFileBytes(fileName);
    try {
        DecodeJpeg(bytes.data(), bytes.size(), image);
    } catch (const EInvalidGraphic& e) {
        throw EInvalidGraphic(e.Message() + L" (\"" + fileName + L"\")");
    }
}

} // namespace vt
