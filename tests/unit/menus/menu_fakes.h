// Fakes for the menu models' platform interfaces: a text measurer of 7 px per character and
// 16 px lines, a timer on a fake clock, a recording message sink and views.
#pragma once

#include "framework/base/menus.h"
#include "menus/menu_services.h"
#include "menus/skin_menu.h"
#include "raster/caption.h"

#include <string>
#include <utility>
#include <vector>

namespace vt::test {

class TFakeText : public ITextRenderer {
public:
    static constexpr int kCharWidth = 7, kLineHeight = 16;
    TRect Measure(const std::wstring& text, const TRect& r, uint32_t) override
    {
        const int n = static_cast<int>(StripHotkey(text).size());
        return Rect(r.Left, r.Top, r.Left + n * kCharWidth, r.Top + kLineHeight);
    }
    int DrawText(TspBitmap&, const std::wstring&, const TRect&, uint32_t, TColor) override { return kLineHeight; }
    int FontHeight() const override { return 13; }
};

// A one-shot timer whose owner is ticked when the fake clock passes its deadline.
class TFakeTimer : public IMenuTimer {
public:
    void Start(uint32_t ms) override { Deadline = Now + static_cast<int>(ms); }
    void Stop() override { Deadline = -1; }
    // Advances the clock; fires the menu's wait tick when the deadline passes.
    void Advance(int ms, TspSkinMenu& menu)
    {
        Now += ms;
        if (Deadline >= 0 && Now >= Deadline) {
            Deadline = -1;
            menu.WaitTimerTick();
        }
    }
    int Now = 0;
    int Deadline = -1;
};

class TFakeSink : public IMenuMessageSink {
public:
    void SendMenuMessage(TComponent* target, uint32_t message) override { Sent.push_back({target, message}); }
    std::vector<std::pair<TComponent*, uint32_t>> Sent;
};

class TFakeWorkArea : public IMenuWorkArea {
public:
    TRect WorkAreaOf(TPoint) override { return Area; }
    TRect Area = Rect(0, 0, 1024, 768);
};

class TFakeView : public IMenuLevelView {
public:
    explicit TFakeView(std::vector<std::wstring>& log) : log_(log) {}
    void Show(TPoint p, int32_t w, int32_t h, bool first) override
    {
        log_.push_back(L"show " + IntToStr(p.X) + L"," + IntToStr(p.Y) + L" " + IntToStr(w) + L"x" + IntToStr(h) +
                       (first ? L" first" : L""));
    }
    void Hide() override { log_.push_back(L"hide"); }
    void Invalidate() override {}
    void SetScrollTimer(bool on) override { log_.push_back(on ? L"scroll on" : L"scroll off"); }
    void StartEffectTimer(uint32_t ms) override { log_.push_back(L"effects " + IntToStr(static_cast<int>(ms))); }

private:
    std::vector<std::wstring>& log_;
};

class TFakeViews : public IMenuLevelViews {
public:
    std::unique_ptr<IMenuLevelView> CreateView(TspPopupLevel&) override { return std::make_unique<TFakeView>(Log); }
    std::vector<std::wstring> Log;
};

inline TMenuItem* AddItem(TMenuItem* parent, const wchar_t* caption, bool enabled = true)
{
    auto* item = new TMenuItem(nullptr);
    item->Caption = caption;
    item->Enabled = enabled;
    parent->Add(item);
    return item;
}

} // namespace vt::test
