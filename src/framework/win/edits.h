// TCustomEdit, TEdit, TCustomMemo, TMemo and TMemoStrings: the native edit control, single line
// and multi-line; ClipboardHasText and LocaleDecimalSeparator.
//
// The native edit holds the text, selection, undo and modified flag while its window exists; the
// object holds them otherwise, so they survive the window being recreated (a style change:
// WordWrap, ScrollBars, CharCase, ...). OnChange follows every change of the text, by the user or
// by code, once per change; a set that changes nothing raises none.
//
// ReadOnly keeps the native window editable (caret, selection, copy) and drops, before they reach
// it, the messages that would change the text: characters other than Ctrl+C, Delete, Alt+Backspace
// (the native undo key), cut, paste, clear and undo requests, and input method results. Code that
// sets Text, SelText or Lines still changes the text.
#pragma once

#include "framework/base/string_list.h"
#include "framework/win/controls.h"
#include "framework/win/forms.h"

#include <optional>
#include <vector>

namespace vt
{

enum TEditCharCase : uint8_t { ecNormal, ecUpperCase, ecLowerCase };
enum TScrollStyle : uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };

// Whether the clipboard holds text (Unicode or ANSI).
bool ClipboardHasText();
// The first character of the user locale's decimal separator ('.' when the locale gives none).
wchar_t LocaleDecimalSeparator();

class TCustomEdit : public TWinControl
{
    VT_CLASS_NAME(TCustomEdit)
public:
    explicit TCustomEdit(TComponent* owner);

    // Text() (the base's) is the whole text, trailing blanks and line breaks as they are.
    void SetText(const String& v) override;

    // The most characters the user can enter; 0 for the native limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int v);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { readOnly_ = v; }
    // Shown for every character of a single-line edit; 0 shows the text.
    wchar_t PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(wchar_t v);
    // Typed letters are converted; setting it converts the text already there. Recreates.
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase v);
    // Whether the selection is hidden while the edit has no focus. Recreates.
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool v);
    // bsNone: no frame; any other: the sunken client edge. Recreates.
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);

    int SelStart() const;
    void SetSelStart(int v);
    int SelLength() const;
    void SetSelLength(int v);
    String SelText() const;
    // Replaces the selection (undoable); the caret goes after the new text.
    void SetSelText(const String& v);
    void SelectAll();
    void ClearSelection();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void Undo();
    bool CanUndo() const;
    void ClearUndo();
    bool Modified() const;
    void SetModified(bool v);

    // Pixels kept free left and right of the text; kept across font changes. Until set, the
    // native edit's own margins apply.
    void SetMargins(int left, int right);
    int LeftMargin() const;
    int RightMargin() const;

    TNotifyEvent OnChange;

    bool SetProperty(const String& name, const TPropValue& value) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyHandle() override;
    void WndProc(TMessage& msg) override;
    void DefaultHandler(TMessage& msg) override;
    void FontChanged() override;
    // The native edit reports its own clicks through its selection; no Click on a release.
    bool MouseClicks() const override { return false; }
    virtual void Change();
    // Whether msg would change the text as the user's input (dropped while ReadOnly).
    static bool IsEditingInput(const TMessage& msg);
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    bool Native() const { return HandleAllocated(); }
    // The native window's text (the stored text without a window).
    String CurrentText() const;
    // Restores what the window keeps beyond the text, after it was created again.
    virtual void RestoreWindowState();
    virtual void SaveWindowState();
    // Gives the native edit the margins (and a memo its formatting rectangle) again: a new
    // window or font resets them.
    virtual void ApplyTextArea();
    // Stores a property that is a creation style of the native edit; a change recreates the
    // window.
    template <class T> void SetCreationStyle(T& field, T v)
    {
        if (field == v)
            return;
        field = v;
        RecreateWnd();
    }

private:
    struct TMargins {
        int Left = 0;
        int Right = 0;
    };
    String WithCharCase(String s) const;
    // Replaces the text as code does: one OnChange when it changed.
    void ReplaceText(const String& v);
    // Sends a message that may change the text (replace, cut, paste, undo): one OnChange when
    // it did. Needs the window.
    void SendEdit(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

    int maxLength_ = 0;
    bool readOnly_ = false;
    wchar_t passwordChar_ = 0;
    TEditCharCase charCase_ = ecNormal;
    bool hideSelection_ = true;
    TBorderStyle borderStyle_ = bsSingle;
    std::optional<TMargins> margins_;
    // While the window does not exist.
    int storedSelStart_ = 0;
    int storedSelLength_ = 0;
    bool storedModified_ = false;
    // Set while code changes the native text: its own EN_CHANGE is not the user's.
    int quiet_ = 0;
};

class TEdit : public TCustomEdit
{
    VT_CLASS_NAME(TEdit)
public:
    using TCustomEdit::TCustomEdit;
};

class TCustomMemo;

// The lines of a memo: its text split at CR LF. An empty text has no lines; a text ending in CR
// LF has an empty last line. Each change sets the memo's text (one OnChange). Every call splits
// the text anew: for many reads take ToStrings() once.
class TMemoStrings
{
public:
    TMemoStrings(const TMemoStrings&) = delete;
    TMemoStrings& operator=(const TMemoStrings&) = delete;

    int Count() const;
    // Raise EListError for an index out of range.
    String Strings(int index) const;
    String operator[](int index) const { return Strings(index); }
    void Put(int index, const String& s);
    int Add(const String& s);
    void Insert(int index, const String& s);
    void Delete(int index);
    void Clear();
    // The lines joined by CR LF, without a break after the last: the memo's text.
    String Text() const;
    void SetText(const String& s);
    void Assign(const TStrings& other);
    TStringList ToStrings() const;

private:
    friend class TCustomMemo;
    explicit TMemoStrings(TCustomMemo& owner)
        : owner_(owner)
    {
    }
    std::vector<String> Split() const;
    void Join(const std::vector<String>& lines);
    TCustomMemo& owner_;
};

class TCustomMemo : public TCustomEdit
{
    VT_CLASS_NAME(TCustomMemo)
public:
    explicit TCustomMemo(TComponent* owner);

    TMemoStrings& Lines() { return lines_; }
    const TMemoStrings& Lines() const { return lines_; }
    void SetLines(const TStrings& v) { lines_.Assign(v); }

    // Recreate the window (they are creation styles of the native edit).
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);

    // The rectangle the text is laid out in (client coordinates), the native one while the
    // window exists. Setting it keeps it across recreation and font changes; Redraw::No leaves
    // the repaint to the caller. ResetFormatRect goes back to the native default.
    enum class Redraw : uint8_t { Yes, No };
    TRect FormatRect() const;
    void SetFormatRect(const TRect& r, Redraw redraw = Redraw::Yes);
    void ResetFormatRect();

    // The first line shown.
    int TopLine() const;

    bool SetProperty(const String& name, const TPropValue& value) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& msg) override;
    void RestoreWindowState() override;
    void SaveWindowState() override;
    void ApplyTextArea() override;

private:
    friend class TMemoStrings;
    void ApplyFormatRect(Redraw redraw);

    TMemoStrings lines_ { *this };
    bool wordWrap_ = true;
    TScrollStyle scrollBars_ = ssNone;
    TAlignment alignment_ = taLeftJustify;
    std::optional<TRect> formatRect_;
    int storedTopLine_ = 0;
};

class TMemo : public TCustomMemo
{
    VT_CLASS_NAME(TMemo)
public:
    using TCustomMemo::TCustomMemo;
};

} // namespace vt
