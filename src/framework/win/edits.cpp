#include "framework/win/edits.h"

#include "framework/base/property_table.h"

#include <algorithm>
#include <utility>

namespace vt
{

bool ClipboardHasText()
{
    return IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT);
}

wchar_t LocaleDecimalSeparator()
{
    wchar_t buffer[8] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, 8) > 1)
        return buffer[0];
    return L'.';
}

namespace
{

// Marks the native text changes made by code, whose EN_CHANGE the edit raises itself.
class TQuiet
{
public:
    explicit TQuiet(int& counter)
        : counter_(counter)
    {
        ++counter_;
    }
    TQuiet(const TQuiet&) = delete;
    TQuiet& operator=(const TQuiet&) = delete;
    ~TQuiet() { --counter_; }

private:
    int& counter_;
};

constexpr wchar_t kCtrlC = 3;

} // namespace

// --- TCustomEdit ----------------------------------------------------------------------------

TCustomEdit::TCustomEdit(TComponent* owner)
    : TWinControl(owner)
{
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetColor(clWindow);
}

LRESULT TCustomEdit::Send(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    // Through WindowProc, so that a hook (and ReadOnly) sees the edit's messages.
    return const_cast<TCustomEdit*>(this)->Perform(msg, wParam, lParam);
}

String TCustomEdit::CurrentText() const
{
    if (!Native())
        return Text();
    const auto length = Send(WM_GETTEXTLENGTH);
    if (length <= 0)
        return {};
    String s(static_cast<size_t>(length) + 1, L'\0');
    const auto got = Send(WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(s.data()));
    s.resize(std::clamp<size_t>(static_cast<size_t>(std::max<LRESULT>(got, 0)), 0, s.size() - 1));
    return s;
}

String TCustomEdit::WithCharCase(String s) const
{
    if (s.empty())
        return s;
    if (charCase_ == ecUpperCase)
        CharUpperBuffW(s.data(), static_cast<DWORD>(s.size()));
    else if (charCase_ == ecLowerCase)
        CharLowerBuffW(s.data(), static_cast<DWORD>(s.size()));
    return s;
}

void TCustomEdit::SetText(const String& v)
{
    ReplaceText(WithCharCase(v));
}

void TCustomEdit::ReplaceText(const String& v)
{
    if (v == CurrentText())
        return;
    if (Native()) {
        // WM_SETTEXT raises OnChange (see WndProc).
        Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(v.c_str()));
        return;
    }
    TControl::SetText(v);
    storedSelStart_ = 0;
    storedSelLength_ = 0;
    storedModified_ = false;
    Change();
}

void TCustomEdit::Change()
{
    Raise(OnChange, this);
}

void TCustomEdit::SetMaxLength(int v)
{
    maxLength_ = std::max(v, 0);
    if (Native())
        Send(EM_LIMITTEXT, static_cast<WPARAM>(maxLength_));
}

void TCustomEdit::SetPasswordChar(wchar_t v)
{
    if (v == passwordChar_)
        return;
    passwordChar_ = v;
    if (Native()) {
        Send(EM_SETPASSWORDCHAR, v);
        Invalidate();
    }
}

void TCustomEdit::SetCharCase(TEditCharCase v)
{
    if (v == charCase_)
        return;
    charCase_ = v;
    if (Native()) {
        // The native edit takes these two styles after creation.
        HWND wnd = Handle();
        LONG style = GetWindowLongW(wnd, GWL_STYLE) & ~(ES_UPPERCASE | ES_LOWERCASE);
        if (v == ecUpperCase)
            style |= ES_UPPERCASE;
        else if (v == ecLowerCase)
            style |= ES_LOWERCASE;
        SetWindowLongW(wnd, GWL_STYLE, style);
    }
    const int start = SelStart();
    const int length = SelLength();
    ReplaceText(WithCharCase(CurrentText()));
    SetSelStart(start);
    SetSelLength(length);
}

void TCustomEdit::SetHideSelection(bool v)
{
    SetCreationStyle(hideSelection_, v);
}

void TCustomEdit::SetBorderStyle(TBorderStyle v)
{
    SetCreationStyle(borderStyle_, v);
}

int TCustomEdit::SelStart() const
{
    if (!Native())
        return storedSelStart_;
    DWORD start = 0, end = 0;
    Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(start);
}

int TCustomEdit::SelLength() const
{
    if (!Native())
        return storedSelLength_;
    DWORD start = 0, end = 0;
    Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

void TCustomEdit::SetSelStart(int v)
{
    const int length = static_cast<int>(CurrentText().size());
    v = std::clamp(v, 0, length);
    if (Native()) {
        Send(EM_SETSEL, static_cast<WPARAM>(v), static_cast<LPARAM>(v));
        return;
    }
    storedSelStart_ = v;
    storedSelLength_ = 0;
}

void TCustomEdit::SetSelLength(int v)
{
    const int start = SelStart();
    const int end
        = std::clamp(start + std::max(v, 0), start, static_cast<int>(CurrentText().size()));
    if (Native())
        Send(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    else
        storedSelLength_ = end - start;
}

String TCustomEdit::SelText() const
{
    const String text = CurrentText();
    const size_t start = std::min(static_cast<size_t>(SelStart()), text.size());
    return text.substr(start, static_cast<size_t>(SelLength()));
}

void TCustomEdit::SetSelText(const String& v)
{
    const String replacement = WithCharCase(v);
    if (!Native()) {
        String text = Text();
        const size_t start = std::min(static_cast<size_t>(storedSelStart_), text.size());
        text.replace(start, static_cast<size_t>(storedSelLength_), replacement);
        const int caret = static_cast<int>(start + replacement.size());
        ReplaceText(text);
        storedSelStart_ = caret;
        storedSelLength_ = 0;
        return;
    }
    SendEdit(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(replacement.c_str()));
}

void TCustomEdit::SendEdit(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!Native())
        return;
    const String before = CurrentText();
    {
        TQuiet quiet(quiet_);
        Send(msg, wParam, lParam);
    }
    const String after = CurrentText();
    if (after != before) {
        TControl::SetText(after);
        Change();
    }
}

void TCustomEdit::SelectAll()
{
    SetSelStart(0);
    SetSelLength(static_cast<int>(CurrentText().size()));
}

void TCustomEdit::ClearSelection()
{
    if (SelLength() > 0)
        SetSelText({});
}

void TCustomEdit::CopyToClipboard()
{
    Send(WM_COPY);
}

void TCustomEdit::CutToClipboard()
{
    SendEdit(WM_CUT);
}

void TCustomEdit::PasteFromClipboard()
{
    SendEdit(WM_PASTE);
}

void TCustomEdit::Undo()
{
    SendEdit(EM_UNDO);
}

bool TCustomEdit::CanUndo() const
{
    return Native() && Send(EM_CANUNDO) != 0;
}

void TCustomEdit::ClearUndo()
{
    if (Native())
        Send(EM_EMPTYUNDOBUFFER);
}

bool TCustomEdit::Modified() const
{
    return Native() ? Send(EM_GETMODIFY) != 0 : storedModified_;
}

void TCustomEdit::SetModified(bool v)
{
    if (Native())
        Send(EM_SETMODIFY, v ? TRUE : FALSE);
    else
        storedModified_ = v;
}

void TCustomEdit::SetMargins(int left, int right)
{
    margins_ = TMargins { std::clamp(left, 0, 0xFFFF), std::clamp(right, 0, 0xFFFF) };
    if (Native())
        ApplyTextArea();
}

int TCustomEdit::LeftMargin() const
{
    if (Native())
        return LOWORD(Send(EM_GETMARGINS));
    return margins_ ? margins_->Left : 0;
}

int TCustomEdit::RightMargin() const
{
    if (Native())
        return HIWORD(Send(EM_GETMARGINS));
    return margins_ ? margins_->Right : 0;
}

void TCustomEdit::ApplyTextArea()
{
    if (margins_)
        Send(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
            MAKELPARAM(margins_->Left, margins_->Right));
}

void TCustomEdit::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.BaseClassName = L"EDIT";
    p.Style |= WS_TABSTOP | ES_AUTOHSCROLL;
    if (!hideSelection_)
        p.Style |= ES_NOHIDESEL;
    if (passwordChar_)
        p.Style |= ES_PASSWORD;
    if (charCase_ == ecUpperCase)
        p.Style |= ES_UPPERCASE;
    else if (charCase_ == ecLowerCase)
        p.Style |= ES_LOWERCASE;
    if (borderStyle_ != bsNone)
        p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd()
{
    TQuiet quiet(quiet_);
    TWinControl::CreateWnd();
    RestoreWindowState();
}

void TCustomEdit::DestroyHandle()
{
    if (Native())
        SaveWindowState();
    TWinControl::DestroyHandle();
}

void TCustomEdit::SaveWindowState()
{
    const String text = CurrentText();
    if (text != Text())
        TControl::SetText(text);
    storedSelStart_ = SelStart();
    storedSelLength_ = SelLength();
    storedModified_ = Modified();
}

void TCustomEdit::RestoreWindowState()
{
    Send(EM_LIMITTEXT, static_cast<WPARAM>(maxLength_));
    if (passwordChar_)
        Send(EM_SETPASSWORDCHAR, passwordChar_);
    ApplyTextArea();
    Send(EM_SETSEL, static_cast<WPARAM>(storedSelStart_),
        static_cast<LPARAM>(storedSelStart_ + storedSelLength_));
    Send(EM_SETMODIFY, storedModified_ ? TRUE : FALSE);
}

void TCustomEdit::FontChanged()
{
    TWinControl::FontChanged();
    if (Native())
        ApplyTextArea();
}

void TCustomEdit::WndProc(TMessage& msg)
{
    switch (msg.Msg) {
    case CN_COMMAND:
        if (HIWORD(msg.WParam) == EN_CHANGE) {
            if (quiet_ == 0) {
                TControl::SetText(CurrentText());
                Change();
            }
            return;
        }
        break;
    case WM_SETTEXT: {
        // A multi-line native edit reports no change for WM_SETTEXT and a single-line one does:
        // the edit reports it itself, once, and only when the text changed.
        const String before = CurrentText();
        {
            TQuiet quiet(quiet_);
            TWinControl::WndProc(msg);
        }
        const String after = CurrentText();
        if (after != Text())
            TControl::SetText(after);
        if (after != before)
            Change();
        return;
    }
    default:
        break;
    }
    TWinControl::WndProc(msg);
}

bool TCustomEdit::IsEditingInput(const TMessage& msg)
{
    switch (msg.Msg) {
    case WM_CHAR:
        return msg.WParam != kCtrlC;
    case WM_KEYDOWN:
        // Delete and Shift+Delete (cut); Shift+Insert pastes without a message of its own.
        return msg.WParam == VK_DELETE || (msg.WParam == VK_INSERT && GetKeyState(VK_SHIFT) < 0);
    case WM_SYSKEYDOWN:
        // Alt+Backspace is the native edit's undo key.
        return msg.WParam == VK_BACK;
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_COMPOSITION:
    case WM_IME_CHAR:
        return true;
    default:
        return false;
    }
}

void TCustomEdit::DefaultHandler(TMessage& msg)
{
    if (readOnly_ && IsEditingInput(msg))
        return;
    TWinControl::DefaultHandler(msg);
}

namespace
{

TEditCharCase CharCaseFromIdent(const String& ident)
{
    static const wchar_t* const names[] = { L"ecNormal", L"ecUpperCase", L"ecLowerCase" };
    return static_cast<TEditCharCase>(IdentIndex(ident, names));
}

TBorderStyle EditBorderFromIdent(const String& ident)
{
    static const wchar_t* const names[] = { L"bsNone", L"bsSingle" };
    return static_cast<TBorderStyle>(IdentIndex(ident, names));
}

wchar_t CharFromValue(const TPropValue& v)
{
    if (v.Kind == TValueKind::vkInteger) {
        const int32_t n = v.AsInteger();
        if (n < 0 || n > 0xFFFF)
            throw EReadError(
                L"Invalid property value: " + std::to_wstring(n) + L" is not a character");
        return static_cast<wchar_t>(n);
    }
    const String& s = v.AsString();
    if (s.size() > 1)
        throw EReadError(L"Invalid property value: " + s + L" is not one character");
    return s.empty() ? 0 : s[0];
}

} // namespace

bool TCustomEdit::SetProperty(const String& name, const TPropValue& v)
{
    using Row = TPropertyRow<TCustomEdit>;
    static const Row rows[] = {
        { L"MaxLength",
            [](TCustomEdit& c, const TPropValue& v) { c.SetMaxLength(v.AsInteger()); } },
        { L"ReadOnly", [](TCustomEdit& c, const TPropValue& v) { c.SetReadOnly(v.AsBoolean()); } },
        { L"PasswordChar",
            [](TCustomEdit& c, const TPropValue& v) { c.SetPasswordChar(CharFromValue(v)); } },
        { L"CharCase",
            [](TCustomEdit& c, const TPropValue& v) {
                c.SetCharCase(CharCaseFromIdent(v.AsIdent()));
            } },
        { L"HideSelection",
            [](TCustomEdit& c, const TPropValue& v) { c.SetHideSelection(v.AsBoolean()); } },
        { L"BorderStyle",
            [](TCustomEdit& c, const TPropValue& v) {
                c.SetBorderStyle(EditBorderFromIdent(v.AsIdent()));
            } },
        { L"OnChange",
            [](TCustomEdit& c, const TPropValue& v) { c.OnChange = v.AsMethod<TNotifyEvent>(); } },
    };
    return SetFromTable(*this, rows, name, v) || TWinControl::SetProperty(name, v);
}

// --- TMemoStrings ---------------------------------------------------------------------------

std::vector<String> TMemoStrings::Split() const
{
    const String text = owner_.CurrentText();
    std::vector<String> lines;
    if (text.empty())
        return lines;
    size_t start = 0;
    for (size_t at; (at = text.find(L"\r\n", start)) != String::npos; start = at + 2)
        lines.push_back(text.substr(start, at - start));
    lines.push_back(text.substr(start));
    return lines;
}

void TMemoStrings::Join(const std::vector<String>& lines)
{
    String text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += L"\r\n";
        text += lines[i];
    }
    owner_.SetText(text);
}

int TMemoStrings::Count() const
{
    return static_cast<int>(Split().size());
}

String TMemoStrings::Strings(int index) const
{
    return ToStrings()[index];
}

TStringList TMemoStrings::ToStrings() const
{
    TStringList list;
    for (String& line : Split())
        list.Add(line);
    return list;
}

// Each edit goes through a plain list, which checks the index.
void TMemoStrings::Put(int index, const String& s)
{
    TStringList list = ToStrings();
    list.Put(index, s);
    Join(list.Items());
}

int TMemoStrings::Add(const String& s)
{
    const int at = Count();
    Insert(at, s);
    return at;
}

void TMemoStrings::Insert(int index, const String& s)
{
    TStringList list = ToStrings();
    list.Insert(index, s);
    Join(list.Items());
}

void TMemoStrings::Delete(int index)
{
    TStringList list = ToStrings();
    list.Delete(index);
    Join(list.Items());
}

void TMemoStrings::Clear()
{
    owner_.SetText({});
}

String TMemoStrings::Text() const
{
    return owner_.CurrentText();
}

void TMemoStrings::SetText(const String& s)
{
    owner_.SetText(s);
}

void TMemoStrings::Assign(const TStrings& other)
{
    Join(other.Items());
}

// --- TCustomMemo ----------------------------------------------------------------------------

TCustomMemo::TCustomMemo(TComponent* owner)
    : TCustomEdit(owner)
{
    SetBounds(0, 0, 185, 89);
}

void TCustomMemo::SetWordWrap(bool v)
{
    SetCreationStyle(wordWrap_, v);
}

void TCustomMemo::SetScrollBars(TScrollStyle v)
{
    SetCreationStyle(scrollBars_, v);
}

void TCustomMemo::SetAlignment(TAlignment v)
{
    SetCreationStyle(alignment_, v);
}

TRect TCustomMemo::FormatRect() const
{
    if (!Native())
        return formatRect_.value_or(ClientRect());
    RECT r {};
    Send(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
    return FromRECT(r);
}

void TCustomMemo::SetFormatRect(const TRect& r, Redraw redraw)
{
    formatRect_ = r;
    ApplyFormatRect(redraw);
}

void TCustomMemo::ApplyFormatRect(Redraw redraw)
{
    if (!Native() || !formatRect_)
        return;
    RECT r = ToRECT(*formatRect_);
    Send(redraw == Redraw::Yes ? EM_SETRECT : EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}

void TCustomMemo::ApplyTextArea()
{
    // Margins first: setting them moves the formatting rectangle.
    TCustomEdit::ApplyTextArea();
    ApplyFormatRect(Redraw::Yes);
}

int TCustomMemo::TopLine() const
{
    return Native() ? static_cast<int>(Send(EM_GETFIRSTVISIBLELINE)) : storedTopLine_;
}

void TCustomMemo::CreateParams(TCreateParams& p)
{
    TCustomEdit::CreateParams(p);
    p.Style &= ~(ES_AUTOHSCROLL | ES_PASSWORD);
    // The native edit scrolls on WM_VSCROLL/WM_HSCROLL only with the auto-scroll styles.
    p.Style |= ES_MULTILINE | ES_AUTOVSCROLL;
    if (!wordWrap_)
        p.Style |= ES_AUTOHSCROLL;
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth)
        p.Style |= WS_VSCROLL;
    if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth)
        p.Style |= WS_HSCROLL;
    if (alignment_ == taRightJustify)
        p.Style |= ES_RIGHT;
    else if (alignment_ == taCenter)
        p.Style |= ES_CENTER;
}

void TCustomMemo::SaveWindowState()
{
    TCustomEdit::SaveWindowState();
    storedTopLine_ = TopLine();
}

void TCustomMemo::RestoreWindowState()
{
    TCustomEdit::RestoreWindowState();
    Send(EM_LINESCROLL, 0, storedTopLine_);
}

void TCustomMemo::WndProc(TMessage& msg)
{
    if (msg.Msg == WM_SIZE) {
        // The native edit lays its formatting rectangle out anew on a size change.
        TCustomEdit::WndProc(msg);
        ApplyFormatRect(Redraw::No);
        return;
    }
    TCustomEdit::WndProc(msg);
}

namespace
{

TScrollStyle ScrollStyleFromIdent(const String& ident)
{
    static const wchar_t* const names[] = { L"ssNone", L"ssHorizontal", L"ssVertical", L"ssBoth" };
    return static_cast<TScrollStyle>(IdentIndex(ident, names));
}


} // namespace

bool TCustomMemo::SetProperty(const String& name, const TPropValue& v)
{
    using Row = TPropertyRow<TCustomMemo>;
    static const Row rows[] = {
        { L"Lines.Strings",
            [](TCustomMemo& c, const TPropValue& v) {
                if (v.Kind != TValueKind::vkList)
                    throw EReadError(L"Invalid property value");
                TStringList lines;
                for (const TPropValue& line : v.List)
                    lines.Add(line.AsString());
                c.SetLines(lines);
            } },
        { L"WordWrap", [](TCustomMemo& c, const TPropValue& v) { c.SetWordWrap(v.AsBoolean()); } },
        { L"ScrollBars",
            [](TCustomMemo& c, const TPropValue& v) {
                c.SetScrollBars(ScrollStyleFromIdent(v.AsIdent()));
            } },
        { L"Alignment",
            [](TCustomMemo& c, const TPropValue& v) {
                c.SetAlignment(AlignmentFromIdent(v.AsIdent()));
            } },
    };
    return SetFromTable(*this, rows, name, v) || TCustomEdit::SetProperty(name, v);
}

} // namespace vt
