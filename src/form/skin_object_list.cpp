#include "form/skin_object_list.h"

#include "form/caption_menu_button.h"

#include "skin/resource_strings.h"
#include "skin/skin_data.h"

namespace vt {

TspSkinObjects::TspSkinObjects(ISkinObjectHost* host) : host_(host) {}

std::shared_ptr<const TPixelImage> TspSkinObjects::PictureCopy(const TspSkinData& skinData, int32_t index)
{
    for (const auto& [i, p] : pictures_)
        if (i == index)
            return p;
    if (index < 0 || static_cast<size_t>(index) >= skinData.FActivePictures.size() ||
        !skinData.FActivePictures[static_cast<size_t>(index)])
        return nullptr;
    auto copy = std::make_shared<const TPixelImage>(*skinData.FActivePictures[static_cast<size_t>(index)]);
    pictures_.emplace_back(index, copy);
    return copy;
}

void TspSkinObjects::ClearObjects()
{
    ObjectList.clear();
    ++generation_;
    pictures_.clear();
    ActiveObject = OldActiveObject = MouseCaptureObject = -1;
    morphTimer_ = false;
}

void TspSkinObjects::CreateObjects(const TspSkinData* skinData)
{
    ClearObjects();
    Form.SkinLoaded = skinData && !skinData->Empty;
    if (!Form.SkinLoaded) {
        ButtonsOffset = 0;
        static constexpr std::pair<const wchar_t*, TStdCommand> kPlainButtons[] = {
            {L"closebutton", cmClose},   {L"maxbutton", cmMaximize},         {L"minbutton", cmMinimize},
            {L"rollupbutton", cmRollUp}, {L"sysmenubutton", cmSysMenu}, {L"traybutton", cmMinimizeToTray}};
        for (const auto& [name, command] : kPlainButtons)
            ObjectList.push_back(std::make_unique<TspSkinStdButtonObject>(this, name, command));
        return;
    }
    const TspSkinData& sd = *skinData;
    ButtonsOffset = sd.ButtonsOffset;
    for (const auto& rec : sd.ObjectList) {
        const TspSkinRecord* r = rec.get();
        // Menu items, menu-bar buttons and caption tabs belong to the menus, the menu bar and the
        // caption extras; menu-bar buttons are standard-button records, so they go first.
        if (dynamic_cast<const TspDataSkinMainMenuItem*>(r) || dynamic_cast<const TspDataSkinMenuItem*>(r) ||
            dynamic_cast<const TspDataSkinMainMenuBarButton*>(r) || dynamic_cast<const TspDataSkinCaptionTab*>(r))
            continue;
        // The caption menu button starts hidden: the caption extras show it (ArrangeFormObjects).
        if (auto* m = dynamic_cast<const TspDataSkinCaptionMenuButton*>(r))
            ObjectList.push_back(std::make_unique<TspSkinCaptionMenuButton>(this, sd, *m));
        else if (auto* s = dynamic_cast<const TspDataSkinStdButton*>(r))
            ObjectList.push_back(std::make_unique<TspSkinStdButtonObject>(this, sd, *s));
        else if (auto* b = dynamic_cast<const TspDataSkinButton*>(r))
            ObjectList.push_back(std::make_unique<TspSkinButtonObject>(this, sd, *b));
        else if (auto* c = dynamic_cast<const TspDataSkinCaption*>(r))
            ObjectList.push_back(std::make_unique<TspSkinCaptionObject>(this, sd, *c));
    }
}

void TspSkinObjects::CheckObjects(const TspObjectSettings& settings, const TspSkinData* skinData)
{
    const TspBorderIcons& icons = settings.BorderIcons;
    // A dialog's icons: none, or the system menu alone.
    const bool onlySystemMenu = icons.SystemMenu && !icons.Minimize && !icons.Maximize && !icons.RollUp &&
                                !icons.MinimizeToTray;
    const bool dialogIcons = icons.None() || onlySystemMenu;
    const bool dialogClose = dialogIcons && GetIndex(L"dialogclosebutton") >= 0;

    for (auto& o : ObjectList) {
        auto* b = dynamic_cast<TspSkinStdButtonObject*>(o.get());
        if (!b)
            continue;
        if (settings.HideCaptionButtons) {
            b->Enabled = false;
            b->Visible = !b->SkinRectInAPicture;
            continue;
        }
        const auto show = [&](bool bit) {
            b->Enabled = bit;
            b->Visible = b->SkinRectInAPicture ? bit : true;
        };
        switch (b->Command) {
        case cmClose: {
            // Set afresh on every run, so a button hidden for a dialog or by HideCloseButton
            // comes back when the icons or flags change back.
            const bool on = b->IDName == L"dialogclosebutton" ? dialogClose : !dialogClose;
            b->Enabled = b->Visible = on;
            if (!icons.SystemMenu && settings.HideCloseButton) {
                b->Enabled = false;
                if (b->SkinRectInAPicture)
                    b->Visible = false;
            }
            break;
        }
        case cmMaximize: show(icons.Maximize); break;
        case cmMinimize: show(icons.Minimize); break;
        case cmRollUp: show(icons.RollUp); break;
        case cmMinimizeToTray: show(icons.MinimizeToTray); break;
        case cmSysMenu:
            b->Enabled = icons.SystemMenu && !settings.DisableSystemMenu;
            b->Visible = b->SkinRectInAPicture ? icons.SystemMenu : true;
            break;
        case cmDefault: b->Visible = Host().ActivateCustomObject(b->IDName, false); break;
        }
    }

    TspSkinCaptionObject* first = nullptr;
    bool anyDefault = false;
    for (auto& o : ObjectList)
        if (auto* c = dynamic_cast<TspSkinCaptionObject*>(o.get())) {
            if (!first)
                first = c;
            if (c->DefaultCaption) {
                anyDefault = true;
                c->FTextValue = settings.Caption;
            }
        }
    if (first && !anyDefault) {
        first->DefaultCaption = true;
        first->FTextValue = settings.Caption;
    }
    SetObjectHints(settings, skinData);
}

void TspSkinObjects::SetObjectHints(const TspObjectSettings& settings, const TspSkinData* skinData)
{
    if (!settings.UseDefaultObjectHint)
        return;
    const auto text = [&](std::wstring_view name) { return SkinResStrOrDefault(skinData, name); };
    for (auto& o : ObjectList) {
        auto* b = dynamic_cast<TspSkinStdButtonObject*>(o.get());
        if (!b)
            continue;
        const wchar_t* name = nullptr;
        switch (b->Command) {
        case cmClose: name = L"CLOSEBUTTON_HINT"; break;
        case cmMaximize: name = L"MAXBUTTON_HINT"; break;
        case cmMinimize: name = L"MINBUTTON_HINT"; break;
        case cmSysMenu: name = L"MENUBUTTON_HINT"; break;
        case cmRollUp: name = L"ROLLUPBUTTON_HINT"; break;
        case cmMinimizeToTray: name = L"TRAYBUTTON_HINT"; break;
        case cmDefault: continue;
        }
        b->Hint = text(name);
        b->FTempHint = b->Hint;
        b->RestoreHint = text(L"RESTORE_HINT");
    }
}

void TspSkinObjects::ResetObjectStates()
{
    for (auto& o : ObjectList) {
        if (dynamic_cast<TspSkinCaptionObject*>(o.get()))
            continue;
        o->Active = false;
        o->FMouseIn = false;
        o->SetMorphKf(0);
    }
}

void TspSkinObjects::StartMorphTimer()
{
    if (morphTimer_)
        return;
    morphTimer_ = true;
    Host().StartMorphTimer();
}

bool TspSkinObjects::MorphTick()
{
    bool any = false;
    for (auto& o : ObjectList)
        if (o->EnableMorphing() && o->CanMorphing()) {
            o->DoMorphing();
            any = true;
        }
    if (!any)
        morphTimer_ = false;
    return any;
}

bool TspSkinObjects::StartCaptionAnimation(bool active)
{
    bool any = false;
    for (auto& o : ObjectList)
        if (auto* c = dynamic_cast<TspSkinCaptionObject*>(o.get()))
            any = c->StartAnimation(active) || any;
    return any;
}

bool TspSkinObjects::AnimationTick(bool active)
{
    bool any = false;
    for (auto& o : ObjectList)
        if (auto* c = dynamic_cast<TspSkinCaptionObject*>(o.get()))
            any = c->AnimationTick(active) || any;
    return any;
}

void TspSkinObjects::RouteMouseUp(int index, int X, int Y, TspMouseButton button,
                                  const std::function<void(TspFormCommand)>& run)
{
    if (index < 0 || static_cast<size_t>(index) >= ObjectList.size())
        return;
    TspActiveSkinObject* o = ObjectList[static_cast<size_t>(index)].get();
    const uint32_t generation = generation_;
    const TspCommandRequest request = o->MouseUp(X, Y, button);
    if (request.Command == TspFormCommand::None)
        return;
    // The commands that close, resize or hide the window leave no object hot.
    if (request.Command != TspFormCommand::RollUp)
        ActiveObject = -1;
    if (run)
        run(request.Command);
    // The command may have freed the objects (a skin change): look the button up again.
    if (request.ReleaseAfterRun && generation == generation_) {
        static_cast<TspSkinStdButtonObject*>(o)->FinishCommand(X, Y, button);
        // The window changed under the pointer, so no mouse move will take the button's hot look
        // away: it leaves now, unless the pointer made it hot again meanwhile.
        if (ActiveObject != index && o->Active)
            o->MouseLeave();
    }
}

int TspSkinObjects::GetIndex(std::wstring_view idName) const
{
    for (size_t i = 0; i < ObjectList.size(); ++i)
        if (ObjectList[i]->IDName == idName)
            return static_cast<int>(i);
    return -1;
}

void TspSkinObjects::SetEnabled(std::wstring_view idName, bool value)
{
    if (auto* o = Find<TspActiveSkinObject>(idName)) {
        o->Enabled = value;
        o->DrawSelf();
    }
}

void TspSkinObjects::CaptionSetText(std::wstring_view idName, const String& text)
{
    if (auto* c = Find<TspSkinCaptionObject>(idName))
        c->SetTextValue(text);
}

bool TspSkinObjects::ButtonGetDown(std::wstring_view idName) const
{
    const auto* b = Find<TspSkinButtonObject>(idName);
    return b && b->FDown;
}

void TspSkinObjects::ButtonSetDown(std::wstring_view idName, bool value)
{
    if (auto* b = Find<TspSkinButtonObject>(idName))
        b->SetDown(value);
}

} // namespace vt
