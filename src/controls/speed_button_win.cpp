// The window-less buttons: TspSkinSpeedButton and TspSkinMenuSpeedButton, and the registration of
// every button class.
#include "controls/button_win.h"

#include "framework/base/form_loader.h"
#include "framework/base/property_table.h"
#include "menus/menu_services.h"
#include "menus/skin_menu.h"
#include "menus/skin_menu_host.h"
#include "menus/skin_popup_menu_win.h"
#include "skin/skin_data.h"

namespace vt {

// --- TspSkinSpeedButton -----------------------------------------------------------------------

TspSkinSpeedButton::TspSkinSpeedButton(TComponent* owner) : TSkinButtonLayer(owner)
{
    SetSkinDataName(L"toolbutton");
    glyphFirst_ = true;
    SetBounds(0, 0, 25, 25);
}

void TspSkinSpeedButton::SetFlat(bool value)
{
    if (FFlat == value)
        return;
    FFlat = value;
    Refresh();
}

void TspSkinSpeedButton::SetShowCaption(bool value)
{
    if (FShowCaption == value)
        return;
    FShowCaption = value;
    if (FWidthWithCaption > 0 && FWidthWithoutCaption > 0)
        SetWidth(value ? FWidthWithCaption : FWidthWithoutCaption);
    Refresh();
}

bool TspSkinSpeedButton::IdleShowsParent() const { return FFlat || Transparent(); }

std::wstring TspSkinSpeedButton::ContentCaption() const { return FShowCaption ? Caption() : std::wstring(); }

bool TspSkinSpeedButton::SetProperty(const String& name, const TPropValue& value)
{
    using Row = TPropertyRow<TspSkinSpeedButton>;
    static const Row rows[] = {
        {L"Flat", [](TspSkinSpeedButton& c, const TPropValue& v) { c.SetFlat(v.AsBoolean()); }},
        {L"ShowCaption", [](TspSkinSpeedButton& c, const TPropValue& v) { c.SetShowCaption(v.AsBoolean()); }},
        {L"WidthWithCaption",
         [](TspSkinSpeedButton& c, const TPropValue& v) { c.SetWidthWithCaption(v.AsInteger()); }},
        {L"WidthWithoutCaption",
         [](TspSkinSpeedButton& c, const TPropValue& v) { c.SetWidthWithoutCaption(v.AsInteger()); }},
    };
    return SetFromTable(*this, rows, name, value) || TSkinButtonLayer::SetProperty(name, value);
}

// --- TspSkinMenuSpeedButton -------------------------------------------------------------------

namespace {

// Records whose track part is the right (or bottom) strip whatever their TrackButtonRect says.
bool FixedTrackStrip(const String& name)
{
    for (const wchar_t* n : {L"resizebutton", L"resizetoolbutton", L"toolbutton", L"bigtoolbutton"})
        if (name == n)
            return true;
    return false;
}

constexpr int kTrackStrip = 15;

} // namespace

TspSkinMenuSpeedButton::TspSkinMenuSpeedButton(TComponent* owner) : TspSkinSpeedButton(owner)
{
    SetSkinDataName(L"toolmenubutton");
}

void TspSkinMenuSpeedButton::GetSkinData()
{
    TspSkinSpeedButton::GetSkinData();
    FTrackButtonRect = {};
    if (HasRecord()) {
        const auto* r = dynamic_cast<const TspDataSkinMenuButtonControl*>(
            SkinData()->CtrlList[static_cast<size_t>(SkinIndex())].get());
        if (r)
            FTrackButtonRect = r->TrackButtonRect;
    }
}

TRect TspSkinMenuSpeedButton::TrackRect() const
{
    const int W = Width(), H = Height();
    if (!FTrackButtonMode)
        return Rect(0, 0, W, H);
    if (!HasRecord() || FTrackButtonRect.IsEmpty() || FixedTrackStrip(SkinDataName()))
        return Rect(W > kTrackStrip ? W - kTrackStrip : 0, 0, W, H);
    // The record's rectangle moves with the parts of the skin that the size change moves.
    const TControlGeometry& g = Geometry();
    const int dW = W - g.Record.SkinRect.Width(), dH = H - g.Record.SkinRect.Height();
    TRect r = FTrackButtonRect;
    if ((g.Mode == rmBoth || g.Mode == rmHorizontal) && r.Left >= g.Record.RTPt.X && g.Record.RTPt.X > 0) {
        r.Left += dW;
        r.Right += dW;
    }
    if ((g.Mode == rmBoth || g.Mode == rmVertical) && r.Top >= g.Record.LBPt.Y && g.Record.LBPt.Y > 0) {
        r.Top += dH;
        r.Bottom += dH;
    }
    return r;
}

void TspSkinMenuSpeedButton::HoverChanged(bool in)
{
    if (FMenuTracked) {
        pointerIn_ = in;
        model_.SetMouseIn(in);
        return;
    }
    TspSkinSpeedButton::HoverChanged(in);
}

bool TspSkinMenuSpeedButton::TakePress(int x, int y)
{
    if (FMenuTracked)
        return true;
    TspSkinPopupMenu* menu = FSkinPopupMenu.get();
    if (!menu || !TrackRect().Contains({x, y}))
        return false;
    FMenuTracked = true;
    model_.StopAnimation();
    // The menu takes the mouse from here.
    SetMouseCapture(false);
    model_.SetDown(true);
    TComponentRef<TControl> self(this);
    const TPoint at = ClientToScreen({0, 0});
    menu->PopupFromRect2(this, Bounds(at.X, at.Y, Width(), Height()), false);
    if (!self)
        return true;
    ISkinMenuHost* host = FSkinPopupMenu ? FSkinPopupMenu->FindHost() : nullptr;
    if (!host || !host->SkinMenu() || !host->SkinMenu()->Visible() || host->SkinMenu()->PopupCtrl() != this)
        MenuClosed();  // nothing opened: no close notice will come
    return true;
}

void TspSkinMenuSpeedButton::MenuClosed()
{
    if (!FMenuTracked)
        return;
    FMenuTracked = false;
    model_.SetDownFlag(false);
    model_.SetMouseIn(false);
    TComponentRef<TControl> self(this);
    Raise(OnHideTrackMenu, this);
    if (self)
        Refresh();
}

void TspSkinMenuSpeedButton::WndProc(TMessage& msg)
{
    if (msg.Msg == kMenuClosedMessage) {
        MenuClosed();
        return;
    }
    TspSkinSpeedButton::WndProc(msg);
}

bool TspSkinMenuSpeedButton::SetProperty(const String& name, const TPropValue& value)
{
    if (SameDescriptionName(name, L"TrackButtonMode")) {
        SetTrackButtonMode(value.AsBoolean());
        return true;
    }
    if (SameDescriptionName(name, L"OnHideTrackMenu")) {
        OnHideTrackMenu = value.AsMethod<TNotifyEvent>();
        return true;
    }
    return TspSkinSpeedButton::SetProperty(name, value);
}

bool TspSkinMenuSpeedButton::SetReference(const String& name, TComponent* value)
{
    if (SameDescriptionName(name, L"SkinPopupMenu")) {
        SetSkinPopupMenu(ReferenceOfKind<TspSkinPopupMenu>(value, L"a skinned popup menu"));
        return true;
    }
    return TspSkinSpeedButton::SetReference(name, value);
}

void RegisterButtonClasses()
{
    RegisterComponentClass<TspSkinButton>();
    RegisterComponentClass<TspSkinSpeedButton>();
    RegisterComponentClass<TspSkinMenuSpeedButton>();
}

} // namespace vt
