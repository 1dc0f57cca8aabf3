// TspSkinUpDown: two skinned arrow buttons that step a position, repeating while one is held
// (window timer 1, the mouse captured). The rules are the portable TUpDownModel's.
#pragma once

#include "controls/skin_control_win.h"
#include "controls/up_down_model.h"

namespace vt {

class TspSkinUpDown : public TspSkinCustomControl, private IUpDownSink {
    VT_CLASS_NAME(TspSkinUpDown)
public:
    explicit TspSkinUpDown(TComponent* owner);
    ~TspSkinUpDown() override;

    bool UseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool value);
    TUDOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TUDOrientation value);
    int Increment() const { return model_.Increment(); }
    void SetIncrement(int value) { model_.SetIncrement(value); }
    int Position() const { return model_.Position(); }
    void SetPosition(int value) { model_.SetPosition(value); }
    int Min() const { return model_.Min(); }
    void SetMin(int value) { model_.SetMin(value); }
    int Max() const { return model_.Max(); }
    void SetMax(int value) { model_.SetMax(value); }

    // The buttons' state, for the page control and tests.
    const TUpDownModel& Model() const { return model_; }

    TNotifyEvent OnUpButtonClick;
    TNotifyEvent OnDownButtonClick;
    TNotifyEvent OnChange;

    void GetSkinData() override;
    void CalcSkinSize(int& width, int& height) override;
    void ApplySkinRegion() override;
    bool SetProperty(const String& name, const TPropValue& value) override;

protected:
    void RenderDefaultLook(TspBitmap& bitmap) override;
    void RenderSkinLook(TspBitmap& bitmap) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void WndProc(TMessage& msg) override;

private:
    static constexpr UINT_PTR kTimerId = 1;

    // IUpDownSink
    void StartTimer(unsigned ms) override { SetWindowTimer(kTimerId, ms); }
    void StopTimer() override { KillWindowTimer(kTimerId); }
    void Redraw() override { Refresh(); }
    void Changed() override;
    void UpClick() override { Raise(OnUpButtonClick, this); }
    void DownClick() override { Raise(OnDownButtonClick, this); }

    void UpdateButtonRects();
    bool SkinSized() const { return FUseSkinSize && HasRecord(); }
    void RenderResizeButton(TspBitmap& bitmap, int i);

    bool FUseSkinSize = true;
    TUDOrientation FOrientation = udHorizontal;
    TUpDownModel model_{*this};
    TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect, ActiveDownButtonRect,
        DownDownButtonRect;
};

} // namespace vt
