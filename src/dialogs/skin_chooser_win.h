// The skin chooser: TspSelectSkinsFromFoldersDialog keeps the settings and the last choice; each
// Execute builds a TspSelectSkinsFromFoldersDlgForm at run time (a skinned list of the skins in a
// folder, a live preview in a small skinned child window, OK and Cancel), shows it modally and
// frees it. The caller loads the chosen file itself.
#pragma once

#include "framework/base/component.h"
#include "framework/base/exceptions.h"
#include "framework/win/canvas.h"
#include "framework/win/forms.h"

#include <string>

namespace vt {

// A skin in the list that cannot be shown in the preview; names the file and the reason.
VT_DECLARE_EXCEPTION(ESkinPreviewError, Exception);

class TspDynamicSkinForm;
class TspSkinButton;
class TspSkinData;
class TspSkinListBox;

class TspSelectSkinsFromFoldersDlgForm : public TForm {
    VT_CLASS_NAME(TspSelectSkinsFromFoldersDlgForm)
public:
    // Builds the window with its engine, the preview, the buttons and the list.
    explicit TspSelectSkinsFromFoldersDlgForm(TComponent* owner);

    // Lists the folder (package files with extension iniOrExt when compressed, else sub-folders)
    // and selects defaultName, or the first entry.
    void Fill(const String& folder, const String& iniOrExt, bool compressed, const String& defaultName);
    // Loads the selected skin into the preview container and shows the preview when it holds one.
    // A package that fails raises its error with the preview hidden.
    void Preview();
    // The file the selected entry stands for; empty without a selection.
    String SelectedFileName() const;
    String SelectedName() const;

    bool FCompressed = true;
    String FSkinsFolder;
    String FIniFileName;
    TspDynamicSkinForm* DSF = nullptr;
    TspSkinButton* OpenButton = nullptr;
    TspSkinButton* CancelButton = nullptr;
    TForm* PreviewForm = nullptr;
    TspDynamicSkinForm* PreviewDSF = nullptr;
    TspSkinData* PreviewSkinData = nullptr;
    TspSkinButton* PreviewButton = nullptr;
    TspSkinListBox* SkinsListBox = nullptr;
};

class TspSelectSkinsFromFoldersDialog : public TComponent {
    VT_CLASS_NAME(TspSelectSkinsFromFoldersDialog)
public:
    explicit TspSelectSkinsFromFoldersDialog(TComponent* owner);
    ~TspSelectSkinsFromFoldersDialog() override;

    // Package mode: the files of skinsFolder (the program's folder when empty) with extension
    // skinExt, defaultSkin preselected. True when the user confirmed a selection.
    bool Execute(const String& skinsFolder, const String& defaultSkin, const String& skinExt);
    // Folder mode: the sub-folders of skinsFolder; FileName is folder + name + "\" + iniFileName.
    bool Execute2(const String& skinsFolder, const String& defaultSkinFolder, const String& iniFileName);

    TspSkinData* SkinData() const { return FSD.get(); }
    void SetSkinData(TspSkinData* v) { FSD = v; }
    TspSkinData* CtrlSkinData() const { return FCtrlFSD.get(); }
    void SetCtrlSkinData(TspSkinData* v) { FCtrlFSD = v; }
    TFont& DefaultFont() { return FDefaultFont; }
    void SetDefaultFont(const TFont& v) { FDefaultFont.Assign(v); }
    const String& Title() const { return FTitle; }
    void SetTitle(const String& v) { FTitle = v; }
    bool AlphaBlend = false;
    uint8_t AlphaBlendValue = 200;
    bool AlphaBlendAnimation = false;
    const String& FileName() const { return FFileName; }
    const String& SkinName() const { return FSkinName; }
    // The dialog while it is shown, else null.
    TspSelectSkinsFromFoldersDlgForm* DialogForm() const { return FDlgFrm; }

    bool SetProperty(const String& name, const TPropValue& value) override;
    bool SetReference(const String& name, TComponent* value) override;

private:
    bool Run(const String& folder, const String& defaultName, const String& iniOrExt, bool compressed);

    TComponentRef<TspSkinData> FSD;
    TComponentRef<TspSkinData> FCtrlFSD;
    TFont FDefaultFont;
    String FTitle = L"Select skin";
    TspSelectSkinsFromFoldersDlgForm* FDlgFrm = nullptr;
    String FFileName;
    String FSkinName;
};

void RegisterDialogClasses();

} // namespace vt
