// TCanvas, TFont, TBrush, TPen: the GDI drawing objects bound to a device context. Each object
// owns its GDI handle (created lazily, rebuilt after a change) and the canvas selects the current
// ones into its DC before every drawing call, restoring the DC's original objects when the handle
// is detached.
#pragma once

// types.h first: its GetRValue/GetGValue/GetBValue would otherwise meet the windows.h macros.
#include "framework/base/types.h"
#include "framework/win/dc_scope.h"

#include <windows.h>

#include <functional>
#include <string>

// The canvas has methods of these names; callers use DrawTextW/TextOutW for the raw calls.
#undef DrawText
#undef TextOut

namespace vt {

// Resolves a system colour (high byte 0xFF) through GetSysColor, so the process-wide colour
// redirection applies; explicit colours pass through with the high byte cleared.
TColor ColorToRGB(TColor color);

// Owner of one GDI object handle (HFONT, HBRUSH, HPEN, HBITMAP, HRGN).
template <class H> class TGdiHandle {
public:
    TGdiHandle() = default;
    explicit TGdiHandle(H h) : h_(h) {}
    TGdiHandle(const TGdiHandle&) = delete;
    TGdiHandle& operator=(const TGdiHandle&) = delete;
    TGdiHandle(TGdiHandle&& o) noexcept : h_(o.release()) {}
    TGdiHandle& operator=(TGdiHandle&& o) noexcept
    {
        if (this != &o)
            reset(o.release());
        return *this;
    }
    ~TGdiHandle() { reset(); }
    H get() const { return h_; }
    H release()
    {
        H h = h_;
        h_ = nullptr;
        return h;
    }
    void reset(H h = nullptr)
    {
        if (h_)
            DeleteObject(h_);
        h_ = h;
    }
    explicit operator bool() const { return h_ != nullptr; }

private:
    H h_ = nullptr;
};

class TFont {
public:
    TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    void Assign(const TFont& other);
    const std::wstring& Name() const { return name_; }
    void SetName(const std::wstring& v);
    // lfHeight unchanged: negative is the character height, positive the cell height.
    int Height() const { return height_; }
    void SetHeight(int v);
    // Size in points (converted with the screen's 96 dpi as Height = -Size * 96 / 72).
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles v);
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    uint8_t Charset() const { return charset_; }
    void SetCharset(uint8_t v);
    HFONT Handle();
    std::function<void()> OnChange;

private:
    void Changed();
    std::wstring name_ = L"Tahoma";
    int height_ = -11;
    TFontStyles style_ = 0;
    TColor color_ = clWindowText;
    uint8_t charset_ = DEFAULT_CHARSET;
    TGdiHandle<HFONT> handle_;
};

enum class TBrushStyle : uint8_t { bsSolid, bsClear };

class TBrush {
public:
    TBrush() = default;
    TBrush(const TBrush&) = delete;
    TBrush& operator=(const TBrush&) = delete;
    void Assign(const TBrush& other);
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle v);
    HBRUSH Handle();
    std::function<void()> OnChange;

private:
    void Changed();
    TColor color_ = clWhite;
    TBrushStyle style_ = TBrushStyle::bsSolid;
    TGdiHandle<HBRUSH> handle_;
};

enum class TPenStyle : uint8_t { psSolid, psDot, psClear };

class TPen {
public:
    TPen() = default;
    TPen(const TPen&) = delete;
    TPen& operator=(const TPen&) = delete;
    void Assign(const TPen& other);
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    int Width() const { return width_; }
    void SetWidth(int v);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle v);
    HPEN Handle();
    std::function<void()> OnChange;

private:
    void Changed();
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = TPenStyle::psSolid;
    TGdiHandle<HPEN> handle_;
};

// A canvas does not own its DC; whoever created the DC frees it after detaching the canvas
// (SetHandle(nullptr) or destroying the canvas), which puts the DC's original objects back.
class TCanvas {
public:
    TCanvas();
    explicit TCanvas(HDC dc);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    ~TCanvas();

    HDC Handle() const { return dc_; }
    void SetHandle(HDC dc);
    bool HandleAllocated() const { return dc_ != nullptr; }

    TFont& Font() { return font_; }
    TBrush& Brush() { return brush_; }
    TPen& Pen() { return pen_; }

    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);
    void Rectangle(const TRect& r);
    void Rectangle(int left, int top, int right, int bottom) { Rectangle(vt::Rect(left, top, right, bottom)); }
    void Ellipse(const TRect& r);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(const TPoint* points, int count);
    TColor GetPixel(int x, int y);
    void SetPixel(int x, int y, TColor color);
    void TextOut(int x, int y, const std::wstring& text);
    void TextRect(const TRect& r, int x, int y, const std::wstring& text);
    // DrawTextW with the canvas font; r is updated when format has DT_CALCRECT.
    int DrawText(const std::wstring& text, TRect& r, UINT format);
    SIZE TextExtent(const std::wstring& text);
    int TextWidth(const std::wstring& text) { return TextExtent(text).cx; }
    int TextHeight(const std::wstring& text) { return TextExtent(text).cy; }
    // StretchBlt (COLORONCOLOR, SRCCOPY) of source's srcRect into dst.
    void CopyRect(const TRect& dst, TCanvas& source, const TRect& srcRect);
    void CopyRect(const TRect& dst, HDC source, const TRect& srcRect);
    int SaveState();
    void RestoreState(int saved);
    void IntersectClip(const TRect& r);
    void ExcludeClip(const TRect& r);
    TPoint SetViewportOrigin(TPoint p);

    // Selects the current font, brush and pen (called by every drawing method).
    void RequireObjects();

private:
    void Detach();
    HDC dc_ = nullptr;
    HGDIOBJ oldFont_ = nullptr, oldBrush_ = nullptr, oldPen_ = nullptr;
    TFont font_;
    TBrush brush_;
    TPen pen_;
};

// A canvas on a window's DC for the scope's life: the canvas lets go of the DC before the DC is
// released. TDCArea::Window draws over the frame and caption.
class TWindowCanvas {
public:
    explicit TWindowCanvas(HWND wnd, TDCArea area = TDCArea::Window)
        : dc_(wnd, area), canvas_(dc_.get())
    {
    }
    TCanvas& Canvas() { return canvas_; }
    HDC Handle() const { return dc_.get(); }

private:
    TWindowDC dc_;
    TCanvas canvas_;
};

inline RECT ToRECT(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }
inline TRect FromRECT(const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; }

} // namespace vt
