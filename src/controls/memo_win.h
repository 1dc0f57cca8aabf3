// The skinned memo: a native multi-line edit without a non-client area whose background and frame
// are composed from a memo record (or the plain look) and whose native text is drawn over them in
// one off-screen image. Its scroll state shows on skinned bars linked by VScrollBar and
// HScrollBar; without them it shows none and still scrolls by keys, selection and wheel. The
// rules (record copy, formatting rectangle, bars, wheel, looks, redraw hold-off) are the portable
// memo_model's; read-only filtering is the framework edit's.
#pragma once

#include "controls/edit_menu_win.h"
#include "controls/memo_model.h"
#include "framework/win/edits.h"
#include "raster/bitmap.h"
#include "skin/skinned_element.h"

#include <optional>

namespace vt {

class TspSkinScrollBar;

class TspSkinMemo : public TCustomMemo, public ISkinnedElement {
    VT_CLASS_NAME(TspSkinMemo)
public:
    explicit TspSkinMemo(TComponent* owner);
    ~TspSkinMemo() override;

    // --- binding ------------------------------------------------------------------------------
    TspSkinData* SkinData() const override { return FSD.get(); }
    // Re-reads the skin at once when the container holds one.
    void SetSkinData(TspSkinData* value);
    const String& SkinDataName() const { return FSkinDataName; }
    void SetSkinDataName(const String& value);
    // The record's index in the container's control list, -1 without one.
    int SkinIndex() const { return FIndex; }
    void BeforeChangeSkinData() override;
    void ChangeSkinData() override;

    // --- look -----------------------------------------------------------------------------------
    TFont& DefaultFont() { return FDefaultFont; }
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool value);
    bool UseSkinFontColor() const { return FUseSkinFontColor; }
    void SetUseSkinFontColor(bool value);
    // On: the memo composes its own background; off: the native edit paints a plain one.
    // Recreates the window.
    bool BitMapBG() const { return FBitMapBG; }
    void SetBitMapBG(bool value);
    // The formatting rectangle last given to the native edit.
    const TRect& TextArea() const { return FTextArea; }

    // --- transparency -------------------------------------------------------------------------
    // Shows the wallpaper, or without one the parent's image, instead of the skin.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // Assigning a picture turns Transparent on; an empty one leaves it.
    const TspBitmap& Wallpaper() const { return FWallpaper; }
    void SetWallpaper(const TspBitmap& value);
    bool WallpaperStretch() const { return FWallpaperStretch; }
    void SetWallpaperStretch(bool value);
    // Blends the composed background with the parent's image; 255 shows the parent alone inside
    // the frame.
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool value);
    uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(uint8_t value);

    // --- linked bars ------------------------------------------------------------------------------
    TspSkinScrollBar* VScrollBar() const { return FVScrollBar.get(); }
    void SetVScrollBar(TspSkinScrollBar* bar);
    TspSkinScrollBar* HScrollBar() const { return FHScrollBar.get(); }
    void SetHScrollBar(TspSkinScrollBar* bar);
    // Brings the linked bars in step with the native scroll state.
    void UpDateScrollRange();

    // The built-in context menu while it is open.
    TspSkinPopupMenu* SysPopupMenu() const { return FSysPopupMenu.Menu(); }

    TNotifyEvent OnMouseEnter, OnMouseLeave;

    bool SetProperty(const String& name, const TPropValue& value) override;
    bool SetReference(const String& name, TComponent* value) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& msg) override;
    void Change() override;
    void ApplyTextArea() override;

private:
    const TMemoLook* Look() const { return look_ ? &*look_ : nullptr; }
    TMemoState State() const;
    // Font, colours and formatting rectangle from the record (or the default font).
    void ApplyLook();
    void ApplyTextRect();
    // Background and frame at the client's size.
    void RenderBackground(TspBitmap& bitmap);
    // The skin or plain look; returns the part inside the frame.
    TRect RenderLook(TspBitmap& bitmap);
    // The parent's image under the memo.
    void RenderParent(TspBitmap& bitmap);
    // A disabled memo's own text, in the text area, over the background.
    void DrawDisabledText(HDC dc);
    // Repaints when the look shows the parent, whose image changed.
    bool ShowsParent() const;
    // Background, frame and the native text in one image, copied to dc.
    void PaintComposed(HDC dc);
    // Repaints now through the composition.
    void RefreshComposed();
    void Apply(const TMemoRedrawAction& action);
    void LinkBar(TComponentRef<TspSkinScrollBar>& slot, TspSkinScrollBar* bar, UINT scrollMsg);
    void JudgeState(TMemoEvent e);

    TComponentRef<TspSkinData> FSD;
    String FSkinDataName = L"memo";
    int FIndex = -1;
    std::optional<TMemoLook> look_;
    TFont FDefaultFont;
    bool FUseSkinFont = true, FUseSkinFontColor = true;
    bool FBitMapBG = true;
    bool FTransparent = false;
    TspBitmap FWallpaper;
    bool FWallpaperStretch = false;
    bool FAlphaBlend = false;
    uint8_t FAlphaBlendValue = 0;
    bool FStopDraw = false;
    bool FIsCanScroll = false;
    bool FMouseIn = false;
    bool updatingBars_ = false;
    TRect FTextArea;
    TMemoRedraw redraw_;
    TComponentRef<TspSkinScrollBar> FVScrollBar, FHScrollBar;
    TEditMenuSlot FSysPopupMenu;
};

void RegisterMemoClasses();

} // namespace vt
