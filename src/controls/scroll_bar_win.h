// TspSkinScrollBar: a skinned horizontal or vertical scroll bar (two arrow buttons, a track and a
// thumb) drawn from a scroll bar record or in the plain look. The rules are the portable
// TScrollBarModel's; this class feeds it mouse, timer 1, capture, keys and wheel, and paints.
// RegisterScrollBarClasses registers the class with the form loader.
#pragma once

#include "controls/scroll_bar_model.h"
#include "controls/skin_control_win.h"

namespace vt {

class TspSkinScrollBar : public TspSkinCustomControl, private IScrollBarSink {
    VT_CLASS_NAME(TspSkinScrollBar)
public:
    static constexpr int kDefaultHeight = 19;

    explicit TspSkinScrollBar(TComponent* owner);
    ~TspSkinScrollBar() override;

    TScrollBarKind Kind() const { return model_.Kind(); }
    void SetKind(TScrollBarKind value);
    int Position() const { return model_.Position(); }
    void SetPosition(int value) { model_.SetPosition(value); }
    void SimplySetPosition(int value) { model_.SimplySetPosition(value); }
    void SetRange(int min, int max, int pageSize, int position)
    {
        model_.SetRange(min, max, pageSize, position);
    }
    int Min() const { return model_.Min(); }
    void SetMin(int value) { model_.SetMin(value); }
    int Max() const { return model_.Max(); }
    void SetMax(int value) { model_.SetMax(value); }
    int PageSize() const { return model_.PageSize(); }
    void SetPageSize(int value) { model_.SetPageSize(value); }
    int SmallChange() const { return model_.SmallChange(); }
    void SetSmallChange(int value) { model_.SetSmallChange(value); }
    int LargeChange() const { return model_.LargeChange(); }
    void SetLargeChange(int value) { model_.SetLargeChange(value); }
    bool Both() const { return model_.Both(); }
    // Switches to BothSkinDataName (on) or back to the name in use before (off).
    void SetBoth(bool value);
    int BothMarkerWidth() const { return model_.BothMarkerWidth(); }
    void SetBothMarkerWidth(int value) { model_.SetBothMarkerWidth(value); }
    const String& BothSkinDataName() const { return FBothSkinDataName; }
    void SetBothSkinDataName(const String& value) { FBothSkinDataName = value; }
    bool CanFocused() const { return FCanFocused; }
    // Lets the bar take the focus (and a place in the tab order) for arrow keys and the wheel.
    void SetCanFocused(bool value);

    // The parts' state, for the list box and tests.
    const TScrollBarModel& Model() const { return model_; }

    TNotifyEvent OnChange;
    TNotifyEvent OnLastChange;
    TNotifyEvent OnUpButtonClick;
    TNotifyEvent OnDownButtonClick;
    TNotifyEvent OnPageUp;
    TNotifyEvent OnPageDown;

    void GetSkinData() override;
    bool SetProperty(const String& name, const TPropValue& value) override;

protected:
    void RenderDefaultLook(TspBitmap& bitmap) override;
    void RenderSkinLook(TspBitmap& bitmap) override;
    void PrepareGeometry() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    bool DoMouseWheel(TShiftState shift, int delta, TPoint mousePos) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void WndProc(TMessage& msg) override;

private:
    static constexpr UINT_PTR kTimerId = 1;

    // IScrollBarSink
    void StartTimer(unsigned ms) override { SetWindowTimer(kTimerId, ms); }
    void StopTimer() override { KillWindowTimer(kTimerId); }
    void Redraw() override { Refresh(); }
    void Changed() override { Raise(OnChange, this); }
    void LastChange() override { Raise(OnLastChange, this); }
    bool UpButtonClick() override;
    bool DownButtonClick() override;
    void PageUp() override { Raise(OnPageUp, this); }
    void PageDown() override { Raise(OnPageDown, this); }

    // The thumb shows its pressed look while dragged or while the bar has the focus.
    bool ThumbPressed() const;
    void RenderThumb(TspBitmap& bitmap, const TScrollBarSkin& s);

    TScrollBarModel model_{*this};
    String FNormalSkinDataName;
    String FBothSkinDataName = L"bothhscrollbar";
    bool FCanFocused = false;
};

void RegisterScrollBarClasses();

} // namespace vt
