// TspSkinObjects: a form's skin objects (its ObjectList) with the form-wide operations on them:
// creation from a skin, the border-icon rules, hints, state reset, access by name, and the ticks
// of the shared morph and caption-animation timers. The form engine owns one, keeps Form up to
// date and implements ISkinObjectHost to paint, time and open menus for the objects.
#pragma once

#include "form/skin_objects.h"

#include <functional>
#include <memory>
#include <vector>

namespace vt {

// What the form engine does for its objects. Every call has a do-nothing default.
class ISkinObjectHost {
public:
    // Composes and shows one object at once (DrawSkinObject).
    virtual void DrawSkinObject(TspActiveSkinObject&) {}
    // Starts the shared 25 ms morph timer; the engine ticks MorphTick until it returns false.
    virtual void StartMorphTimer() {}
    // The glow frame at the object's screen place (menuLayer: the menu layer manager).
    virtual void ShowGlowLayer(TspActiveSkinObject&, bool /*menuLayer*/) {}
    virtual void HideGlowLayer(TspActiveSkinObject&, bool /*menuLayer*/) {}
    // Opens the button's menu (or the form's system menu) below ObjectRect, or above it when
    // the button's FPopupUp is set.
    virtual void TrackMenu(TspSkinButtonObject&, bool /*systemMenu*/) {}
    // The form's object events.
    virtual void ObjectMouseEnter(const String& /*idName*/) {}
    virtual void ObjectMouseLeave(const String& /*idName*/) {}
    virtual void ObjectMouseDown(const String& /*idName*/, int /*X*/, int /*Y*/, const TRect&, TspMouseButton) {}
    virtual void ObjectMouseUp(const String& /*idName*/, int /*X*/, int /*Y*/, const TRect&, TspMouseButton) {}
    virtual void ObjectMouseMove(const String& /*idName*/, int /*X*/, int /*Y*/, const TRect&) {}
    // OnActivateCustomObject: whether a cmDefault button shows (visible comes in false).
    virtual bool ActivateCustomObject(const String& /*idName*/, bool visible) { return visible; }

protected:
    ~ISkinObjectHost() = default;
};

// The form's facts the objects read while they run; the engine keeps them current.
struct TspObjectFormState {
    bool SkinLoaded = false;
    bool FormActive = true;
    bool Maximized = false, Minimized = false, RolledUp = false;
    bool IsMainForm = false;          // the application's main form
    bool ShowIcon = false;            // the system button shows the window icon
    bool EnableSkinEffects = true;    // the container's switch
    bool GlowFrames = false;          // caption-button glow frames on and layered windows available
    bool FullLayeredBorder = false;   // a layered border frame covers the whole border
};

struct TspBorderIcons {
    bool SystemMenu = true, Minimize = true, Maximize = true, RollUp = false, MinimizeToTray = false;
    bool None() const { return !SystemMenu && !Minimize && !Maximize && !RollUp && !MinimizeToTray; }
};

// The engine's settings CheckObjects reads.
struct TspObjectSettings {
    TspBorderIcons BorderIcons;
    bool HideCaptionButtons = false;
    bool DisableSystemMenu = false;
    bool HideCloseButton = false;
    bool UseDefaultObjectHint = true;
    String Caption;  // the form's caption, for the default caption object
};

class TspSkinObjects {
public:
    explicit TspSkinObjects(ISkinObjectHost* host = nullptr);

    ISkinObjectHost& Host() { return host_ ? *host_ : nullHost_; }
    TspObjectFormState Form;
    std::vector<std::unique_ptr<TspActiveSkinObject>> ObjectList;
    int ActiveObject = -1, OldActiveObject = -1, MouseCaptureObject = -1;
    // The skin's ButtonsOffset, copied at creation (the caption's full-width backdrop).
    int32_t ButtonsOffset = 0;

    // Frees the objects and makes one per usable record of skinData; without a skin (null or
    // empty) the six plain buttons instead.
    void CreateObjects(const TspSkinData* skinData);
    void ClearObjects();
    // Enables and shows the buttons for the border icons and flags, gives the default caption
    // the form's caption, then the hints (skinData gives the resource strings; may be null).
    void CheckObjects(const TspObjectSettings& settings, const TspSkinData* skinData);
    void SetObjectHints(const TspObjectSettings& settings, const TspSkinData* skinData);
    // On an activation change: no object hot or morphed, captions aside.
    void ResetObjectStates();

    // One morph tick over every object that needs it; false when none did (stop the timer).
    bool MorphTick();
    bool MorphTimerRunning() const { return morphTimer_; }
    void StartMorphTimer();
    // Caption animation: start on an activation change, then tick; false when no caption needs
    // the timer any more.
    bool StartCaptionAnimation(bool active);
    bool AnimationTick(bool active);

    // A left release (or any release) routed to object index: runs the command the object asks
    // for through run, releasing the button before or after it as the command requires.
    void RouteMouseUp(int index, int X, int Y, TspMouseButton button, const std::function<void(TspFormCommand)>& run);

    // Access by IDName: exact, case-sensitive, first match; a missing object or one of another
    // class does nothing and answers -1, false or an empty result.
    int GetIndex(std::wstring_view idName) const;
    void SetEnabled(std::wstring_view idName, bool value);
    void CaptionSetText(std::wstring_view idName, const String& text);
    bool ButtonGetDown(std::wstring_view idName) const;
    void ButtonSetDown(std::wstring_view idName, bool value);
    template <class T> T* Find(std::wstring_view idName) const
    {
        const int i = GetIndex(idName);
        return i < 0 ? nullptr : dynamic_cast<T*>(ObjectList[static_cast<size_t>(i)].get());
    }

    // A shared copy of an active picture (the mask pictures the point test reads), cached per
    // index for one skin.
    std::shared_ptr<const TPixelImage> PictureCopy(const TspSkinData& skinData, int32_t index);

private:
    class NullHost final : public ISkinObjectHost {};
    ISkinObjectHost* host_;
    NullHost nullHost_;
    bool morphTimer_ = false;
    uint32_t generation_ = 0;  // counts ClearObjects, so a command that rebuilt the list is noticed
    std::vector<std::pair<int32_t, std::shared_ptr<const TPixelImage>>> pictures_;
};

} // namespace vt
