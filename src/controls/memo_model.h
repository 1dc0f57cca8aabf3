// The portable half of the skinned memo and of the plain edits it shares rules with: what the
// memo copies from its record, the native edit's formatting rectangle, which input a read-only
// control drops, which characters the numeric edit accepts, the built-in context menu's items,
// the linked bars' settings, the wheel, the look a state shows, and when native redrawing is
// held off during a scroll. The window classes turn messages into these calls and the answers
// into window calls.
//
//   TMemoLook / CopyMemoLook          the record copy with its fall-backs
//   MemoTextArea / EditTextArea       formatting rectangles
//   ReadOnlyDrops                     the read-only filter (memo and edit)
//   NumEditAccepts / NumEditKey / NumEditWheel   the numeric edit
//   EditMenuItems / EditMenuPoint     the context menu
//   DecideMemoBar / MemoWheelStep     the linked bars and the wheel
//   ChooseMemoLook / MemoStateJudged  normal, active and disabled looks
//   DisabledMemoLines                 the lines a disabled memo draws itself
//   TMemoRedraw                       native redrawing held off while input scrolls
#pragma once

#include "controls/list_box_model.h"
#include "controls/skin_control_model.h"
#include "framework/base/strings.h"
#include "framework/base/types.h"

#include <array>
#include <cstdint>
#include <optional>

namespace vt {

class TspDataSkinMemoControl;
class TspSkinData;

// What the memo copies from its record at every skin change.
struct TMemoLook {
    TSkinRecordGeometry Geometry;   // Picture is -1 when the record's picture is missing
    TRect ActiveSkinRect;           // empty in the record: SkinRect
    String FontName;
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 0;
    TColor FontColor = 0, ActiveFontColor = 0, DisabledFontColor = 0;
    TColor BGColor = 0, ActiveBGColor = 0;
};
TMemoLook CopyMemoLook(const TspSkinData& sd, const TspDataSkinMemoControl& r);

// The memo's formatting rectangle in a width x height client. Without a border the whole client;
// right and bottom never fall below left and top, so a tiny memo gets an empty rectangle rather
// than an inverted one.
struct TMemoTextAreaInput {
    int32_t Width = 0, Height = 0;
    const TMemoLook* Look = nullptr;   // null: no record
    bool BitMapBG = true;
    bool Border = true;                // BorderStyle single
};
TRect MemoTextArea(const TMemoTextAreaInput& in);

// The plain edit's margins (set after every font change) and the text rectangle they leave.
inline constexpr int32_t kEditLeftMargin = 2, kEditRightMargin = 0;
TRect EditTextArea(int32_t width, int32_t height);

// Virtual keys the filters look at (the platform's values).
inline constexpr uint32_t kKeyBack = 0x08, kKeyInsert = 0x2D, kKeyDelete = 0x2E, kKeyUp = 0x26,
                          kKeyDown = 0x28;
// The composition flags of an IME composition message that carry text into the control.
inline constexpr uint32_t kImeCompString = 0x0008, kImeResultString = 0x0800;

// One input to a native edit, as the window class reads it off a message.
enum class TEditInputKind : uint8_t {
    Char,             // a character; Code is the character
    KeyDown,          // a key; Code is the virtual key
    SysKeyDown,       // a key with Alt held; Code is the virtual key
    ImeChar,          // a character from the input method
    ImeComposition,   // Flags are the composition flags
    Cut, Copy, Paste, Clear, Undo,   // the edit requests (undo by either message)
    Other,
};
struct TEditInput {
    TEditInputKind Kind = TEditInputKind::Other;
    uint32_t Code = 0;
    uint32_t Flags = 0;
    bool Shift = false, Ctrl = false;
};
// Whether a read-only memo or edit drops the input: everything that would change the text
// (typing, Delete, cut, paste, clear, undo by request or Alt+Backspace, Shift+Insert, input-method
// text), while copying, selecting and moving the caret go on to the native edit.
bool ReadOnlyDrops(const TEditInput& in);

// The numeric edit's text and selection when a character arrives.
struct TNumEditText {
    String Text;
    int32_t SelStart = 0, SelLength = 0;
};
struct TNumEditRules {
    bool Float = false;
    bool EditorEnabled = true;
    wchar_t DecimalSeparator = L'.';
};
// Whether the numeric edit takes the character; a refused one is dropped with the default beep.
// Enter is refused here: the edit hands it to its form as a dialog key before any filter.
bool NumEditAccepts(wchar_t c, const TNumEditText& state, const TNumEditRules& rules);

// Up and Down keys and the wheel click the numeric edit's buttons instead of editing.
enum class TNumEditClick : uint8_t { None, Up, Down };
TNumEditClick NumEditKey(uint32_t key);
TNumEditClick NumEditWheel(int32_t delta);

// The built-in context menu of the memo and the edit.
enum class TEditMenuAction : uint8_t { Separator, Undo, Cut, Copy, Paste, Delete, SelectAll };
struct TEditMenuItem {
    const wchar_t* CaptionKey;   // the skin's resource string; null for a separator
    const wchar_t* Literal;      // the caption without that string
    TEditMenuAction Action;
    bool Enabled;
};
struct TEditMenuState {
    bool ReadOnly = false;
    bool CanUndo = false;
    bool ClipboardHasText = false;
    int32_t SelLength = 0, TextLength = 0;
};
using TEditMenuItems = std::array<TEditMenuItem, 8>;
// The items in menu order. Read-only disables every item that would change the text, undo
// included, since the filter would drop it anyway.
TEditMenuItems EditMenuItems(const TEditMenuState& s);
// Where the menu opens: at the request's screen point, or for a keyboard request (-1, -1) at the
// centre of the control's screen rectangle.
TPoint EditMenuPoint(TPoint request, const TRect& controlOnScreen);

// The native edit's scroll state along one direction.
struct TMemoScrollInfo {
    int32_t Min = 0, Max = 0, Page = 0, Position = 0;
};
// A linked bar's range as SetRange takes it.
struct TMemoBarRange {
    int32_t Min = 0, Max = 0, Page = 0, Position = 0;
    friend bool operator==(const TMemoBarRange&, const TMemoBarRange&) = default;
};
struct TMemoBarDecision {
    bool Enabled = false;
    std::optional<TMemoBarRange> Range;   // none: the range is left as it is
    friend bool operator==(const TMemoBarDecision&, const TMemoBarDecision&) = default;
};
enum class TMemoBar : uint8_t { Vertical, Horizontal };
TMemoBarDecision DecideMemoBar(TMemoBar bar, bool memoEnabled, const TMemoScrollInfo& native);

// One line per wheel message: down for a delta <= 0.
TWheelStep MemoWheelStep(int32_t delta);

// The state a memo is drawn in; active is focused or under the mouse.
struct TMemoState {
    bool Enabled = true, Focused = false, MouseIn = false;
};
struct TMemoLookInput {
    const TMemoLook* Look = nullptr;
    TMemoState State;
    bool UseSkinFontColor = true;
    bool BitMapBG = true;
    TColor DefaultFontColor = 0;
};
struct TMemoLookChoice {
    TColor FontColor = 0;
    std::optional<TColor> Color;   // the native edit's colour; none: left alone (no record)
    TRect Background;              // the record rectangle the background is composed from
};
TMemoLookChoice ChooseMemoLook(const TMemoLookInput& in);
// The text colour of the memo's own disabled drawing.
TColor DisabledMemoTextColor(const TMemoLook* look);

// Whether a hover or focus change is judged (the look is chosen again and the memo refreshes):
// hover only while the memo has no focus, focus only while the mouse is elsewhere. state is the
// one before the event.
enum class TMemoEvent : uint8_t { MouseEnter, MouseLeave, FocusGain, FocusLoss };
bool MemoStateJudged(TMemoEvent e, const TMemoState& state);

// The lines a disabled memo draws from the first visible one: as many as the client height
// holds, no more than remain. Line tops run down from the text area's top.
struct TDisabledLines {
    int32_t First = 0, Count = 0, LineHeight = 0;
};
TDisabledLines DisabledMemoLines(int32_t firstVisible, int32_t lineCount, int32_t clientHeight,
                                 int32_t lineHeight);

// Native redrawing held off while typing, a text change or a mouse selection scrolls a composed
// memo, so the scroll shows as one refresh instead of flicker.
struct TMemoRedrawAction {
    bool RedrawOff = false, RedrawOn = false, Refresh = false;
    friend bool operator==(const TMemoRedrawAction&, const TMemoRedrawAction&) = default;
};
class TMemoRedraw {
public:
    bool Holding() const { return holding_; }
    // A scroll notification of the native edit; the window updates the bars either way.
    // byInput: the scroll came from typing, a text change or a mouse selection.
    TMemoRedrawAction Scrolled(bool byInput, bool bitmapBG);
    // A text change, key down or up, mouse move, left release or size change.
    TMemoRedrawAction Resume();

private:
    bool holding_ = false;
};

} // namespace vt
