#include "menus/menu_platform_win.h"

#include "framework/base/exceptions.h"
#include "framework/win/canvas.h"
#include "framework/win/controls.h"
#include "framework/win/exception_funnel.h"
#include "framework/win/window_class.h"
#include "menus/popup_level.h"
#include "menus/popup_window_win.h"
#include "menus/skin_menu.h"
#include "raster/bitmap_win.h"
#include "raster/caption_win.h"
#include "raster/compose_win.h"
#include "raster/image_list.h"

namespace vt {

namespace {

constexpr const wchar_t* kTimerClass = L"VantrelMenuTimer";
constexpr UINT_PTR kWaitTimer = 1;

} // namespace

TMenuPlatform::TMenuPlatform(TspSkinMenu& menu)
    : TComponent(&menu)
    , menu_(menu)
    , fonts_(std::make_unique<TGdiTextRenderers>())
{
    WNDCLASSEXW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = kTimerClass;
    EnsureWindowClass(wc);
    timerWindow_ = CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
        GetModuleHandleW(nullptr), nullptr);
    if (!timerWindow_)
        throw EOutOfResources(L"Cannot create the menu timer window");
    SetWindowLongPtrW(timerWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(timerWindow_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TMenuPlatform::TimerWndProc));

    TMenuServices services;
    services.WaitTimer = this;
    services.Messages = this;
    services.WorkArea = this;
    services.Views = this;
    services.Fonts = this;
    menu_.SetServices(services);
}

// Freed with its menu, after the menu's own destructor closed every level.
TMenuPlatform::~TMenuPlatform()
{
    SetWindowLongPtrW(timerWindow_, GWLP_USERDATA, 0);
    DestroyWindow(timerWindow_);
}

LRESULT CALLBACK TMenuPlatform::TimerWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<TMenuPlatform*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && msg == WM_TIMER && wParam == kWaitTimer) {
        TspSkinMenu& menu = self->menu_;
        GuardedCall(nullptr, [&] { menu.WaitTimerTick(); });
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void TMenuPlatform::Start(uint32_t intervalMs)
{
    SetTimer(timerWindow_, kWaitTimer, intervalMs, nullptr);
}

void TMenuPlatform::Stop()
{
    KillTimer(timerWindow_, kWaitTimer);
}

void TMenuPlatform::SendMenuMessage(TComponent* target, uint32_t message)
{
    auto* control = dynamic_cast<TControl*>(target);
    if (!control)
        return;
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (windowed && windowed->HandleAllocated())
        SendMessageW(windowed->Handle(), message, 0, 0);
    else
        control->Perform(message, 0, 0);
}

TRect TMenuPlatform::WorkAreaOf(TPoint p)
{
    TRect area;
    if (GetMonitorAreaOfPoint(p, true, area))
        return area;
    return Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

ITextRenderer* TMenuPlatform::Renderer(const TMenuFont& font)
{
    return &fonts_->For(font.Name, font.Height, font.Style, font.Charset);
}

TFont* TMenuPlatform::FontOf(const TMenuFont& font)
{
    return &fonts_->FontFor(font.Name, font.Height, font.Style, font.Charset);
}

std::unique_ptr<IMenuLevelView> TMenuPlatform::CreateView(TspPopupLevel& level)
{
    TPopupWindowSettings settings;
    settings.Paint.Skin = menu_.SkinData();
    settings.Paint.Text = Renderer(level.ItemFont);
    settings.Paint.HeaderText = Renderer(level.HeaderFont);
    if (TMenuItem* source = level.SourceItem)
        if (TMenu* owner = source->GetParentMenu())
            settings.Paint.Images = dynamic_cast<const TCustomImageList*>(owner->Images());
    // An item drawing itself gets the item's canvas in the item font.
    TFont* itemFont = FontOf(level.ItemFont);
    settings.Paint.DrawItem = [itemFont](const TMenuItem& item, TspBitmap& picture, const TRect& textRect,
                                  bool active) {
        TCanvas& canvas = GetCanvas(picture);
        canvas.Font().Assign(*itemFont);
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        auto* sender = const_cast<TMenuItem*>(&item);
        item.OnDrawItem(sender, canvas, textRect, active);
        GdiFlush();
    };
    settings.AlphaBlend = menu_.AlphaBlend;
    settings.AlphaBlendValue = menu_.AlphaBlendValue;
    settings.AlphaBlendAnimation = menu_.AlphaBlendAnimation;
    return std::make_unique<TspSkinPopupWindow>(level, std::move(settings));
}

TMenuPlatform& UsePlatformServices(TspSkinMenu& menu)
{
    for (int i = 0; i < menu.ComponentCount(); ++i)
        if (auto* platform = dynamic_cast<TMenuPlatform*>(menu.Components(i)))
            return *platform;
    return *new TMenuPlatform(menu);
}

} // namespace vt
