#include "dialogs/skin_chooser_win.h"

#include "controls/button_win.h"
#include "controls/list_box_win.h"
#include "dialogs/skin_chooser_model.h"
#include "form/dynamic_skin_form_win.h"
#include "framework/base/folders.h"
#include "framework/base/form_loader.h"
#include "framework/base/platform_files.h"
#include "framework/base/property_table.h"
#include "skin/resource_strings.h"
#include "skin/skin_data.h"

#include <algorithm>
#include <memory>

namespace vt {

namespace {

constexpr int kClientWidth = 420, kClientHeight = 240;

// A caption from the controls' resource strings when they have one, else the built-in text.
String ResourceCaption(const TspSkinData* sd, const wchar_t* name, const wchar_t* fallback)
{
    const auto* strings = sd ? dynamic_cast<const TspResourceStrData*>(sd->ResourceStrData()) : nullptr;
    if (!strings)
        return fallback;
    String s = strings->GetResStr(name);
    return s.empty() ? String(fallback) : s;
}

TspSkinButton* NewButton(TWinControl* parent, TComponent* owner, const String& caption, TRect bounds)
{
    auto* b = new TspSkinButton(owner);
    b->SetSkinDataName(L"button");
    b->SetCaption(caption);
    b->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    b->SetParent(parent);
    return b;
}

} // namespace

// --- the dialog window -----------------------------------------------------------------------------

TspSelectSkinsFromFoldersDlgForm::TspSelectSkinsFromFoldersDlgForm(TComponent* owner) : TForm(owner)
{
    SetBorderStyle(bsSingle);
    SetBorderIcons(TBorderIcons{});
    SetClientWidth(kClientWidth);
    SetClientHeight(kClientHeight);

    DSF = new TspDynamicSkinForm(this);
    DSF->BorderIcons = TspBorderIcons{false, false, false, false, false};
    DSF->Sizeable = false;

    PreviewSkinData = new TspSkinData(this);
    PreviewForm = new TForm(this);
    PreviewForm->SetBorderStyle(bsSingle);
    PreviewForm->SetBounds(190, 10, 220, 170);
    PreviewForm->SetCaption(L"Preview");
    PreviewForm->SetEnabled(false);
    PreviewDSF = new TspDynamicSkinForm(PreviewForm);
    PreviewDSF->PreviewMode = true;
    PreviewDSF->BorderIcons.SystemMenu = false;
    PreviewDSF->SetSkinData(PreviewSkinData);
    PreviewForm->SetParent(this);
    PreviewButton = NewButton(PreviewForm, PreviewForm, L"Button", Bounds(20, 20, 100, 25));
    PreviewButton->SetSkinData(PreviewSkinData);

    OpenButton = NewButton(this, this, L"OK", Bounds(260, 200, 70, 25));
    OpenButton->SetDefault(true);
    OpenButton->SetModalResult(mrOk);
    OpenButton->SetCanFocused(true);
    CancelButton = NewButton(this, this, L"Cancel", Bounds(340, 200, 70, 25));
    CancelButton->SetCancel(true);
    CancelButton->SetModalResult(mrCancel);
    CancelButton->SetCanFocused(true);

    SkinsListBox = new TspSkinListBox(this);
    SkinsListBox->SetBounds(10, 10, 170, 170);
    SkinsListBox->SetParent(this);
    // Any change of the selection, by mouse or keys, previews; a double click is OK.
    SkinsListBox->OnListBoxClick = [this](TObject*) { Preview(); };
    SkinsListBox->OnListBoxDblClick = [this](TObject*) {
        if (SkinsListBox->ItemIndex() >= 0)
            SetModalResult(mrOk);
    };
}

void TspSelectSkinsFromFoldersDlgForm::Fill(const String& folder, const String& iniOrExt, bool compressed,
                                            const String& defaultName)
{
    FCompressed = compressed;
    FIniFileName = iniOrExt;
    FSkinsFolder = SkinsFolderOf(folder, ProgramFolder());
    const TFolderListing listing = ListFolder(FSkinsFolder);
    const TSkinList list = compressed ? ListSkinPackages(listing.Entries, iniOrExt, defaultName)
                                      : ListSkinFolders(listing.Entries, defaultName);
    SkinsListBox->Clear();
    TStringList names;
    for (const String& n : list.Names)
        names.Add(n);
    SkinsListBox->SetItems(names);
    if (!list.Names.empty())
        SkinsListBox->SetItemIndex(list.Selected);
}

String TspSelectSkinsFromFoldersDlgForm::SelectedName() const
{
    const int i = SkinsListBox->ItemIndex();
    if (i < 0 || i >= SkinsListBox->Items().Count())
        return {};
    return SkinsListBox->Items()[i];
}

String TspSelectSkinsFromFoldersDlgForm::SelectedFileName() const
{
    const String name = SelectedName();
    if (name.empty())
        return {};
    return FCompressed ? PackageFileName(FSkinsFolder, name, FIniFileName)
                       : FolderSkinFileName(FSkinsFolder, name, FIniFileName);
}

void TspSelectSkinsFromFoldersDlgForm::Preview()
{
    const String file = SelectedFileName();
    // Whatever the load does, the preview shows only while its container holds a skin.
    struct TShowWhenLoaded {
        TspSelectSkinsFromFoldersDlgForm& dlg;
        ~TShowWhenLoaded() { dlg.PreviewForm->SetVisible(!dlg.PreviewSkinData->Empty); }
    } show{*this};
    if (file.empty())
        return;
    try {
        if (FCompressed)
            PreviewSkinData->LoadFromCompressedFile(file);
        else
            PreviewSkinData->LoadFromFile(file);
    } catch (const Exception& e) {
        throw ESkinPreviewError(L"Cannot preview the skin \"" + file + L"\": " + e.Message());
    }
}

// --- the component -----------------------------------------------------------------------------------

TspSelectSkinsFromFoldersDialog::TspSelectSkinsFromFoldersDialog(TComponent* owner) : TComponent(owner)
{
    FDefaultFont.SetName(L"Tahoma");
    FDefaultFont.SetHeight(13);
}

TspSelectSkinsFromFoldersDialog::~TspSelectSkinsFromFoldersDialog() { delete FDlgFrm; }

bool TspSelectSkinsFromFoldersDialog::Execute(const String& skinsFolder, const String& defaultSkin,
                                              const String& skinExt)
{
    return Run(skinsFolder, defaultSkin, skinExt, true);
}

bool TspSelectSkinsFromFoldersDialog::Execute2(const String& skinsFolder, const String& defaultSkinFolder,
                                               const String& iniFileName)
{
    return Run(skinsFolder, defaultSkinFolder, iniFileName, false);
}

bool TspSelectSkinsFromFoldersDialog::Run(const String& folder, const String& defaultName, const String& iniOrExt,
                                          bool compressed)
{
    if (FDlgFrm)
        return false;  // one dialog at a time
    std::unique_ptr<TspSelectSkinsFromFoldersDlgForm> dlg(new TspSelectSkinsFromFoldersDlgForm(Application));
    FDlgFrm = dlg.get();
    struct TForget {
        TspSelectSkinsFromFoldersDlgForm*& field;
        ~TForget() { field = nullptr; }
    } forget{FDlgFrm};

    TspSkinData* frameSkin = FSD.get();
    TspSkinData* ctrlSkin = FCtrlFSD.get();
    dlg->SetCaption(FTitle);
    dlg->DSF->AlphaBlend = AlphaBlend;
    dlg->DSF->AlphaBlendValue = AlphaBlendValue;
    dlg->DSF->AlphaBlendAnimation = AlphaBlendAnimation;
    dlg->DSF->SetMenusSkinData(ctrlSkin);
    dlg->DSF->SetSkinData(frameSkin);
    for (TspSkinButton* b : {dlg->OpenButton, dlg->CancelButton}) {
        b->SetSkinData(ctrlSkin);
        b->SetDefaultFont(FDefaultFont);
    }
    dlg->SkinsListBox->SetSkinData(ctrlSkin);
    dlg->SkinsListBox->SetDefaultFont(FDefaultFont);
    dlg->PreviewButton->SetDefaultFont(FDefaultFont);
    if (ctrlSkin)
        dlg->PreviewSkinData->SetResourceStrData(ctrlSkin->ResourceStrData());
    dlg->PreviewForm->SetCaption(ResourceCaption(ctrlSkin, L"MSG_PREVIEWSKIN", L"Preview"));
    dlg->PreviewButton->SetCaption(ResourceCaption(ctrlSkin, L"MSG_PREVIEWBUTTON", L"Button"));
    dlg->OpenButton->SetCaption(ResourceCaption(ctrlSkin, L"MSG_BTN_OK", L"OK"));
    dlg->CancelButton->SetCaption(ResourceCaption(ctrlSkin, L"MSG_BTN_CANCEL", L"Cancel"));

    dlg->Fill(folder, iniOrExt, compressed, defaultName);
    // A package that cannot be previewed must not lock the chooser out: say so, and open with
    // the preview hidden so another skin can be chosen.
    try {
        dlg->Preview();
    } catch (const Exception&) {
        Application->HandleException(this);
    }

    dlg->SetClientWidth(kClientWidth);
    dlg->SetClientHeight(kClientHeight);
    if (frameSkin && !frameSkin->Empty) {
        const int w = std::max(dlg->Width(), dlg->DSF->Geometry.GetMinWidth());
        const int h = std::max(dlg->Height(), dlg->DSF->Geometry.GetMinHeight());
        dlg->SetBounds(dlg->Left(), dlg->Top(), w, h);
    }
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    dlg->SetBounds((sw - dlg->Width()) / 2, (sh - dlg->Height()) / 2, dlg->Width(), dlg->Height());
    dlg->SetActiveControl(dlg->SkinsListBox->ListBox());

    const TModalResult result = dlg->ShowModal();
    const String name = dlg->SelectedName();
    if (result != mrOk || name.empty())
        return false;
    FSkinName = name;
    FFileName = dlg->SelectedFileName();
    return true;
}

bool TspSelectSkinsFromFoldersDialog::SetProperty(const String& name, const TPropValue& value)
{
    using Row = TPropertyRow<TspSelectSkinsFromFoldersDialog>;
    using D = TspSelectSkinsFromFoldersDialog;
    static const Row rows[] = {
        {L"Title", [](D& d, const TPropValue& v) { d.SetTitle(v.AsString()); }},
        {L"AlphaBlend", [](D& d, const TPropValue& v) { d.AlphaBlend = v.AsBoolean(); }},
        {L"AlphaBlendValue", [](D& d, const TPropValue& v) { d.AlphaBlendValue = ByteValue(v); }},
        {L"AlphaBlendAnimation", [](D& d, const TPropValue& v) { d.AlphaBlendAnimation = v.AsBoolean(); }},
        {L"DefaultFont.Name", [](D& d, const TPropValue& v) { d.FDefaultFont.SetName(v.AsString()); }},
        {L"DefaultFont.Height", [](D& d, const TPropValue& v) { d.FDefaultFont.SetHeight(v.AsInteger()); }},
        {L"DefaultFont.Color", [](D& d, const TPropValue& v) { d.FDefaultFont.SetColor(ColorFromValue(v)); }},
        {L"DefaultFont.Style",
         [](D& d, const TPropValue& v) { d.FDefaultFont.SetStyle(FontStylesFromSet(v.AsSet())); }},
        {L"DefaultFont.Charset", [](D& d, const TPropValue& v) { d.FDefaultFont.SetCharset(CharsetFromValue(v)); }},
    };
    return SetFromTable(*this, rows, name, value) || TComponent::SetProperty(name, value);
}

bool TspSelectSkinsFromFoldersDialog::SetReference(const String& name, TComponent* value)
{
    if (SameDescriptionName(name, L"SkinData")) {
        SetSkinData(ReferenceOfKind<TspSkinData>(value, L"a skin data container"));
        return true;
    }
    if (SameDescriptionName(name, L"CtrlSkinData")) {
        SetCtrlSkinData(ReferenceOfKind<TspSkinData>(value, L"a skin data container"));
        return true;
    }
    return TComponent::SetReference(name, value);
}

void RegisterDialogClasses() { RegisterComponentClass<TspSelectSkinsFromFoldersDialog>(); }

} // namespace vt
