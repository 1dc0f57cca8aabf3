#include "raster/bitmap_win.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/base/exceptions.h"

namespace vt {

namespace {

class TDibStore;

// Every bitmap that currently owns a DC, so that drawing onto such a DC stays in memory.
std::vector<TDibStore*>& Registry()
{
    static std::vector<TDibStore*> list;
    return list;
}

class TDibStore final : public TPixelStore {
public:
    explicit TDibStore(TspBitmap& owner) : owner_(owner) {}
    ~TDibStore() override { Release(); }

    TspColor* Allocate(int32_t w, int32_t h) override
    {
        Release();
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bi.bmiHeader.biWidth = w;
        bi.bmiHeader.biHeight = -h;  // top-down rows
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        TGdiHandle<HBITMAP> section(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!section || !bits)
            throw EOutOfResources(L"Can't allocate the DIB handle");
        TDCHandle dc(CreateCompatibleDC(nullptr));
        if (!dc.get())
            throw EOutOfResources(L"Can't create compatible DC");
        HGDIOBJ old = SelectObject(dc.get(), section.get());
        if (!old || old == HGDI_ERROR)
            throw EOutOfResources(L"Can't bslect an object into DC");
        oldBitmap_ = old;
        section_ = std::move(section);
        dc_ = std::move(dc);
        bits_ = static_cast<TspColor*>(bits);
        Registry().push_back(this);
        if (canvas_)
            canvas_->SetHandle(dc_.get());
        return bits_;
    }

    void Release() override
    {
        if (!dc_.get())
            return;
        auto& reg = Registry();
        reg.erase(std::remove(reg.begin(), reg.end(), this), reg.end());
        if (canvas_)
            canvas_->SetHandle(nullptr);
        SelectObject(dc_.get(), oldBitmap_);
        dc_.reset();
        section_.reset();
        bits_ = nullptr;
    }

    HDC DC() const { return dc_.get(); }
    HBITMAP Section() const { return section_.get(); }
    TspBitmap& Owner() const { return owner_; }
    TCanvas& Canvas()
    {
        if (!canvas_)
            canvas_ = std::make_unique<TCanvas>(dc_.get());
        return *canvas_;
    }

private:
    TspBitmap& owner_;
    TGdiHandle<HBITMAP> section_;
    TDCHandle dc_;
    HGDIOBJ oldBitmap_ = nullptr;
    TspColor* bits_ = nullptr;
    std::unique_ptr<TCanvas> canvas_;
};

TDibStore& DibOf(TspBitmap& bmp) { return static_cast<TDibStore&>(bmp.Store()); }

int ScreenBitsPerPixel()
{
    static int bpp = [] { return GetDeviceCaps(TWindowDC(nullptr).get(), BITSPIXEL); }();
    return bpp;
}

// The temporary-bitmap method: read the destination area, draw onto it in memory, write it back.
void DrawThroughCopy(const TspBitmap& src, HDC dc, const TRect& dstRect, const TRect& srcRect)
{
    if (dstRect.IsEmpty())
        return;
    TspBitmap tmp;
    tmp.SetSize(dstRect.Width(), dstRect.Height());
    BitBlt(BitmapDC(tmp), 0, 0, tmp.FWidth, tmp.FHeight, dc, dstRect.Left, dstRect.Top, SRCCOPY);
    src.Draw(tmp, tmp.BoundsRect(), srcRect);
    BitBlt(dc, dstRect.Left, dstRect.Top, tmp.FWidth, tmp.FHeight, BitmapDC(tmp), 0, 0, SRCCOPY);
}

// Logical coordinates of dc to device coordinates, which are pixel positions in the surface
// selected into it: the window and the viewport origin both count.
TRect LogicalToDevice(HDC dc, const TRect& r)
{
    POINT pts[2] = {{r.Left, r.Top}, {r.Right, r.Bottom}};
    LPtoDP(dc, pts, 2);
    return TRect{pts[0].x, pts[0].y, pts[1].x, pts[1].y};
}

TRect DeviceToLogical(HDC dc, const TRect& r)
{
    POINT pts[2] = {{r.Left, r.Top}, {r.Right, r.Bottom}};
    DPtoLP(dc, pts, 2);
    return TRect{pts[0].x, pts[0].y, pts[1].x, pts[1].y};
}

// Writing pixels straight into dc's surface bypasses its clip, so it is done only where the clip
// is one rectangle holding all of r (logical); elsewhere GDI draws and clips.
bool ClipHolds(HDC dc, const TRect& r)
{
    RECT box{};
    return GetClipBox(dc, &box) == SIMPLEREGION && IntersectRect(FromRECT(box), r) == r;
}

} // namespace

std::unique_ptr<TPixelStore> NewPixelStore(TspBitmap& owner) { return std::make_unique<TDibStore>(owner); }

TColor ResolveColor(TColor color) { return ColorToRGB(color); }

HDC BitmapDC(TspBitmap& bmp) { return DibOf(bmp).DC(); }
HBITMAP BitmapHandle(TspBitmap& bmp) { return DibOf(bmp).Section(); }
TCanvas& GetCanvas(TspBitmap& bmp) { return DibOf(bmp).Canvas(); }

TspBitmap* FindLiveBitmap(HDC dc)
{
    if (!dc)
        return nullptr;
    for (TDibStore* s : Registry())
        if (s->DC() == dc)
            return &s->Owner();
    return nullptr;
}

size_t LiveBitmapCount() { return Registry().size(); }

void DrawToDC(const TspBitmap& src, HDC dc, const TRect& dstRect, const TRect& srcRect)
{
    if (!dc || src.Empty() || srcRect.IsEmpty())
        return;
    if (TspBitmap* target = FindLiveBitmap(dc)) {
        // Straight into the pixels where the clip allows it, otherwise through a copy GDI clips.
        if (ClipHolds(dc, dstRect))
            src.Draw(*target, LogicalToDevice(dc, dstRect), srcRect);
        else
            DrawThroughCopy(src, dc, dstRect, srcRect);
        return;
    }
    if (srcRect.Left < 0 || srcRect.Top < 0 || srcRect.Right > src.FWidth || srcRect.Bottom > src.FHeight)
        return;
    HDC srcDC = BitmapDC(const_cast<TspBitmap&>(src));
    if (src.FAlphaBlend) {
        DrawThroughCopy(src, dc, dstRect, srcRect);
    } else if (src.FTransparent) {
        if (ScreenBitsPerPixel() >= 24)
            TransparentBlt(dc, dstRect.Left, dstRect.Top, dstRect.Width(), dstRect.Height(), srcDC,
                           srcRect.Left, srcRect.Top, srcRect.Width(), srcRect.Height(), RGB(127, 0, 127));
        else
            DrawThroughCopy(src, dc, dstRect, srcRect);
    } else {
        int old = SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, dstRect.Left, dstRect.Top, dstRect.Width(), dstRect.Height(), srcDC, srcRect.Left,
                   srcRect.Top, srcRect.Width(), srcRect.Height(), SRCCOPY);
        SetStretchBltMode(dc, old);
    }
}

void Draw(const TspBitmap& src, HDC dc, int x, int y)
{
    DrawToDC(src, dc, TRect{x, y, x + src.FWidth, y + src.FHeight}, src.BoundsRect());
}

void Draw(const TspBitmap& src, HDC dc, int x, int y, const TRect& srcRect)
{
    DrawToDC(src, dc, srcRect.Offset(x - srcRect.Left, y - srcRect.Top), srcRect);
}

void Draw(const TspBitmap& src, HDC dc, const TRect& dstRect) { DrawToDC(src, dc, dstRect, src.BoundsRect()); }

namespace {
// Writes one tile straight into the 32-bit bottom-up section selected into dc, if there is one.
bool TileDirect(const TspBitmap& src, HDC dc, const TRect& dst, const TRect& srcRect)
{
    HGDIOBJ obj = GetCurrentObject(dc, OBJ_BITMAP);
    DIBSECTION ds{};
    if (!obj || GetObjectW(obj, sizeof(ds), &ds) != sizeof(ds))
        return false;
    if (ds.dsBm.bmBits == nullptr || ds.dsBmih.biBitCount != 32 || ds.dsBmih.biHeight <= 0)
        return false;
    if (!ClipHolds(dc, dst))
        return false;
    GdiFlush();
    TPixelTarget section{static_cast<TspColor*>(ds.dsBm.bmBits), ds.dsBm.bmWidth, ds.dsBm.bmHeight, true};
    DrawPixels(src, src.Mode(), section, LogicalToDevice(dc, dst), srcRect, true);
    return true;
}
} // namespace

void TileClip(const TspBitmap& src, HDC dc, const TRect& dstRect, const TRect& dstClip, const TRect& srcRect)
{
    if (!dc || src.Empty())
        return;
    TspBitmap* target = FindLiveBitmap(dc);
    RECT box{};
    TRect visible = target ? DeviceToLogical(dc, target->BoundsRect()) : TRect{};
    if (GetClipBox(dc, &box) != ERROR)
        visible = target ? IntersectRect(visible, FromRECT(box)) : FromRECT(box);
    for (const TTilePiece& p : TilePieces(dstRect, dstClip, srcRect, visible)) {
        if (target && ClipHolds(dc, p.Dst))
            src.Draw(*target, LogicalToDevice(dc, p.Dst), p.Src);
        else if (target || !TileDirect(src, dc, p.Dst, p.Src))
            DrawToDC(src, dc, p.Dst, p.Src);
    }
}

void Tile(const TspBitmap& src, HDC dc, const TRect& dstRect, const TRect& srcRect)
{
    TileClip(src, dc, dstRect, TRect{}, srcRect);
}

void Draw(const TspBitmapLink& link, TCanvas& c, int x, int y)
{
    if (link.FImage && !link.FImage->Empty() && link.FRect.Width() > 0 && link.FRect.Height() > 0)
        Draw(*link.FImage, c.Handle(), x, y, link.FRect);
}

void AssignFromHandle(TspBitmap& dst, HBITMAP src)
{
    DIBSECTION ds{};
    int got = src ? GetObjectW(src, sizeof(ds), &ds) : 0;
    if (got < static_cast<int>(sizeof(BITMAP)))
        throw EInvalidGraphic(L"Invalid bitmap handle");
    int w = ds.dsBm.bmWidth, h = std::abs(ds.dsBm.bmHeight);
    dst.SetSize(w, h);
    if (dst.Empty())
        return;
    if (got == sizeof(DIBSECTION) && ds.dsBmih.biBitCount == 32 && ds.dsBm.bmBits) {
        GdiFlush();
        const uint8_t* base = static_cast<const uint8_t*>(ds.dsBm.bmBits);
        bool bottomUp = ds.dsBmih.biHeight > 0;
        for (int y = 0; y < h; ++y) {
            const uint8_t* row = base + static_cast<size_t>(bottomUp ? h - 1 - y : y) * ds.dsBm.bmWidthBytes;
            std::memcpy(dst.GetScanLine(y), row, static_cast<size_t>(w) * 4);
        }
        dst.CheckingAlphaBlend();
        return;
    }
    TDCHandle srcDC(CreateCompatibleDC(nullptr));
    HGDIOBJ old = SelectObject(srcDC.get(), src);
    BitBlt(BitmapDC(dst), 0, 0, w, h, srcDC.get(), 0, 0, SRCCOPY);
    SelectObject(srcDC.get(), old);
    GdiFlush();
    dst.SetAlpha(255);
}

void CaptureScreenArea(int x, int y, TspBitmap& bmp)
{
    if (bmp.Empty())
        return;
    TWindowDC screen(nullptr);
    BitBlt(BitmapDC(bmp), 0, 0, bmp.FWidth, bmp.FHeight, screen.get(), x, y, SRCCOPY);
    GdiFlush();
}

} // namespace vt
