#include "controls/memo_model.h"

#include "skin/control_records.h"
#include "skin/skin_data.h"

#include <algorithm>

namespace vt {

namespace {

// Characters as the edit receives them.
constexpr uint32_t kCtrlA = 0x01, kCtrlC = 0x03;
constexpr wchar_t kCharBack = 0x08, kCharReturn = 0x0D;

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Whether c occurs in the text outside the selection the next character replaces.
bool OutsideSelection(const TNumEditText& s, wchar_t c)
{
    const auto n = static_cast<int64_t>(s.Text.size());
    const int64_t from = std::clamp<int64_t>(s.SelStart, 0, n);
    const int64_t to = std::clamp<int64_t>(int64_t(from) + std::max(s.SelLength, 0), from, n);
    for (int64_t i = 0; i < n; ++i)
        if ((i < from || i >= to) && s.Text[static_cast<size_t>(i)] == c)
            return true;
    return false;
}

// A right or bottom edge that never passes the left or top one.
TRect NotInverted(TRect r)
{
    r.Right = std::max(r.Right, r.Left);
    r.Bottom = std::max(r.Bottom, r.Top);
    return r;
}

} // namespace

TMemoLook CopyMemoLook(const TspSkinData& sd, const TspDataSkinMemoControl& r)
{
    TMemoLook l;
    l.Geometry = CopyRecordGeometry(sd, r, true);
    l.ActiveSkinRect = RectOr(r.ActiveSkinRect, r.SkinRect);
    l.FontName = r.FontName;
    l.FontStyle = r.FontStyle;
    l.FontHeight = r.FontHeight;
    l.FontColor = r.FontColor;
    l.ActiveFontColor = r.ActiveFontColor;
    l.DisabledFontColor = r.DisabledFontColor;
    l.BGColor = r.BGColor;
    l.ActiveBGColor = r.ActiveBGColor;
    return l;
}

TRect MemoTextArea(const TMemoTextAreaInput& in)
{
    TRect r{0, 0, in.Width, in.Height};
    if (!in.Border)
        return NotInverted(r);
    if (!in.Look) {
        r.Left += in.BitMapBG ? 3 : 6;
        r.Top += 2;
        r.Right -= 4;
        r.Bottom -= 2;
    } else {
        const TRect& cl = in.Look->Geometry.ClRect;
        const TRect& skin = in.Look->Geometry.SkinRect;
        // Without the composed background the native edit's own painting needs a little more room.
        r.Left += cl.Left + (in.BitMapBG ? 1 : 3);
        r.Top += cl.Top + (in.BitMapBG ? 1 : 2);
        r.Right += cl.Right - skin.Width() - 3;
        r.Bottom += cl.Bottom - skin.Height() - 2;
    }
    return NotInverted(r);
}

TRect EditTextArea(int32_t width, int32_t height)
{
    return NotInverted({kEditLeftMargin, 0, width - kEditRightMargin, height});
}

bool ReadOnlyDrops(const TEditInput& in)
{
    switch (in.Kind) {
    case TEditInputKind::Char:
        // Ctrl+C copies and Ctrl+A selects; every other character edits.
        return in.Code != kCtrlC && in.Code != kCtrlA;
    case TEditInputKind::KeyDown:
        // Delete (Shift cuts, Ctrl deletes a word) and Shift+Insert, which the native edit may paste
        // on without a paste request the filter could see.
        return in.Code == kKeyDelete || (in.Code == kKeyInsert && in.Shift && !in.Ctrl);
    case TEditInputKind::SysKeyDown:
        // Alt+Backspace undoes inside the native edit.
        return in.Code == kKeyBack;
    case TEditInputKind::ImeChar:
        return true;
    case TEditInputKind::ImeComposition:
        return (in.Flags & (kImeCompString | kImeResultString)) != 0;
    case TEditInputKind::Cut:
    case TEditInputKind::Paste:
    case TEditInputKind::Clear:
    case TEditInputKind::Undo:
        return true;
    case TEditInputKind::Copy:
    case TEditInputKind::Other:
        break;
    }
    return false;
}

bool NumEditAccepts(wchar_t c, const TNumEditText& state, const TNumEditRules& rules)
{
    const bool control = c < 32;
    if (control)
        return c != kCharReturn && (rules.EditorEnabled || c != kCharBack);
    if (!rules.EditorEnabled)
        return false;
    if (IsDigit(c))
        return true;
    if (rules.Float && c == rules.DecimalSeparator)
        return !OutsideSelection(state, c);
    if (c == L'-')
        return state.SelStart == 0 && (state.SelLength > 0 || !OutsideSelection(state, c));
    return false;
}

TNumEditClick NumEditKey(uint32_t key)
{
    if (key == kKeyUp)
        return TNumEditClick::Up;
    if (key == kKeyDown)
        return TNumEditClick::Down;
    return TNumEditClick::None;
}

TNumEditClick NumEditWheel(int32_t delta) { return delta <= 0 ? TNumEditClick::Up : TNumEditClick::Down; }

TEditMenuItems EditMenuItems(const TEditMenuState& s)
{
    const bool sel = s.SelLength > 0;
    const bool writable = !s.ReadOnly;
    return {{
        {L"EDIT_UNDO", L"Undo", TEditMenuAction::Undo, s.CanUndo && writable},
        {nullptr, L"-", TEditMenuAction::Separator, true},
        {L"EDIT_CUT", L"Cut", TEditMenuAction::Cut, sel && writable},
        {L"EDIT_COPY", L"Copy", TEditMenuAction::Copy, sel},
        {L"EDIT_PASTE", L"Paste", TEditMenuAction::Paste, s.ClipboardHasText && writable},
        {L"EDIT_DELETE", L"Delete", TEditMenuAction::Delete, sel && writable},
        {nullptr, L"-", TEditMenuAction::Separator, true},
        // The selection is the whole text exactly when it is as long.
        {L"EDIT_SELECTALL", L"Select All", TEditMenuAction::SelectAll, s.SelLength < s.TextLength},
    }};
}

TPoint EditMenuPoint(TPoint request, const TRect& controlOnScreen)
{
    // Only (-1, -1) marks the keyboard: a mouse on a monitor left of or above the primary one
    // has negative coordinates too.
    if (request.X != -1 || request.Y != -1)
        return request;
    return {controlOnScreen.Left + controlOnScreen.Width() / 2,
            controlOnScreen.Top + controlOnScreen.Height() / 2};
}

TMemoBarDecision DecideMemoBar(TMemoBar bar, bool memoEnabled, const TMemoScrollInfo& native)
{
    if (!memoEnabled)
        return {false, std::nullopt};
    // The vertical range counts lines from 0, so max + 1 of them; the horizontal one counts pixels.
    const int64_t extent = int64_t(native.Max) + (bar == TMemoBar::Vertical ? 1 : 0);
    if (native.Page < extent)
        return {true, TMemoBarRange{0, native.Max, native.Page, native.Position}};
    return {false, TMemoBarRange{}};
}

TWheelStep MemoWheelStep(int32_t delta) { return delta <= 0 ? TWheelStep::LineDown : TWheelStep::LineUp; }

TMemoLookChoice ChooseMemoLook(const TMemoLookInput& in)
{
    TMemoLookChoice out;
    const TMemoLook* look = in.Look;
    const bool active = in.State.Focused || in.State.MouseIn;
    if (!in.State.Enabled)
        out.FontColor = clGrayText;
    else if (look && in.UseSkinFontColor)
        out.FontColor = active ? look->ActiveFontColor : look->FontColor;
    else
        out.FontColor = in.DefaultFontColor;
    if (look) {
        // The active background colour shows only where the native edit paints its own background.
        out.Color = active && !in.BitMapBG ? look->ActiveBGColor : look->BGColor;
        out.Background = active ? look->ActiveSkinRect : look->Geometry.SkinRect;
    }
    return out;
}

TColor DisabledMemoTextColor(const TMemoLook* look) { return look ? look->DisabledFontColor : clGrayText; }

bool MemoStateJudged(TMemoEvent e, const TMemoState& state)
{
    switch (e) {
    case TMemoEvent::MouseEnter:
    case TMemoEvent::MouseLeave:
        return !state.Focused;
    case TMemoEvent::FocusGain:
    case TMemoEvent::FocusLoss:
        break;
    }
    return !state.MouseIn;
}

TDisabledLines DisabledMemoLines(int32_t firstVisible, int32_t lineCount, int32_t clientHeight,
                                 int32_t lineHeight)
{
    TDisabledLines out;
    if (lineHeight <= 0 || clientHeight <= 0)
        return out;
    out.LineHeight = lineHeight;
    out.First = std::clamp(firstVisible, 0, std::max(lineCount, 0));
    out.Count = std::min(clientHeight / lineHeight, std::max(lineCount, 0) - out.First);
    return out;
}

TMemoRedrawAction TMemoRedraw::Scrolled(bool byInput, bool bitmapBG)
{
    if (!byInput || !bitmapBG)
        return {};
    holding_ = true;
    return {true, false, true};
}

TMemoRedrawAction TMemoRedraw::Resume()
{
    if (!holding_)
        return {};
    holding_ = false;
    return {false, true, true};
}

} // namespace vt
