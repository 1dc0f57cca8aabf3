#include "framework/win/canvas.h"

namespace vt {

TColor ColorToRGB(TColor color)
{
    if (IsSystemColor(color))
        return static_cast<TColor>(GetSysColor(SystemColorIndex(color)));
    return color & 0x00FFFFFF;
}

// ---- TFont

TFont::TFont() = default;

void TFont::Changed()
{
    handle_.reset();
    if (OnChange)
        OnChange();
}

void TFont::Assign(const TFont& o)
{
    name_ = o.name_;
    height_ = o.height_;
    style_ = o.style_;
    color_ = o.color_;
    charset_ = o.charset_;
    Changed();
}

void TFont::SetName(const std::wstring& v)
{
    if (v != name_) {
        name_ = v;
        Changed();
    }
}

void TFont::SetHeight(int v)
{
    if (v != height_) {
        height_ = v;
        Changed();
    }
}

int TFont::Size() const { return -MulDiv(height_, 72, 96); }
void TFont::SetSize(int points) { SetHeight(-MulDiv(points, 96, 72)); }

void TFont::SetStyle(TFontStyles v)
{
    if (v != style_) {
        style_ = v;
        Changed();
    }
}

void TFont::SetColor(TColor v)
{
    if (v != color_) {
        color_ = v;
        // The colour is not part of the HFONT; keep the handle.
        if (OnChange)
            OnChange();
    }
}

void TFont::SetCharset(uint8_t v)
{
    if (v != charset_) {
        charset_ = v;
        Changed();
    }
}

HFONT TFont::Handle()
{
    if (!handle_) {
        LOGFONTW lf{};
        lf.lfHeight = height_;
        lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
        lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
        lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
        lf.lfCharSet = charset_;
        lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
        lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        lf.lfQuality = DEFAULT_QUALITY;
        lf.lfPitchAndFamily = DEFAULT_PITCH;
        wcsncpy(lf.lfFaceName, name_.c_str(), LF_FACESIZE - 1);
        handle_.reset(CreateFontIndirectW(&lf));
    }
    return handle_.get();
}

// ---- TBrush

void TBrush::Changed()
{
    handle_.reset();
    if (OnChange)
        OnChange();
}

void TBrush::Assign(const TBrush& o)
{
    color_ = o.color_;
    style_ = o.style_;
    Changed();
}

void TBrush::SetColor(TColor v)
{
    if (v != color_ || style_ == TBrushStyle::bsClear) {
        color_ = v;
        // Setting a colour makes a clear brush solid again, as callers expect.
        style_ = TBrushStyle::bsSolid;
        Changed();
    }
}

void TBrush::SetStyle(TBrushStyle v)
{
    if (v != style_) {
        style_ = v;
        Changed();
    }
}

HBRUSH TBrush::Handle()
{
    if (style_ == TBrushStyle::bsClear)
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    if (!handle_)
        handle_.reset(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(color_))));
    return handle_.get();
}

// ---- TPen

void TPen::Changed()
{
    handle_.reset();
    if (OnChange)
        OnChange();
}

void TPen::Assign(const TPen& o)
{
    color_ = o.color_;
    width_ = o.width_;
    style_ = o.style_;
    Changed();
}

void TPen::SetColor(TColor v)
{
    if (v != color_) {
        color_ = v;
        Changed();
    }
}

void TPen::SetWidth(int v)
{
    if (v != width_) {
        width_ = v;
        Changed();
    }
}

void TPen::SetStyle(TPenStyle v)
{
    if (v != style_) {
        style_ = v;
        Changed();
    }
}

HPEN TPen::Handle()
{
    if (style_ == TPenStyle::psClear)
        return static_cast<HPEN>(GetStockObject(NULL_PEN));
    if (!handle_) {
        int ps = style_ == TPenStyle::psDot ? PS_DOT : PS_SOLID;
        handle_.reset(CreatePen(ps, width_, static_cast<COLORREF>(ColorToRGB(color_))));
    }
    return handle_.get();
}

// ---- TCanvas

TCanvas::TCanvas() = default;
TCanvas::TCanvas(HDC dc) : dc_(dc) {}
TCanvas::~TCanvas() { Detach(); }

void TCanvas::Detach()
{
    if (dc_) {
        if (oldFont_)
            SelectObject(dc_, oldFont_);
        if (oldBrush_)
            SelectObject(dc_, oldBrush_);
        if (oldPen_)
            SelectObject(dc_, oldPen_);
    }
    oldFont_ = oldBrush_ = oldPen_ = nullptr;
}

void TCanvas::SetHandle(HDC dc)
{
    if (dc == dc_)
        return;
    Detach();
    dc_ = dc;
}

void TCanvas::RequireObjects()
{
    if (!dc_)
        return;
    HGDIOBJ f = SelectObject(dc_, font_.Handle());
    HGDIOBJ b = SelectObject(dc_, brush_.Handle());
    HGDIOBJ p = SelectObject(dc_, pen_.Handle());
    // Remember only what the DC held before we first selected anything.
    if (!oldFont_)
        oldFont_ = f;
    if (!oldBrush_)
        oldBrush_ = b;
    if (!oldPen_)
        oldPen_ = p;
    SetTextColor(dc_, static_cast<COLORREF>(ColorToRGB(font_.Color())));
    if (brush_.Style() == TBrushStyle::bsClear) {
        SetBkMode(dc_, TRANSPARENT);
    } else {
        SetBkMode(dc_, OPAQUE);
        SetBkColor(dc_, static_cast<COLORREF>(ColorToRGB(brush_.Color())));
    }
}

void TCanvas::FillRect(const TRect& r)
{
    if (!dc_ || brush_.Style() == TBrushStyle::bsClear)
        return;
    RECT rc = ToRECT(r);
    ::FillRect(dc_, &rc, brush_.Handle());
}

void TCanvas::FrameRect(const TRect& r)
{
    if (!dc_ || brush_.Style() == TBrushStyle::bsClear)
        return;
    RECT rc = ToRECT(r);
    ::FrameRect(dc_, &rc, brush_.Handle());
}

void TCanvas::Rectangle(const TRect& r)
{
    if (!dc_)
        return;
    RequireObjects();
    ::Rectangle(dc_, r.Left, r.Top, r.Right, r.Bottom);
}

void TCanvas::Ellipse(const TRect& r)
{
    if (!dc_)
        return;
    RequireObjects();
    ::Ellipse(dc_, r.Left, r.Top, r.Right, r.Bottom);
}

void TCanvas::MoveTo(int x, int y)
{
    if (dc_)
        MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y)
{
    if (!dc_)
        return;
    RequireObjects();
    ::LineTo(dc_, x, y);
}

void TCanvas::Polyline(const TPoint* points, int count)
{
    if (!dc_ || count <= 0)
        return;
    RequireObjects();
    static_assert(sizeof(TPoint) == sizeof(POINT));
    ::Polyline(dc_, reinterpret_cast<const POINT*>(points), count);
}

TColor TCanvas::GetPixel(int x, int y)
{
    return dc_ ? static_cast<TColor>(::GetPixel(dc_, x, y)) : 0;
}

void TCanvas::SetPixel(int x, int y, TColor color)
{
    if (dc_)
        ::SetPixel(dc_, x, y, static_cast<COLORREF>(ColorToRGB(color)));
}

void TCanvas::TextOut(int x, int y, const std::wstring& text)
{
    if (!dc_)
        return;
    RequireObjects();
    ExtTextOutW(dc_, x, y, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::wstring& text)
{
    if (!dc_)
        return;
    RequireObjects();
    RECT rc = ToRECT(r);
    UINT opts = ETO_CLIPPED | (brush_.Style() == TBrushStyle::bsClear ? 0 : ETO_OPAQUE);
    ExtTextOutW(dc_, x, y, opts, &rc, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

int TCanvas::DrawText(const std::wstring& text, TRect& r, UINT format)
{
    if (!dc_)
        return 0;
    RequireObjects();
    RECT rc = ToRECT(r);
    int result = DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &rc, format);
    r = FromRECT(rc);
    return result;
}

SIZE TCanvas::TextExtent(const std::wstring& text)
{
    SIZE s{0, 0};
    if (!dc_)
        return s;
    RequireObjects();
    GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &s);
    return s;
}

void TCanvas::CopyRect(const TRect& dst, HDC source, const TRect& src)
{
    if (!dc_ || !source)
        return;
    int old = SetStretchBltMode(dc_, COLORONCOLOR);
    StretchBlt(dc_, dst.Left, dst.Top, dst.Width(), dst.Height(), source, src.Left, src.Top,
               src.Width(), src.Height(), SRCCOPY);
    SetStretchBltMode(dc_, old);
}

void TCanvas::CopyRect(const TRect& dst, TCanvas& source, const TRect& src)
{
    CopyRect(dst, source.Handle(), src);
}

int TCanvas::SaveState() { return dc_ ? SaveDC(dc_) : 0; }

void TCanvas::RestoreState(int saved)
{
    if (dc_ && saved)
        RestoreDC(dc_, saved);
}

void TCanvas::IntersectClip(const TRect& r)
{
    if (dc_)
        IntersectClipRect(dc_, r.Left, r.Top, r.Right, r.Bottom);
}

void TCanvas::ExcludeClip(const TRect& r)
{
    if (dc_)
        ExcludeClipRect(dc_, r.Left, r.Top, r.Right, r.Bottom);
}

TPoint TCanvas::SetViewportOrigin(TPoint p)
{
    POINT old{0, 0};
    if (dc_)
        SetViewportOrgEx(dc_, p.X, p.Y, &old);
    return TPoint{old.x, old.y};
}

} // namespace vt
