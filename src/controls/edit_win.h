// TspCustomEdit: the plain single-line edit that skinned controls place inside themselves (the
// combo box's edit style): the native edit without a frame, margins 2 left and 0 right, Enter and
// Escape handed to the form as dialog keys after OnKeyPress, the skinned context menu, and a
// transparent mode that composes the parent's image under the native text in one buffer.
// TspSkinNumEdit: the numeric variant (memo_model's filter; Up, Down and the wheel click).
// RegisterEditClasses makes both known to the form loader.
#pragma once

#include "controls/edit_menu_win.h"
#include "framework/win/edits.h"

namespace vt {

class TspSkinData;

// Called with the control a press landed on while the edit was the form's active control.
using TspOnEditCancelMode = TEvent<TControl*>;

class TspCustomEdit : public TCustomEdit {
    VT_CLASS_NAME(TspCustomEdit)
public:
    explicit TspCustomEdit(TComponent* owner);

    // Transparent mode: the parent's image under the text. Recreates the window.
    bool EditTransparent() const { return FEditTransparent; }
    void SetEditTransparent(bool value);
    // Selects the whole text when the edit gains the focus.
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value) { FAutoSelect = value; }
    // With a character the window is a password edit, else a multi-line one: a change of kind
    // recreates it.
    void SetPasswordChar(wchar_t value);
    // The skin of the built-in context menu; null: the form engine's.
    TspSkinData* MenuSkinData() const { return FMenuSkinData.get(); }
    void SetMenuSkinData(TspSkinData* value) { FMenuSkinData = value; }
    // The built-in context menu while it exists (from a request until its command ran).
    TspSkinPopupMenu* SysPopupMenu() const { return FSysPopupMenu.Menu(); }
    // Whether the left button is held in the edit.
    bool Down() const { return FDown; }

    // Repaints through the composed buffer now (transparent mode), the caret hidden meanwhile.
    void RefreshComposed();

    TNotifyEvent OnDown;       // left button pressed in the edit
    TNotifyEvent OnUp;         // and released
    TNotifyEvent OnKillFocus;
    TspOnEditCancelMode OnEditCancelMode;

    bool SetProperty(const String& name, const TPropValue& value) override;
    bool SetReference(const String& name, TComponent* value) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& msg) override;

private:
    void PaintComposed(HDC dc);
    // Enter or Escape: OnKeyDown and OnKeyPress, then the form's dialog key; never the native edit.
    void DialogKey(TMessage& msg);

    bool FDown = false;
    bool FEditTransparent = false;
    bool FAutoSelect = true;
    bool FStopDraw = false;
    TComponentRef<TspSkinData> FMenuSkinData;
    TEditMenuSlot FSysPopupMenu;
};

class TspSkinNumEdit : public TspCustomEdit {
    VT_CLASS_NAME(TspSkinNumEdit)
public:
    using TspCustomEdit::TspCustomEdit;

    // Also the locale's decimal separator, once.
    bool Float() const { return FFloat; }
    void SetFloat(bool value) { FFloat = value; }
    // Off: typing, Backspace and "." are refused (keys and the wheel still click).
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool value) { FEditorEnabled = value; }

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

    bool SetProperty(const String& name, const TPropValue& value) override;

protected:
    void WndProc(TMessage& msg) override;
    void KeyPress(wchar_t& key) override;
    bool DoMouseWheel(TShiftState shift, int delta, TPoint mousePos) override;

private:
    void ButtonClick(bool up);

    bool FFloat = false;
    bool FEditorEnabled = true;
};

// Makes TspCustomEdit and TspSkinNumEdit known to the form loader. Idempotent.
void RegisterEditClasses();

} // namespace vt
