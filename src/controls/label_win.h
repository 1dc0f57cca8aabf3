// TspSkinLabel: a static caption over a label record's skin rectangle, its parent's image
// (Transparent) or a plain framed face, optionally with a blurred shadow or a reflection,
// shortened with "..." and widened to fit (AutoSize). Its accelerator focuses FocusControl.
// The rules live in label_model.h.
#pragma once

#include "controls/label_model.h"
#include "controls/skin_control_win.h"

namespace vt {

class TspSkinLabel : public TspSkinCustomControl {
    VT_CLASS_NAME(TspSkinLabel)
public:
    explicit TspSkinLabel(TComponent* owner);

    bool ShadowEffect() const { return FShadowEffect; }
    void SetShadowEffect(bool value) { Store(FShadowEffect, value); }
    int ShadowOffset() const { return FShadowOffset; }
    void SetShadowOffset(int value) { Store(FShadowOffset, value); }
    int ShadowSize() const { return FShadowSize; }
    void SetShadowSize(int value) { Store(FShadowSize, value); }
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value) { Store(FShadowColor, value); }
    bool ReflectionEffect() const { return FReflectionEffect; }
    void SetReflectionEffect(bool value) { Store(FReflectionEffect, value); }
    int ReflectionOffset() const { return FReflectionOffset; }
    void SetReflectionOffset(int value) { Store(FReflectionOffset, value); }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { Store(FAlignment, value); }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { Store(FTransparent, value); }
    TspEllipsType2 EllipsType() const { return FEllipsType; }
    void SetEllipsType(TspEllipsType2 value);
    bool UseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool value);
    bool UseSkinFontColor() const { return FUseSkinFontColor; }
    void SetUseSkinFontColor(bool value);
    TspSkinBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TspSkinBorderStyle value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    TWinControl* FocusControl() const { return FFocusControl.get(); }
    void SetFocusControl(TWinControl* value) { FFocusControl = value; }

    // The width change that makes the caption fit.
    virtual int AutoSizeDelta();

    void ChangeSkinData() override;
    void SetBounds(int left, int top, int width, int height) override;
    // The label's size rule, then the width grown to fit the caption (AutoSize).
    void CalcSkinSize(int& width, int& height) override;
    void Loaded() override;

    bool SetProperty(const String& name, const TPropValue& value) override;
    bool SetReference(const String& name, TComponent* value) override;

protected:
    TRecordLookup LookupRecord() const override;
    void GetSkinData() override;
    void PrepareGeometry() override;
    void RenderSkinLook(TspBitmap& bitmap) override;
    void RenderDefaultLook(TspBitmap& bitmap) override;
    void DefaultFontChanged() override;
    void WndProc(TMessage& msg) override;

private:
    template <class T> void Store(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        Refresh();
    }
    // The label's geometry moved to a size by its own rule (no AutoSize growth).
    void ComputeGeometry(int& width, int& height);
    // Setting AutoSize or a caption change: the width follows the caption, both ways.
    void AdjustSize();
    void PrepareFont(TCanvas& canvas);
    // The caption's width in the font it is drawn in.
    int CaptionWidth();
    void DrawCaption(TspBitmap& bitmap, const TRect& r);

    std::wstring FFontName;
    TFontStyles FFontStyle = 0;
    int FFontHeight = 13;
    TColor FFontColor = 0;
    bool FShadowEffect = false;
    int FShadowOffset = 0;
    int FShadowSize = 3;
    TColor FShadowColor = clBlack;
    bool FReflectionEffect = false;
    int FReflectionOffset = -5;
    TspEllipsType2 FEllipsType = spetNoneEllips;
    bool FUseSkinSize = true;
    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = false;
    TspSkinBorderStyle FBorderStyle = bvFrame;
    bool FUseSkinFontColor = true;
    bool FTransparent = false;
    TComponentRef<TWinControl> FFocusControl;
};

} // namespace vt
