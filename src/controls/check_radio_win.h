// TspSkinCheckRadioBox: a check box or radio button drawn from a check/radio record, flat (over
// its parent's image, any size) or framed (the record's skin rectangle with a fade between the
// normal and hot looks). The rules live in check_radio_model.h.
//
// RegisterCheckLabelClasses registers this class and TspSkinLabel (label_win.h) with the form
// loader.
#pragma once

#include "controls/check_radio_model.h"
#include "controls/skin_control_win.h"

namespace vt {

class TspSkinCheckRadioBox : public TspSkinCustomControl {
    VT_CLASS_NAME(TspSkinCheckRadioBox)
public:
    explicit TspSkinCheckRadioBox(TComponent* owner);
    ~TspSkinCheckRadioBox() override;

    bool Checked() const { return state_.Checked(); }
    void SetChecked(bool value);
    TCheckBoxState State() const { return state_.State(); }
    void SetState(TCheckBoxState value);
    // What a click, the space bar or the accelerator does.
    virtual void Toggle();

    bool Radio() const { return state_.Radio; }
    void SetRadio(bool value);
    bool AllowGrayed() const { return state_.AllowGrayed; }
    void SetAllowGrayed(bool value);
    int GroupIndex() const { return state_.GroupIndex; }
    void SetGroupIndex(int value) { state_.GroupIndex = value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool UseSkinFontColor() const { return FUseSkinFontColor; }
    void SetUseSkinFontColor(bool value);
    bool CanFocused() const { return FCanFocused; }
    void SetCanFocused(bool value);
    TCustomImageList* Images() const { return FImages.get(); }
    void SetImages(TCustomImageList* value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);

    bool MouseIn() const { return state_.MouseIn(); }
    bool Down() const { return state_.Down(); }
    // The framed look's fade factor: 0 normal, 1 hot.
    double FadeFactor() const { return fade_.Factor(); }

    void ChangeSkinData() override;
    void SetBounds(int left, int top, int width, int height) override;
    void CalcSkinSize(int& width, int& height) override;

    bool SetProperty(const String& name, const TPropValue& value) override;
    bool SetReference(const String& name, TComponent* value) override;

protected:
    TRecordLookup LookupRecord() const override;
    void GetSkinData() override;
    void RenderSkinLook(TspBitmap& bitmap) override;
    void RenderDefaultLook(TspBitmap& bitmap) override;
    void WndProc(TMessage& msg) override;
    void Click() override {}
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void KeyUp(WORD& key, TShiftState shift) override;

private:
    // What the control copies from its check/radio record.
    struct TLook {
        std::wstring FontName;
        TFontStyles FontStyle = 0;
        int FontHeight = 13;
        TColor FontColor = 0, ActiveFontColor = 0, FrameFontColor = 0, UnEnabledFontColor = 0;
        TRect ActiveSkinRect, CheckImageArea, TextArea;
        TCheckImageRects Images;
        bool Morphing = false;
        TMorphKind MorphKind = mkDefault;
    };

    void Apply(const TCheckChange& change);
    void UncheckGroup();
    // The hot target changed (mouse in or out, focus): fade, or repaint at once.
    void HotChanged();
    bool FadeActive() const;
    bool HotTarget();
    void StopFade();
    void FadeTick();
    void PrepareFont(TCanvas& canvas);
    void DrawCheckImage(TspBitmap& bitmap, int x, int y);
    TPoint CheckSize() const;
    void RenderFlat(TspBitmap& bitmap);
    void RenderFramedState(TspBitmap& bitmap, bool hot);
    void DrawDefaultMark(TCanvas& canvas);

    TCheckRadioState state_;
    TCheckFade fade_;
    bool fading_ = false;
    TLook look_;
    bool FUseSkinFontColor = true;
    bool FWordWrap = false;
    TComponentRef<TCustomImageList> FImages;
    int FImageIndex = 0;
    bool FFlat = true;
    bool FCanFocused = true;
};

// Registers TspSkinCheckRadioBox and TspSkinLabel with the form loader (safe to call again).
void RegisterCheckLabelClasses();

} // namespace vt
