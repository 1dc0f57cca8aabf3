// The skinned buttons:
//
//   TSkinButtonLayer<Base>   what every skinned button shares, windowed or not: the state machine
//                            (button_model.h) fed with mouse, capture and timer events, the
//                            record copy, the state looks, the fade and frame animation, glyph or
//                            image list and caption, OnPaint
//   TspSkinButton            the windowed push button: focus, Space and Enter, Default, Cancel,
//                            accelerator, ModalResult, the glow frame, the mask region
//   TspSkinSpeedButton       a window-less tool button: Flat, ShowCaption
//   TspSkinMenuSpeedButton   a speed button that drops a skinned popup menu
#pragma once

#include "controls/button_model.h"
#include "controls/graphic_skin_control_win.h"
#include "controls/skin_control_win.h"
#include "framework/win/forms.h"
#include "menus/skin_popup_menu_win.h"
#include "raster/caption.h"

#include <memory>

namespace vt {

class TTimer;
class TspLayerManager;

// Posted to a button to show and hide its glow frame after the current mouse handling.
inline constexpr UINT SKINMSG_SHOW_GLOW = WM_USER + 400;
inline constexpr UINT SKINMSG_HIDE_GLOW = WM_USER + 401;

// Sender, canvas, content rectangle, down, mouse in, draw default (set false to draw nothing more).
using TspButtonPaintEvent = TEvent<TObject*, TCanvas&, TRect, bool, bool, bool&>;

template <class Base> class TSkinButtonLayer : public Base, protected IButtonHost {
public:
    explicit TSkinButtonLayer(TComponent* owner);
    ~TSkinButtonLayer() override;

    bool Down() const { return model_.Down(); }
    void SetDown(bool value);
    int GroupIndex() const { return model_.Options.GroupIndex; }
    virtual void SetGroupIndex(int value);
    bool AllowAllUp() const { return model_.Options.AllowAllUp; }
    void SetAllowAllUp(bool value) { model_.Options.AllowAllUp = value; }
    bool CheckedMode() const { return model_.Options.CheckedMode; }
    void SetCheckedMode(bool value);
    bool RepeatMode() const { return model_.Options.RepeatMode; }
    void SetRepeatMode(bool value) { model_.Options.RepeatMode = value; }
    int RepeatInterval() const { return model_.Options.RepeatInterval; }
    void SetRepeatInterval(int value) { model_.Options.RepeatInterval = value; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool UseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool value);
    bool UseSkinFontColor() const { return FUseSkinFontColor; }
    void SetUseSkinFontColor(bool value);
    // The glyph strip: NumGlyphs images side by side (normal, disabled, pressed, hot).
    TspBitmap& Glyph() { return FGlyph; }
    void SetGlyph(const TspBitmap& value);
    int NumGlyphs() const { return FNumGlyphs; }
    // Values outside 1..4 keep the old one.
    void SetNumGlyphs(int value);
    int Margin() const { return FMargin; }
    // Values below -1 keep the old one.
    void SetMargin(int value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    TspButtonLayout Layout() const { return FLayout; }
    void SetLayout(TspButtonLayout value);
    TCustomImageList* ImageList() const { return FImageList.get(); }
    void SetImageList(TCustomImageList* value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);

    // The state machine, for the window's owner and tests.
    const TButtonModel& Model() const { return model_; }
    const TButtonSkin& ButtonSkin() const { return skin_; }
    // Clears the hover and down state and the fade, and repaints.
    void RefreshButton() { model_.Reset(); }
    // The click: OnClick (a windowed button also sets its form's ModalResult).
    void ButtonClick() override;

    void GetSkinData() override;
    void ChangeSkinData() override;
    void BeforeChangeSkinData() override;
    void SetBounds(int left, int top, int width, int height) override;

    TspButtonPaintEvent OnPaint;

    bool SetProperty(const String& name, const TPropValue& value) override;
    bool SetReference(const String& name, TComponent* value) override;

protected:
    // --- IButtonHost ---
    void Repaint() override { this->Refresh(); }
    void StartTimer(TButtonTimer timer, int ms) override;
    void StopTimer(TButtonTimer timer) override;
    void RaiseGroupSiblings() override;
    void PostGlow(bool show) override {}

    TRecordLookup LookupRecord() const override;
    void RenderSkinLook(TspBitmap& bitmap) override;
    void RenderDefaultLook(TspBitmap& bitmap) override;
    // One state of the look from rect of the picture.
    virtual void RenderButtonState(TspBitmap& bitmap, const TRect& rect, bool active, bool down);
    // Glyph or image list and caption inside r.
    void DrawContent(TCanvas& canvas, const TRect& r, bool active, bool down);
    // The caption the content shows.
    virtual std::wstring ContentCaption() const { return this->Caption(); }
    // The look a paint shows now.
    TButtonLook CurrentLook() const;
    // The skin with the running animation frame in place of the hot or normal rectangle.
    TButtonSkin PaintSkin() const;
    // The rectangle the content is drawn in at the control's size.
    TRect ContentRect() const;
    // Whether the button has the focus for its looks.
    virtual bool HasButtonFocus() const { return false; }
    // The idle look shows the parent (Transparent, or a flat speed button).
    virtual bool IdleShowsParent() const { return FTransparent; }
    // Takes the focus for a press; false drops the press.
    virtual bool FocusForPress() { return true; }
    // Mouse notices that a derived button may take over (a tracked menu).
    virtual void HoverChanged(bool in);
    virtual bool TakePress(int x, int y) { return false; }
    virtual bool TakeRelease() { return false; }
    // Whether the pointer is over the button at (x, y) of its client area.
    virtual bool PointOver(int x, int y) const;
    // The platform click after a release over the button: the state machine clicks instead.
    void Click() override {}
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void WndProc(TMessage& msg) override;

    TButtonModel model_{*this};
    TButtonSkin skin_;
    // The pointer is over the button (enter seen, leave not yet).
    bool pointerIn_ = false;
    // The speed buttons draw their glyph before the image list.
    bool glyphFirst_ = false;

private:
    TTimer*& TimerSlot(TButtonTimer timer) { return timers_[static_cast<size_t>(timer)]; }

    bool FTransparent = false;
    bool FUseSkinSize = true;
    bool FUseSkinFontColor = true;
    TspBitmap FGlyph;
    int FNumGlyphs = 1;
    int FMargin = -1;
    int FSpacing = 1;
    TspButtonLayout FLayout = blGlyphLeft;
    TComponentRef<TCustomImageList> FImageList;
    int FImageIndex = -1;
    // Made at their first start, one for each TButtonTimer.
    TTimer* timers_[3] = {};
};

class TspSkinButton : public TSkinButtonLayer<TspSkinCustomControl> {
    VT_CLASS_NAME(TspSkinButton)
public:
    explicit TspSkinButton(TComponent* owner);

    bool CanFocused() const { return model_.Options.CanFocused; }
    void SetCanFocused(bool value);
    void SetGroupIndex(int value) override;
    bool Default() const { return model_.Options.Default; }
    void SetDefault(bool value);
    bool Cancel() const { return model_.Options.Cancel; }
    void SetCancel(bool value) { model_.Options.Cancel = value; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    bool AlwaysShowLayeredFrame() const { return FAlwaysShowGlowFrame; }
    void SetAlwaysShowLayeredFrame(bool value) { FAlwaysShowGlowFrame = value; }
    bool SpaceSupport() const { return model_.Options.SpaceSupport; }
    void SetSpaceSupport(bool value) { model_.Options.SpaceSupport = value; }
    // The layer of the glow frame.
    TspLayerManager& LayerManager() { return *FLayerManager; }

    void ButtonClick() override;
    void BeforeChangeSkinData() override;

    bool SetProperty(const String& name, const TPropValue& value) override;

protected:
    void PostGlow(bool show) override;
    bool HasButtonFocus() const override;
    bool FocusForPress() override;
    bool PointOver(int x, int y) const override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyUp(WORD& key, TShiftState shift) override;
    void WndProc(TMessage& msg) override;

private:
    void ShowGlow();
    void HideGlow();
    // Which button Enter presses now that focused (null: none) has the form's focus.
    void FocusMovedTo(TWinControl* focused);

    TModalResult FModalResult = 0;
    bool FAlwaysShowGlowFrame = false;
    TspLayerManager* FLayerManager = nullptr;  // owned as a component
};

class TspSkinSpeedButton : public TSkinButtonLayer<TspGraphicSkinCustomControl> {
    VT_CLASS_NAME(TspSkinSpeedButton)
public:
    explicit TspSkinSpeedButton(TComponent* owner);

    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool ShowCaption() const { return FShowCaption; }
    // Switches the width to WidthWithCaption or WidthWithoutCaption when both are positive.
    void SetShowCaption(bool value);
    int WidthWithCaption() const { return FWidthWithCaption; }
    void SetWidthWithCaption(int value) { FWidthWithCaption = value; }
    int WidthWithoutCaption() const { return FWidthWithoutCaption; }
    void SetWidthWithoutCaption(int value) { FWidthWithoutCaption = value; }

    bool SetProperty(const String& name, const TPropValue& value) override;

protected:
    bool IdleShowsParent() const override;
    std::wstring ContentCaption() const override;

private:
    bool FFlat = false;
    bool FShowCaption = true;
    int FWidthWithCaption = 0;
    int FWidthWithoutCaption = 0;
};

class TspSkinMenuSpeedButton : public TspSkinSpeedButton {
    VT_CLASS_NAME(TspSkinMenuSpeedButton)
public:
    explicit TspSkinMenuSpeedButton(TComponent* owner);

    TspSkinPopupMenu* SkinPopupMenu() const { return FSkinPopupMenu.get(); }
    void SetSkinPopupMenu(TspSkinPopupMenu* value) { FSkinPopupMenu = value; }
    bool TrackButtonMode() const { return FTrackButtonMode; }
    void SetTrackButtonMode(bool value) { FTrackButtonMode = value; }
    // True while the dropped menu is open.
    bool MenuTracked() const { return FMenuTracked; }
    // The part that opens the menu, in client coordinates (the whole button without
    // TrackButtonMode).
    TRect TrackRect() const;

    TNotifyEvent OnHideTrackMenu;

    void GetSkinData() override;
    bool SetProperty(const String& name, const TPropValue& value) override;
    bool SetReference(const String& name, TComponent* value) override;

protected:
    void HoverChanged(bool in) override;
    bool TakePress(int x, int y) override;
    bool TakeRelease() override { return FMenuTracked; }
    void WndProc(TMessage& msg) override;

private:
    void MenuClosed();

    TComponentRef<TspSkinPopupMenu> FSkinPopupMenu;
    bool FTrackButtonMode = false;
    bool FMenuTracked = false;
    TRect FTrackButtonRect;
};

// Makes the button classes known to the form loader. Idempotent.
void RegisterButtonClasses();

} // namespace vt
