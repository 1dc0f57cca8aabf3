// The caption's mouse handling for its tabs and quick buttons: which item is hot, a tab chosen on
// the press, and the press and release of quick buttons (radio groups that click on the press,
// buttons that spring back and click on the release over them, drop-down menus that open on the
// press). The state lives on the items and in the caption object; each call answers whether the
// frame needs a repaint and which events the engine raises, in order, once the state is final.
//
//   TspCaptionMouseFacts   what the handling reads of the form
//   TspCaptionResponse     repaint, and the events in order
//   TspCaptionExtrasMouse  the caption's MouseMove/Down/Up/Leave, deactivation and menu close
#pragma once

#include "form/caption_extras_layout.h"

#include <vector>

namespace vt {

enum class TspCaptionEventKind : uint8_t {
    TabChange,   // set CaptionTabIndex to Index (the setter repaints and raises OnCaptionTabChange)
    Click,       // quick button Index's OnClick, Sender: the caption object
    MouseDown,   // quick button Index's OnMouseDown with Button
    OpenMenu,    // hide the glow layers, open quick button Index's PopupMenu below its ItemRect
    ShowHint,    // quick button Index's Hint through the form's SkinHint
    HideHint,
    SystemMenu,  // the system menu at the cursor
};

struct TspCaptionEvent {
    TspCaptionEventKind Kind = TspCaptionEventKind::Click;
    int Index = -1;
    TspMouseButton Button = TspMouseButton::Left;
    friend bool operator==(const TspCaptionEvent&, const TspCaptionEvent&) = default;
};

struct TspCaptionResponse {
    // The frame repaints (under a full layered border the caption redraws itself instead).
    bool Repaint = false;
    std::vector<TspCaptionEvent> Events;
};

struct TspCaptionMouseFacts {
    bool NCArea = true;
    bool ShowHints = false;  // QuickButtonsShowHint with a SkinHint
    bool FullLayeredBorder = false;
    bool DisableSystemMenu = false;
};

// Works on the caption object's hot, captured and menu indexes and on the items' state; points are
// window coordinates, as the items' rectangles.
class TspCaptionExtrasMouse {
public:
    TspCaptionExtrasMouse(TspSkinCaptionObject& caption, TspCaptionExtras& extras, const TspCaptionMouseFacts& facts)
        : caption_(caption), extras_(extras), facts_(facts)
    {
    }

    TspCaptionResponse MouseMove(TPoint p);
    // menuClosedByPress: the quick button whose menu this same press closed (read from the
    // caption's PopupMenuQuickButton before SkinMenuClose), or -1; its menu does not open again.
    TspCaptionResponse MouseDown(TPoint p, TspMouseButton button, int menuClosedByPress = -1);
    TspCaptionResponse MouseUp(TPoint p, TspMouseButton button);
    TspCaptionResponse MouseLeave();
    // The form went inactive: no quick button stays hot and the ungrouped ones go up; grouped ones
    // keep their state.
    TspCaptionResponse Deactivate();
    // A skinned menu closed: the quick button whose menu was open goes up and is not hot.
    TspCaptionResponse SkinMenuClose();

private:
    bool TabsUsable() const;
    bool QuickUsable() const;
    TspQuickButtonItem* Quick(int index) const;
    void Track(TPoint p, TspCaptionResponse& r);
    void TrackTabs(TPoint p, TspCaptionResponse& r);
    void TrackQuickButtons(TPoint p, TspCaptionResponse& r);

    TspSkinCaptionObject& caption_;
    TspCaptionExtras& extras_;
    TspCaptionMouseFacts facts_;
};

} // namespace vt
