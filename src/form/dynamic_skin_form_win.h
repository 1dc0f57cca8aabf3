// TspDynamicSkinForm: the skinned form engine, a component dropped on a form. It holds the
// engine's properties and state, the objects and the frame geometry, and the operations that
// paint the skinned or plain frame, the client background and single objects, and give the
// window its region; it takes over the owner's window procedure (NewWndProc) for the frame
// messages, activation, size limits and the container's skin messages.
#pragma once

#include "form/caption_extras_mouse.h"
#include "form/caption_items.h"
#include "form/caption_text.h"
#include "form/fade_in.h"
#include "form/frame_geometry.h"
#include "form/frame_paint.h"
#include "form/frame_region.h"
#include "form/hit_test.h"
#include "form/system_menu.h"
#include "form/window_states.h"
#include "form/skin_object_list.h"
#include "framework/base/component.h"
#include "framework/base/events.h"
#include "framework/base/menus.h"
#include "framework/win/canvas.h"
#include "framework/win/controls.h"
#include "framework/win/forms.h"
#include "menus/skin_menu_host.h"

#include <functional>
#include <memory>

namespace vt {

class TCustomForm;
class TTimer;
class TspFormMenus;
class TGdiTextRenderers;
class TspLayerManager;

using TChangeClientRectEvent = TEvent<TObject*, const TRect&>;
using TCaptionPaintEvent = TEvent<TObject*, TCanvas&, const TRect&, bool /*active*/>;
using TObjectEvent = TEvent<const String& /*IDName*/>;
using TObjectMouseEvent = TEvent<const String&, int, int, const TRect&, TspMouseButton>;

class TspDynamicSkinForm : public TComponent,
                           public ISkinObjectHost,
                           public ISkinMenuHost,
                           public IFormFrameOwner {
    VT_CLASS_NAME(TspDynamicSkinForm)
public:
    // owner must be a form without an engine: anything else raises EComponentError. The owner's
    // window procedure goes through NewWndProc from here on.
    explicit TspDynamicSkinForm(TComponent* owner);
    ~TspDynamicSkinForm() override;

    TCustomForm& Form() const { return form_; }
    // Applies a WindowState set while loading, and the container's skin if it changed while the
    // form had no window to hear about it.
    void Loaded() override;
    bool SetProperty(const String& name, const TPropValue& value) override;
    bool SetReference(const String& name, TComponent* value) override;
    TCollection* GetCollectionProperty(const String& name) override;

    // --- properties ---------------------------------------------------------------------------
    TspSkinData* SkinData() const override { return skinData_.get(); }
    void SetSkinData(TspSkinData* value);
    TspSkinData* MenusSkinData() const override { return menusSkinData_.get(); }
    void SetMenusSkinData(TspSkinData* value);
    TspBorderIcons BorderIcons;
    bool HideCaptionButtons = false;
    bool DisableSystemMenu = false;
    bool HideCloseButton = false;
    bool UseDefaultObjectHint = true;
    bool SupportNCArea = true;
    bool Sizeable = true;
    bool ShowIcon = false;
    bool UseSkinFontInCaption = true;
    bool MaximizeOnFullScreen = false;
    bool DraggAble = false;
    bool Magnetic = false;
    uint8_t MagneticSize = 10;
    TspPositionInMonitor PositionInMonitor = sppDefault;
    bool AlphaBlend = false, AlphaBlendAnimation = false;
    uint8_t AlphaBlendValue = 200;
    bool UseDefaultSysMenu = true;
    // The user's system menu (merged with the default items when UseDefaultSysMenu).
    TComponentRef<TPopupMenu> SystemMenu;
    bool UseFormCursorInNCArea = false;
    bool UseSkinCursors = false;
    bool ShowObjectHint = false;
    bool ClientInActiveEffect = false;
    uint8_t ClientInActiveEffectType = 0;  // semi-transparent, blur
    bool UseRibbon = false;
    bool ShowMDIScrollBars = true;
    bool AlwaysShowInTray = false, AlwaysMinimizeToTray = false;
    bool LogoBitMapTransparent = false;
    // Re-applied to the owner after a skin change when > 0.
    int32_t ClientWidth = 0, ClientHeight = 0;
    // Shows a skin in a small window for a chooser: always active, never faded in, no layered
    // frame; set before SkinData.
    bool PreviewMode = false;
    TspCaptionFont DefCaptionFont{L"Tahoma", 14, fsBold, clCaptionText};
    TspCaptionFont DefInActiveCaptionFont{L"Tahoma", 14, fsBold, clInactiveCaptionText};
    int32_t MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
    int32_t MinClientWidth = 0, MinClientHeight = 0, MaxClientWidth = 0, MaxClientHeight = 0;
    // Drawn centred over the client background (its transparent colour left out when it has
    // FTransparent set), never left of or above the client's corner.
    TspBitmap LogoBitMap;
    // Applies changed BorderIcons or flags: CheckObjects and a frame repaint.
    void BorderIconsChanged();

    // The state asked for (applied at once outside loading, by Loaded while loading).
    TWindowState WindowState() const { return FrameWindowState(); }
    void SetWindowState(TWindowState value);
    // The platform's drop shadow under the window (its class style); hideBefore hides the window
    // around the change so the shadow shows at once.
    void EnableShadow(bool show, bool hideBefore);
    void SetFormBorderStyle(TBorderStyle style);
    // Only the normal and stay-on-top styles are taken.
    void SetFormStyle(TFormStyle style);
    void Move(int x, int y);
    void SetBounds(int x, int y, int width, int height);
    // The button object named idName opens menu's items (above it with popupUp).
    void LinkMenu(const String& idName, TMenu* menu, bool popupUp);

    // --- IFormFrameOwner ------------------------------------------------------------------------
    TWindowState FrameWindowState() const override;
    void SetFrameWindowState(TWindowState value) override;
    TRect FrameClientRect(int width, int height) override;

    // --- caption extras -----------------------------------------------------------------------
    // The menu button, quick buttons and caption tabs with their settings.
    TspCaptionExtras Extras{this};
    int32_t CaptionTabIndex() const { return Extras.CaptionTabIndex(); }
    void SetCaptionTabIndex(int32_t value) { Extras.SetCaptionTabIndex(value); }
    // Opens the menu button's menu as a click would (when the button shows, has a menu and is up).
    void MenuButtonTrackMenu();
    // The caption object of the current state, or null.
    TspSkinCaptionObject* CaptionObject() const;

    // --- events -------------------------------------------------------------------------------
    TNotifyEvent OnActivate, OnDeActivate, OnChangeSkinData;
    TShortCutEvent OnShortCut;
    // Each opacity the show's fade-in sets, as it sets it.
    std::function<void(uint8_t)> OnFadeStep;
    TChangeClientRectEvent OnChangeClientRect;
    TCaptionPaintEvent OnCaptionPaint;
    TObjectEvent OnMouseEnterEvent, OnMouseLeaveEvent;
    TObjectMouseEvent OnMouseDownEvent, OnMouseUpEvent;

    // --- state (under the names the window integration uses) ---------------------------------
    TspSkinObjects Objects;
    TspFrameGeometry Geometry;
    TspMaskStrips MaskStrips;
    TspWindowStates States;
    // The caption moves the window (false: only the platform's edges and the objects answer).
    bool NCDraggAble = true;
    int32_t& FFormWidth = Geometry.FFormWidth;
    int32_t& FFormHeight = Geometry.FFormHeight;
    bool FFormActive = true;
    // The owner is active and is the screen's active form (the MDI rules come with MDI).
    bool GetFormActive() const;
    TTimer* MorphTimer() const { return morphTimer_; }
    TTimer* AnimateTimer() const { return animateTimer_; }
    TTimer* MouseTimer() const { return mouseTimer_; }
    // The hit test's answer for a window point (nullopt: the platform answers).
    std::optional<int32_t> HitTest(TPoint windowPoint);
    // Runs a caption button's command: close through the owner's close path, the window states
    // through the state model.
    void RunCommand(TspFormCommand command);
    // The state model's facts for the window now, and carrying out its answer.
    TWindowStateFacts StateFacts();
    void ApplyStateActions(const TStateActions& actions);
    TNotifyEvent OnMaximize, OnMinimize, OnRestore, OnChangeRollUpState;
    TspLayerManager* LayerManager() const { return layerManager_; }
    TspLayerManager* MenuLayerManager() const { return menuLayerManager_; }
    TspFormMenus& Menus() const { return *menus_; }

    // --- operations ---------------------------------------------------------------------------
    // Reads the owner's size, border and state into the geometry.
    void UpdateFacts();
    // The container changed: objects made afresh, the frame recomputed and repainted.
    void ChangeSkinData();
    // The container is about to change its skin: nothing is painted from it until it is done.
    void BeforeChangeSkinData();
    // After a size or skin change: geometry, layout, region, OnChangeClientRect, repaint.
    void UpdateFrame(bool full);
    void CreateNewRegion(bool full);
    // Repaints the whole frame (WM_NCPAINT to the owner).
    void UpDateFormNC();
    // The skinned frame into dc (the window DC when dc is null), the client clipped out.
    void PaintNCSkin(HDC dc, bool useExternalDC);
    // The plain frame with its own buttons.
    void PaintNCDefault(HDC dc, bool useExternalDC);
    // The client background into dc (the client's DC).
    void PaintBG(HDC dc);
    // Composes one object (with its piece of frame) and draws it on the window.
    void DrawSkinObject(TspActiveSkinObject& object) override;
    // The frame composed off-screen, for tests and screenshots: false when nothing is painted.
    bool ComposeFramePictures(TFramePictures& out);
    // The window-sized frame picture (client left as it was), for screenshots.
    bool PaintFrameTo(TspBitmap& out);

    // Every message of the owner: the menu side's first (closing an open menu, the closed-menu
    // notice), then the frame, activation, size-limit and skin rows; the rest goes on to the
    // owner's own procedure.
    void NewWndProc(TMessage& msg, const TWndMethod& previous);
    // The frame rows alone (WM_NCCALCSIZE, WM_NCPAINT, WM_ERASEBKGND, WM_SIZE); true when msg
    // was answered without the default processing.
    bool HandleFrameMessage(TMessage& msg);

    // --- ISkinObjectHost ----------------------------------------------------------------------
    void StartMorphTimer() override;
    void ShowGlowLayer(TspActiveSkinObject& object, bool menuLayer) override;
    void HideGlowLayer(TspActiveSkinObject& object, bool menuLayer) override;
    void TrackMenu(TspSkinButtonObject& button, bool systemMenu) override;
    void ObjectMouseEnter(const String& idName) override { OnMouseEnterEvent(idName); }
    void ObjectMouseLeave(const String& idName) override { OnMouseLeaveEvent(idName); }
    void ObjectMouseDown(const String& idName, int x, int y, const TRect& r, TspMouseButton b) override
    {
        OnMouseDownEvent(idName, x, y, r, b);
    }
    void ObjectMouseUp(const String& idName, int x, int y, const TRect& r, TspMouseButton b) override
    {
        OnMouseUpEvent(idName, x, y, r, b);
    }

    // --- ISkinMenuHost ------------------------------------------------------------------------
    TspSkinMenu* SkinMenu() override;
    bool IsMDIChildForm() const override { return false; }
    void SkinMenuOpen() override;
    void SkinMenuClose() override;


    // Makes the frame follow the container when its skin changed since it was last applied
    // (the container cannot tell a form that has no window yet).
    void EnsureSkinApplied();
    // The frame computed again for the window's real size (WM_NCCALCSIZE at the same size).
    void ForceResize();
    bool InSizeMove() const { return FSizeMove; }
    bool Fading() const { return fade_ != nullptr; }

private:
    TFramePaintSources PaintSources();
    void WindowShown();
    void StartFadeIn();
    void RunFadeIn();
    void StopFadeIn();
    // The objects follow the activity: reset when inactive, the caption's activation animation.
    void CheckActiveState(bool active);
    // The window was activated or deactivated: menus and glows go, the frame shows its new look.
    void ActivationChanged(bool active);
    // The reserved frame queries; true when msg was one of them.
    bool HandleFrameQuery(TMessage& msg);
    void HandleSysCommand(TMessage& msg, const TWndMethod& previous);
    void HandleShortCut(TWMKey& key, bool& handled);
    // The caption's extras after the objects' own mouse handling: hot tracking, presses and
    // releases, and what they ask for.
    void CaptionExtrasMouse(UINT msg, TPoint windowPoint, TspMouseButton button);
    void RunCaptionResponse(const TspCaptionResponse& response);
    TspCaptionMouseFacts CaptionMouseFacts() const;
    void MenuModeEnded();
    // Opens menu below screenRect through the form's skinned menu.
    void PopupMenuBelow(TPopupMenu& menu, const TRect& screenRect);
    // Every menu the form opens itself: items' children at anchor, in the menu mode.
    void PopupItems(TComponent* popupCtrl, TMenuItem* items, const TRect& anchor, bool popupUp);
    // The quick button whose menu the current press closed (it must not open again).
    int menuClosedByPress_ = -1;
    TspCaptionExtrasSkin extrasSkin_;  // copied at each skin change
    bool captionHot_ = false;
    // The button whose menu is being opened: the menu mode's end leaves it down.
    TspActiveSkinObject* menuTrackObject_ = nullptr;
    // The system menu at anchor (screen; it opens below it), through the form's skinned menu.
    void PopupSystemMenu(const TRect& anchor);
    // Alt+Space: below the enabled system button; nothing without one.
    void OpenSystemMenuFromKeyboard();
    // The menu to show as the system menu, made ready for the window's state now.
    TPopupMenu* PrepareSystemMenu();
    void RunSysCommand(TspSysCommand command);
    TspFadeInFacts FadeFacts() const;
    TPopupMenu* FSysMenu = nullptr;  // owned
    ITextRenderer* CaptionRenderer(const TspCaptionFont& font);
    void StateChanged();

    TCustomForm& form_;
    TComponentRef<TspSkinData> skinData_, menusSkinData_;
    TspFormMenus* menus_ = nullptr;
    TspLayerManager* layerManager_ = nullptr;
    TspLayerManager* menuLayerManager_ = nullptr;
    TTimer* morphTimer_ = nullptr;
    TTimer* animateTimer_ = nullptr;
    std::unique_ptr<TGdiTextRenderers> fonts_;
    bool regionSet_ = false;
    // The frame as last composed, before its objects: what a single object's redraw puts under
    // it. Valid for bareSize_ and bareActive_ only.
    TFramePictures bare_;
    TPoint bareSize_{-1, -1};
    bool bareActive_ = false;
    std::unique_ptr<TWindowProcHook> windowHook_;
    TWindowState FWindowStateInit = wsNormal;
    uint32_t appliedChangeCount_ = 0;
    bool skinApplied_ = false;
    bool FSizeMove = false, FSizing = false, FFullDrag = true, FCaptionMove = false;
    bool FSmartEffectsShow = false;
    TShortCutEvent previousShortCut_;
    // The show's fade-in while it runs.
    std::unique_ptr<TspFadeIn> fade_;
    // Cleared when the engine goes: a fade pumping messages checks it after each pump.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    class TCapture;
    std::unique_ptr<TCapture> capture_;
    std::unique_ptr<TspMouseTracker> tracker_;
    TTimer* mouseTimer_ = nullptr;
};

// Makes TspDynamicSkinForm known to form descriptions.
void RegisterFormClasses();

} // namespace vt
