#include "framework/win/icon.h"

#include "framework/base/exceptions.h"
#include "framework/win/canvas.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace vt {

namespace {

// The images GetIconInfo hands over; the caller owns (and here frees) both.
struct TIconImages {
    explicit TIconImages(HICON icon)
    {
        ICONINFO info{};
        if (icon && GetIconInfo(icon, &info)) {
            mask.reset(info.hbmMask);
            color.reset(info.hbmColor);
        }
    }
    TGdiHandle<HBITMAP> mask, color;
};

UINT SizeFlags(int size)
{
    return size > 0 ? 0 : LR_DEFAULTSIZE;
}

} // namespace

TIcon& TIcon::operator=(TIcon&& o) noexcept
{
    if (this != &o)
        SetHandle(o.ReleaseHandle());
    return *this;
}

void TIcon::Assign(const TIcon& other)
{
    if (&other == this)
        return;
    HICON copy = nullptr;
    if (other.handle_) {
        copy = CopyIcon(other.handle_);
        if (!copy)
            throw EOutOfResources(L"Cannot copy the icon");
    }
    SetHandle(copy);
}

void TIcon::SetHandle(HICON icon)
{
    if (icon == handle_)
        return;
    Destroy();
    handle_ = icon;
    Changed();
}

HICON TIcon::ReleaseHandle()
{
    HICON h = handle_;
    handle_ = nullptr;
    return h;
}

void TIcon::Destroy()
{
    if (handle_)
        DestroyIcon(handle_);
    handle_ = nullptr;
}

void TIcon::Changed()
{
    if (OnChange)
        OnChange();
}

void TIcon::LoadFromResource(HINSTANCE module, const wchar_t* nameOrId, int size)
{
    size = std::max(size, 0);
    auto* icon
        = static_cast<HICON>(LoadImageW(module, nameOrId, IMAGE_ICON, size, size, SizeFlags(size)));
    if (!icon) {
        const String name = IS_INTRESOURCE(nameOrId)
            ? std::to_wstring(reinterpret_cast<ULONG_PTR>(nameOrId))
            : String(nameOrId);
        throw EInvalidGraphic(L"Icon resource " + name + L" not found");
    }
    SetHandle(icon);
}

void TIcon::LoadFromFile(const String& path, int size)
{
    size = std::max(size, 0);
    auto* icon = static_cast<HICON>(LoadImageW(
        nullptr, path.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE | SizeFlags(size)));
    if (!icon)
        throw EInvalidGraphic(L"Cannot load an icon from " + path);
    SetHandle(icon);
}

SIZE TIcon::Size() const
{
    TIconImages images(handle_);
    BITMAP bm{};
    if (images.color && GetObjectW(images.color.get(), sizeof bm, &bm))
        return SIZE {bm.bmWidth, std::abs(bm.bmHeight)};
    // A monochrome icon keeps its image below its mask in one bitmap twice as high.
    if (images.mask && GetObjectW(images.mask.get(), sizeof bm, &bm))
        return SIZE {bm.bmWidth, std::abs(bm.bmHeight) / 2};
    return SIZE {0, 0};
}

void TIcon::Draw(HDC dc, int x, int y, int width, int height) const
{
    if (handle_)
        DrawIconEx(dc, x, y, handle_, width, height, 0, nullptr, DI_NORMAL);
}

void TIcon::DrawSmall(HDC dc, int x, int y) const
{
    const SIZE s = SmallIconSize();
    Draw(dc, x, y, s.cx, s.cy);
}

bool TIcon::HasAlpha() const
{
    return IconHasAlpha(handle_);
}

SIZE SmallIconSize()
{
    return SIZE {GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)};
}

bool IconHasAlpha(HICON icon)
{
    TIconImages images(icon);
    BITMAP bm{};
    if (!images.color || !GetObjectW(images.color.get(), sizeof bm, &bm) || bm.bmBitsPixel != 32)
        return false;
    const int width = bm.bmWidth, height = std::abs(bm.bmHeight);
    if (width <= 0 || height <= 0)
        return false;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    TWindowDC screen(nullptr);
    if (GetDIBits(screen.get(), images.color.get(), 0, static_cast<UINT>(height), pixels.data(),
            &bi, DIB_RGB_COLORS)
        != height)
        return false;
    return std::any_of(pixels.begin(), pixels.end(), [](DWORD p) { return (p >> 24) != 0; });
}

} // namespace vt
