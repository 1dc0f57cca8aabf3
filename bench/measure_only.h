// A text renderer for benchmarks that measures 7 px a character and draws nothing, so the
// figures are the pictures and effects, not the platform's text.
#pragma once

#include "raster/caption.h"

namespace bench {

class TMeasureOnly : public vt::ITextRenderer {
public:
    explicit TMeasureOnly(int fontHeight = 13) : fontHeight_(fontHeight) {}
    vt::TRect Measure(const std::wstring& text, const vt::TRect& r, uint32_t) override
    {
        return vt::Rect(r.Left, r.Top, r.Left + 7 * static_cast<int32_t>(text.size()), r.Top + 16);
    }
    int DrawText(vt::TspBitmap&, const std::wstring&, const vt::TRect&, uint32_t, vt::TColor) override { return 16; }
    int FontHeight() const override { return fontHeight_; }

private:
    int fontHeight_;
};

} // namespace bench
