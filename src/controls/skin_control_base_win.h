// The two layers every skinned control is built from, written once for both kinds of control:
//
//   TSkinControlLayer<Base>        binding to a container and a record name, the paint pipeline
//                                  (skin look, default look, blending over the parent), the skin
//                                  cursor and the parent-background notice (1284)
//   TSkinCustomControlLayer<Plain> the record's stretchable geometry: size rules, RenderSkinRect,
//                                  the split frame, the mask region, the default size and font
//
// Base is TCustomControl (windowed) or TGraphicControl (window-less); skin_control_win.h and
// graphic_skin_control_win.h name the four classes. The decisions come from the portable model
// (skin_control_model.h) and the pixels from skin_look.h.
#pragma once

#include "controls/skin_control_model.h"
#include "skin/skinned_element.h"
#include "framework/win/controls.h"
#include "raster/image_list.h"

#include <type_traits>

namespace vt {

// Sent to windowed children (performed on window-less ones) when what lies under them changed.
inline constexpr UINT SKINMSG_PARENT_BG_CHANGED = WM_USER + 260;

template <class Base> class TSkinControlLayer : public Base, public ISkinnedElement {
public:
    static constexpr bool kWindowed = std::is_base_of_v<TWinControl, Base>;

    explicit TSkinControlLayer(TComponent* owner);

    // --- binding ------------------------------------------------------------------------------
    TspSkinData* SkinData() const override { return FSD.get(); }
    // Refreshes at once when the container holds a skin.
    virtual void SetSkinData(TspSkinData* value);
    const String& SkinDataName() const { return FSkinDataName; }
    // Stores the name only: the next paint, SetBounds or skin change looks it up.
    virtual void SetSkinDataName(const String& value) { FSkinDataName = value; }
    // The record's index in the container's control list, -1 without one.
    int SkinIndex() const { return FIndex; }
    bool HasRecord() const { return FIndex >= 0; }

    // --- properties ---------------------------------------------------------------------------
    bool DrawDefault() const { return FDrawDefault; }
    void SetDrawDefault(bool value);
    const String& AreaName() const { return FAreaName; }
    void SetAreaName(const String& value) { FAreaName = value; }
    bool AlphaBlend() const { return FAlphaBlend; }
    virtual void SetAlphaBlend(bool value);
    uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
    virtual void SetAlphaBlendValue(uint8_t value);
    bool UseSkinCursor() const { return FUseSkinCursor; }
    void SetUseSkinCursor(bool value) { FUseSkinCursor = value; }
    const String& HintTitle() const { return FHintTitle; }
    void SetHintTitle(const String& value) { FHintTitle = value; }
    int HintImageIndex() const { return FHintImageIndex; }
    void SetHintImageIndex(int value) { FHintImageIndex = value; }
    TCustomImageList* HintImageList() const { return FHintImageList.get(); }
    void SetHintImageList(TCustomImageList* value) { FHintImageList = value; }

    // --- skin change --------------------------------------------------------------------------
    // Looks the record up by name; derived controls copy their own fields after calling it.
    virtual void GetSkinData();
    void BeforeChangeSkinData() override { FIndex = -1; }
    void ChangeSkinData() override;
    // With AlphaBlend on: repaints and passes the notice on to the children.
    virtual void CheckParentBackground();
    // Sends the parent-background notice to the windowed children and performs it on the
    // window-less ones (a window-less control has none).
    void CheckControlsBackground();

    bool SetProperty(const String& name, const TPropValue& value) override;
    bool SetReference(const String& name, TComponent* value) override;

    // True while the control handles its own WM_PAINT: an erase inside it is not a parent
    // capturing the control's image.
    bool FromWMPaint = false;

protected:
    // The record a lookup accepts; the custom layer asks for custom control records.
    virtual TRecordLookup LookupRecord() const;
    // Fills the client area with the button face colour.
    virtual void RenderDefaultLook(TspBitmap& bitmap);
    virtual void RenderSkinLook(TspBitmap& bitmap) {}
    // The custom layer's parts of painting: the geometry at the current size, its resize mode,
    // the split frame.
    virtual void PrepareGeometry() {}
    virtual TResizeMode PaintMode() const { return rmFixed; }
    virtual bool ForceBackgroundPaint() const { return false; }
    virtual void RenderSplitFrame(TspBitmap& bitmap) {}
    void Paint() override;
    void WndProc(TMessage& msg) override;
    // Repaints now when the control can be seen.
    void Refresh();
    // The container when it holds a skin, else null.
    const TspSkinData* LoadedSkin() const;

    int CursorIndex = -1;
    int FIndex = -1;

private:
    TComponentRef<TspSkinData> FSD;
    String FAreaName;
    String FSkinDataName;
    bool FDrawDefault = true;
    bool FAlphaBlend = false;
    uint8_t FAlphaBlendValue = 200;
    bool FUseSkinCursor = false;
    String FHintTitle;
    int FHintImageIndex = 0;
    TComponentRef<TCustomImageList> FHintImageList;
};

template <class Plain> class TSkinCustomControlLayer : public Plain {
public:
    static constexpr bool kWindowed = Plain::kWindowed;

    explicit TSkinCustomControlLayer(TComponent* owner);
    ~TSkinCustomControlLayer() override;

    // The record's geometry and the geometry moved to the current size.
    const TControlGeometry& Geometry() const { return geometry_; }
    TResizeMode ResizeMode() const { return geometry_.HasRecord ? geometry_.Mode : rmFixed; }

    bool ForceBackground() const { return FForceBackground; }
    void SetForceBackground(bool value) { FForceBackground = value; }
    bool DrawBackground() const { return FDrawbackground; }
    void SetDrawBackground(bool value) { FDrawbackground = value; }
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool value) { FUseSkinFont = value; }
    int DefaultWidth() const { return FDefaultWidth; }
    void SetDefaultWidth(int value);
    int DefaultHeight() const { return FDefaultHeight; }
    void SetDefaultHeight(int value);
    TFont& DefaultFont() { return FDefaultFont; }
    void SetDefaultFont(const TFont& value) { FDefaultFont.Assign(value); }

    int ClientAreaLeft() const { return geometry_.NewClRect.Left; }
    int ClientAreaTop() const { return geometry_.NewClRect.Top; }
    int ClientAreaWidth() const { return geometry_.NewClRect.Width(); }
    int ClientAreaHeight() const { return geometry_.NewClRect.Height(); }

    void GetSkinData() override;
    void ChangeSkinData() override;
    void SetBounds(int left, int top, int width, int height) override;
    // The skin's size for a requested one (and the geometry moved to it).
    virtual void CalcSkinSize(int& width, int& height) { geometry_.CalcSkinSize(width, height); }
    // Sets, replaces or removes the window region cut from the record's mask (windowed only).
    virtual void ApplySkinRegion();
    // True while a region from the mask is set on the window.
    bool HasSkinRegion() const { return regionApplied_; }

    bool SetProperty(const String& name, const TPropValue& value) override;

protected:
    virtual void DefaultFontChanged() {}
    TRecordLookup LookupRecord() const override;
    void RenderSkinLook(TspBitmap& bitmap) override;
    // Composes rect of picture at the control's size by the resize mode.
    void RenderSkinRect(TspBitmap& bitmap, TPixelView picture, const TRect& rect);
    void PrepareGeometry() override;
    TResizeMode PaintMode() const override { return ResizeMode(); }
    bool ForceBackgroundPaint() const override { return FForceBackground; }
    void RenderSplitFrame(TspBitmap& bitmap) override;
    // The record's picture and mask in the container, empty without them.
    TPixelView Picture() const;
    TPixelView MaskPicture() const;
    void WndProc(TMessage& msg) override;
    // For controls that keep a different size rule or drop the mask (a button not using the
    // skin's size).
    TControlGeometry& MutableGeometry() { return geometry_; }
    // A picture of the container's active list, empty for an index outside it.
    TPixelView ActivePicture(int32_t index) const;
    // A property that picks the size rule changed: the control takes the size the rule now gives
    // and the region that goes with it (nothing while loading).
    void ApplySizeRule();

private:

    TControlGeometry geometry_;
    bool FForceBackground = false;
    bool FDrawbackground = true;
    bool FUseSkinFont = true;
    int FDefaultWidth = 0;
    int FDefaultHeight = 0;
    TFont FDefaultFont;
    bool regionApplied_ = false;
};

} // namespace vt
