#include "controls/edit_win.h"

#include "controls/memo_model.h"
#include "framework/base/form_loader.h"
#include "framework/base/property_table.h"
#include "framework/win/forms.h"
#include "framework/win/messages.h"
#include "menus/menu_services.h"
#include "raster/bitmap_win.h"
#include "raster/caption_win.h"
#include "skin/skin_data.h"

#include <windowsx.h>

#include <cwchar>
#include <optional>

namespace vt {

namespace {

// The clipboard's Unicode text; none when it holds none or cannot be opened.
std::optional<String> ClipboardUnicodeText(HWND owner)
{
    if (!OpenClipboard(owner))
        return std::nullopt;
    std::optional<String> text;
    if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* p = static_cast<const wchar_t*>(GlobalLock(h))) {
            // Bounded by the block: a text without its terminator must not run past it.
            const size_t limit = GlobalSize(h) / sizeof(wchar_t);
            text = String(p, wcsnlen(p, limit));
            GlobalUnlock(h);
        }
    }
    CloseClipboard();
    return text;
}

} // namespace

TspCustomEdit::TspCustomEdit(TComponent* owner)
    : TCustomEdit(owner)
{
    SetBorderStyle(bsNone);
    // Kept by the framework edit across font changes and new windows.
    SetMargins(kEditLeftMargin, kEditRightMargin);
}

void TspCustomEdit::SetEditTransparent(bool value)
{
    SetCreationStyle(FEditTransparent, value);
}

void TspCustomEdit::SetPasswordChar(wchar_t value)
{
    const bool wasPassword = PasswordChar() != 0;
    TCustomEdit::SetPasswordChar(value);
    if (wasPassword != (value != 0) && HandleAllocated())
        RecreateWnd();
}

void TspCustomEdit::CreateParams(TCreateParams& params)
{
    TCustomEdit::CreateParams(params);
    params.Style &= ~WS_BORDER;
    params.ExStyle &= ~WS_EX_CLIENTEDGE;
    if (PasswordChar())
        params.Style |= ES_PASSWORD;
    else
        params.Style |= ES_MULTILINE;
}

void TspCustomEdit::PaintComposed(HDC dc)
{
    const int w = Width(), h = Height();
    if (w < 1 || h < 1 || FStopDraw)
        return;
    TspBitmap buffer;
    buffer.SetSize(w + 1, h + 1);
    HDC mem = BitmapDC(buffer);
    if (!mem)
        return;
    FStopDraw = true;
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(mem), 0);
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(mem), 0);
    FStopDraw = false;
    BitBlt(dc, 0, 0, w, h, mem, 0, 0, SRCCOPY);
}

void TspCustomEdit::RefreshComposed()
{
    if (!FEditTransparent || !HandleAllocated() || !IsWindowVisible(Handle()))
        return;
    HideCaret(Handle());
    if (HDC dc = GetDC(Handle())) {
        PaintComposed(dc);
        ReleaseDC(Handle(), dc);
    }
    ShowCaret(Handle());
    ValidateRect(Handle(), nullptr);
}

void TspCustomEdit::DialogKey(TMessage& msg)
{
    TComponentRef<TspCustomEdit> self(this);
    WORD key = static_cast<WORD>(msg.WParam);
    KeyDown(key, KeyDataToShiftState(msg.LParam));
    if (!self || key == 0)
        return;
    wchar_t ch = msg.WParam == VK_RETURN ? L'\r' : L'\x1b';
    KeyPress(ch);
    if (!self || ch == 0)
        return;
    if (TCustomForm* form = GetParentForm(this))
        form->Perform(CM_DIALOGKEY, msg.WParam, msg.LParam);
}

void TspCustomEdit::WndProc(TMessage& msg)
{
    switch (msg.Msg) {
    case WM_GETDLGCODE:
        // Answered here: Enter and Escape come to the edit (the form gets them after OnKeyPress),
        // Tab goes to the form. Asking the native edit with a message would put it in dialog mode,
        // where Escape closes its parent.
        msg.Result = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | DLGC_WANTALLKEYS;
        return;
    case WM_KEYDOWN:
        if (msg.WParam == VK_RETURN || msg.WParam == VK_ESCAPE) {
            DialogKey(msg);
            msg.Result = 0;
            return;
        }
        break;
    case WM_CHAR:
        // Their keys went to the form; the multi-line window would break the line.
        if (msg.WParam == L'\r' || msg.WParam == L'\n' || msg.WParam == L'\x1b') {
            msg.Result = 0;
            return;
        }
        break;
    case WM_CONTEXTMENU: {
        const TPoint at{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
        if (FSysPopupMenu.Popup(*this, *this, FMenuSkinData.get(), at)) {
            msg.Result = 0;
            return;
        }
        break;   // no skinned menu can open: the native one
    }
    case WM_PASTE:
        // The multi-line window would take every line of a pasted text; the edit keeps the first,
        // as a single-line edit does.
        if (!PasswordChar() && !ReadOnly()) {
            if (std::optional<String> text = ClipboardUnicodeText(Handle())) {
                if (const size_t end = text->find_first_of(L"\r\n"); end != String::npos) {
                    SetSelText(text->substr(0, end));
                    RefreshComposed();
                    msg.Result = 0;
                    return;
                }
            }
        }
        break;
    case kMenuCommandMessage:
        FSysPopupMenu.Free();
        msg.Result = 0;
        return;
    case CM_CANCELMODE:
        Raise(OnEditCancelMode, reinterpret_cast<TControl*>(msg.LParam));
        break;
    case WM_SETFOCUS:
        TCustomEdit::WndProc(msg);
        if (FAutoSelect)
            SelectAll();
        RefreshComposed();
        return;
    case WM_KILLFOCUS: {
        TComponentRef<TspCustomEdit> self(this);
        TCustomEdit::WndProc(msg);
        if (self)
            Raise(OnKillFocus, this);
        if (self)
            RefreshComposed();
        return;
    }
    case WM_LBUTTONDOWN: {
        TComponentRef<TspCustomEdit> self(this);
        FDown = true;
        TCustomEdit::WndProc(msg);
        if (self)
            Raise(OnDown, this);
        if (self)
            RefreshComposed();
        return;
    }
    case WM_LBUTTONUP: {
        const bool wasDown = FDown;
        FDown = false;
        TComponentRef<TspCustomEdit> self(this);
        TCustomEdit::WndProc(msg);
        if (self && wasDown)
            Raise(OnUp, this);
        return;
    }
    default:
        break;
    }
    if (!FEditTransparent) {
        TCustomEdit::WndProc(msg);
        return;
    }
    switch (msg.Msg) {
    case WM_ERASEBKGND:
        if (FStopDraw) {
            TspBitmap bg;
            bg.SetSize(Width(), Height());
            if (!bg.Empty()) {
                PaintParentBackground(*this, GetCanvas(bg));
                Draw(bg, reinterpret_cast<HDC>(msg.WParam), 0, 0);
            }
        }
        // Outside a composition the paint that follows draws the background with the text.
        msg.Result = 1;
        return;
    case WM_PAINT:
        if (!FStopDraw) {
            PAINTSTRUCT ps;
            HDC dc = msg.WParam ? reinterpret_cast<HDC>(msg.WParam) : BeginPaint(Handle(), &ps);
            PaintComposed(dc);
            if (!msg.WParam)
                EndPaint(Handle(), &ps);
            msg.Result = 0;
            return;
        }
        break;   // the native edit draws its text into the buffer
    case CN_BASE + WM_CTLCOLOREDIT:
    case CN_BASE + WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(msg.WParam);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(Font().Color()));
        msg.Result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        return;
    }
    case WM_CHAR:
    case CN_COMMAND: {
        TComponentRef<TspCustomEdit> self(this);
        TCustomEdit::WndProc(msg);
        if (self)
            RefreshComposed();
        return;
    }
    default:
        break;
    }
    TCustomEdit::WndProc(msg);
}

bool TspCustomEdit::SetProperty(const String& name, const TPropValue& value)
{
    using Row = TPropertyRow<TspCustomEdit>;
    using E = TspCustomEdit;
    static const Row rows[] = {
        {L"EditTransparent", [](E& c, const TPropValue& v) { c.SetEditTransparent(v.AsBoolean()); }},
        {L"AutoSelect", [](E& c, const TPropValue& v) { c.SetAutoSelect(v.AsBoolean()); }},
        {L"OnDown", [](E& c, const TPropValue& v) { c.OnDown = v.AsMethod<TNotifyEvent>(); }},
        {L"OnUp", [](E& c, const TPropValue& v) { c.OnUp = v.AsMethod<TNotifyEvent>(); }},
        {L"OnKillFocus", [](E& c, const TPropValue& v) { c.OnKillFocus = v.AsMethod<TNotifyEvent>(); }},
        {L"OnEditCancelMode",
         [](E& c, const TPropValue& v) { c.OnEditCancelMode = v.AsMethod<TspOnEditCancelMode>(); }},
    };
    if (SetFromTable(*this, rows, name, value))
        return true;
    if (SameDescriptionName(name, L"PasswordChar")) {
        // The framework stores the character; the window's kind follows it here.
        const bool wasPassword = PasswordChar() != 0;
        const bool known = TCustomEdit::SetProperty(name, value);
        if (wasPassword != (PasswordChar() != 0) && HandleAllocated())
            RecreateWnd();
        return known;
    }
    return TCustomEdit::SetProperty(name, value);
}

bool TspCustomEdit::SetReference(const String& name, TComponent* value)
{
    if (SameDescriptionName(name, L"MenuSkinData")) {
        SetMenuSkinData(ReferenceOfKind<TspSkinData>(value, L"a skin data container"));
        return true;
    }
    return TCustomEdit::SetReference(name, value);
}

// --- TspSkinNumEdit ---------------------------------------------------------------------------

void TspSkinNumEdit::ButtonClick(bool up)
{
    Raise(up ? OnUpClick : OnDownClick, this);
}

void TspSkinNumEdit::WndProc(TMessage& msg)
{
    if (msg.Msg == WM_KEYDOWN) {
        const TNumEditClick click = NumEditKey(static_cast<uint32_t>(msg.WParam));
        if (click != TNumEditClick::None) {
            ButtonClick(click == TNumEditClick::Up);
            msg.Result = 0;
            return;
        }
    }
    TspCustomEdit::WndProc(msg);
}

void TspSkinNumEdit::KeyPress(wchar_t& key)
{
    // Enter reaches here only as the form's dialog key, never as text.
    if (key != L'\r') {
        TNumEditText state{Text(), SelStart(), SelLength()};
        TNumEditRules rules{FFloat, FEditorEnabled, LocaleDecimalSeparator()};
        if (!NumEditAccepts(key, state, rules)) {
            key = 0;
            Beep();
            return;
        }
    }
    TspCustomEdit::KeyPress(key);
}

bool TspSkinNumEdit::DoMouseWheel(TShiftState, int delta, TPoint)
{
    ButtonClick(NumEditWheel(delta) == TNumEditClick::Up);
    return true;
}

bool TspSkinNumEdit::SetProperty(const String& name, const TPropValue& value)
{
    using Row = TPropertyRow<TspSkinNumEdit>;
    using E = TspSkinNumEdit;
    static const Row rows[] = {
        {L"Float", [](E& c, const TPropValue& v) { c.SetFloat(v.AsBoolean()); }},
        {L"EditorEnabled", [](E& c, const TPropValue& v) { c.SetEditorEnabled(v.AsBoolean()); }},
        {L"OnUpClick", [](E& c, const TPropValue& v) { c.OnUpClick = v.AsMethod<TNotifyEvent>(); }},
        {L"OnDownClick", [](E& c, const TPropValue& v) { c.OnDownClick = v.AsMethod<TNotifyEvent>(); }},
    };
    return SetFromTable(*this, rows, name, value) || TspCustomEdit::SetProperty(name, value);
}

void RegisterEditClasses()
{
    RegisterComponentClass<TspCustomEdit>();
    RegisterComponentClass<TspSkinNumEdit>();
}

} // namespace vt
