// The form skin objects: the caption, caption buttons and other elements a skin places on a
// form's frame. Each object copies its record at creation, keeps its own state (hot, down,
// enabled, visible, morph factor) and answers what it looks like; the engine that owns them
// (TspSkinObjects, skin_object_list.h) supplies the form's facts and turns the objects' requests
// (redraw, morph timer, glow layer, menu, events) into painting and window calls.
//
// Classes: TspActiveSkinObject, TspSkinButtonObject, TspSkinStdButtonObject,
// TspSkinCaptionObject; the look an object chooses is a TspObjectLook.
#pragma once

#include "framework/base/types.h"
#include "raster/bitmap.h"
#include "skin/form_records.h"

#include <memory>

namespace vt {

class TMenuItem;
class TspSkinObjects;

// Where a look is copied from: the form picture, the roll-up picture, the object's active picture,
// the window icon (the icon-showing system button) or the plain no-skin look (DefaultDraw).
enum class TspLookSource : uint8_t { None, FramePicture, RollUpPicture, ActivePicture, WindowIcon, DefaultLook };

// The glyph of a no-skin caption button.
enum class TspDefaultGlyph : uint8_t {
    None, Close, Maximize, Minimize, Restore, TwoBars, UpTriangle, DownTriangle, FilledSquare
};
// The frame colour and fills of the no-skin buttons.
inline constexpr TColor kDefaultButtonFrame = 12020539, kDefaultButtonPressedFill = 14990498,
                        kDefaultButtonHotFill = 15979713;

// What an object draws for its current state. A plain look copies Rect of Source stretched to
// the object; a morphed one renders MorphFrom (of Source) and MorphTo (of the active picture) at
// the object's size and blends them by MorphKf with MorphKind.
struct TspObjectLook {
    TspLookSource Source = TspLookSource::None;
    TRect Rect;
    bool Morph = false;
    TRect MorphFrom, MorphTo;
    double MorphKf = 0;
    TMorphKind MorphKind = mkDefault;
    // DefaultLook only: the no-skin button's fill, its one-pixel frame (hot), and its glyph.
    TColor DefaultFill = 0;
    bool DefaultFrame = false;
    TspDefaultGlyph Glyph = TspDefaultGlyph::None;
    TColor GlyphColour = 0;
    friend bool operator==(const TspObjectLook&, const TspObjectLook&) = default;
};

// The command a standard button asks its form to run; the form runs it (close through the
// owner's close path, the window-state ones through the form's state operations).
enum class TspFormCommand : uint8_t { None, Close, Maximize, Minimize, RollUp, MinimizeToTray };

// The answer of a mouse release or double click: the command to run, and whether the button
// must be released (FinishCommand) after it ran.
struct TspCommandRequest {
    TspFormCommand Command = TspFormCommand::None;
    bool ReleaseAfterRun = false;
    friend bool operator==(const TspCommandRequest&, const TspCommandRequest&) = default;
};

enum class TspMouseButton : uint8_t { Left, Right, Middle };

// The morph factor runs from 0 (normal look) to 1 (active look) in steps of a fifth; it is
// counted in steps so that five ticks reach either end exactly.
inline constexpr int kMorphSteps = 5;

class TspActiveSkinObject {
public:
    // Plain object without a record (the no-skin buttons).
    explicit TspActiveSkinObject(TspSkinObjects* parent);
    // Copies the record; pictures are checked against skinData's active pictures.
    TspActiveSkinObject(TspSkinObjects* parent, const TspSkinData& skinData, const TspDataSkinObject& record);
    virtual ~TspActiveSkinObject() = default;
    TspActiveSkinObject(const TspActiveSkinObject&) = delete;
    TspActiveSkinObject& operator=(const TspActiveSkinObject&) = delete;

    TspSkinObjects* Parent = nullptr;
    bool FMouseIn = false;
    // The active picture's index, or -1 when the record named none or one that does not exist.
    int32_t ActivePictureIndex = -1;
    // A copy of the active mask picture (shared by the objects that use it), or null.
    std::shared_ptr<const TPixelImage> ActiveMaskPicture;
    String IDName;
    String Hint;
    TRect SkinRect, ActiveSkinRect, InActiveSkinRect;
    bool Morphing = false;
    TMorphKind MorphKind = mkDefault;
    TRect ObjectRect;
    bool Active = false;
    bool Enabled = true;
    int32_t CursorIndex = -1;
    bool RollUp = false;
    bool Visible = true;
    bool SkinRectInAPicture = false;
    int32_t GlowLayerPictureIndex = -1, GlowLayerMaskPictureIndex = -1;
    int32_t GlowLayerOffsetX = 0, GlowLayerOffsetY = 0;
    int32_t GlowLayerAlphaBlendValue = 255;

    double MorphKf() const { return static_cast<double>(FMorphSteps) / kMorphSteps; }
    int MorphStep() const { return FMorphSteps; }
    // Clamps to 0...1 and keeps the nearest fifth.
    void SetMorphKf(double value);

    // X, Y relative to ObjectRect.
    virtual bool PtInObject(int X, int Y) const;
    // The look for the current state; update is false when drawn onto the frame image, which
    // already shows a normal look that is part of the frame picture.
    virtual TspObjectLook Look(bool update) const;

    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void MouseDown(int X, int Y, TspMouseButton button);
    virtual TspCommandRequest MouseUp(int X, int Y, TspMouseButton button);
    virtual void MouseMove(int X, int Y);
    virtual TspCommandRequest DblClick() { return {}; }
    virtual bool CanMorphing() const;
    virtual void ShowLayer();
    virtual void HideLayer();

    bool EnableMorphing() const;
    // One morph tick: a fifth towards the look of the current state, then a redraw.
    void DoMorphing();
    // Starts the shared morph timer when morphing, else redraws at once.
    void Redraw();
    void DrawSelf();

protected:
    bool HasSkin() const;
    bool FormActive() const;
    bool HasActivePicture() const { return ActivePictureIndex >= 0; }
    // The picture the normal look lies in.
    TspLookSource NormalSource() const;
    TspObjectLook Copy(TspLookSource source, const TRect& r) const;
    // The base choice between a normal and an active rectangle (also used with the restore looks).
    TspObjectLook ChooseLook(const TRect& normal, const TRect& active, bool update) const;
    bool GlowAllowed() const;
    // Mouse in or out: the hot state, its redraw, the event and the glow.
    virtual void Hover(bool in);
    void RaiseHover(bool in);

    int FMorphSteps = 0;
};

class TspSkinButtonObject : public TspActiveSkinObject {
public:
    explicit TspSkinButtonObject(TspSkinObjects* parent) : TspActiveSkinObject(parent) {}
    TspSkinButtonObject(TspSkinObjects* parent, const TspSkinData& skinData, const TspDataSkinButton& record);

    bool FDown = false;
    bool FPopupUp = false;
    TRect DownRect, DisableSkinRect;
    int32_t GroupIndex = -1;
    // Items popped up when pressed (set by the form; not owned); null = plain button.
    TMenuItem* MenuItem = nullptr;
    int32_t AlphaMaskPictureIndex = -1, AlphaMaskActivePictureIndex = -1, AlphaMaskInActivePictureIndex = -1;

    void SetDown(bool value);
    bool IsMenuButton() const { return MenuItem != nullptr; }

    TspObjectLook Look(bool update) const override;
    void MouseDown(int X, int Y, TspMouseButton button) override;
    TspCommandRequest MouseUp(int X, int Y, TspMouseButton button) override;
    bool CanMorphing() const override;
    void ShowLayer() override;
    void HideLayer() override;

protected:
    void Hover(bool in) override;
};

class TspSkinStdButtonObject : public TspSkinButtonObject {
public:
    // A plain no-skin button: no record, every rectangle (0, 0, 1, 1).
    TspSkinStdButtonObject(TspSkinObjects* parent, const String& idName, TStdCommand command);
    TspSkinStdButtonObject(TspSkinObjects* parent, const TspSkinData& skinData, const TspDataSkinStdButton& record);

    bool FSkinSupport = false;
    TStdCommand Command = cmClose;
    TRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
    String RestoreHint;
    String FTempHint;

    // The command would restore the window: maximized for maximize, minimized for minimize
    // (never for the application's main form), rolled up for roll-up.
    bool CommandInEffect() const;
    // The system button that shows the window icon instead of a skin look.
    bool IsIconSysButton() const;
    // Releases the button after its command ran (MouseUp asked for it).
    void FinishCommand(int X, int Y, TspMouseButton button);

    bool PtInObject(int X, int Y) const override;
    TspObjectLook Look(bool update) const override;
    void MouseEnter() override;
    void MouseDown(int X, int Y, TspMouseButton button) override;
    TspCommandRequest MouseUp(int X, int Y, TspMouseButton button) override;
    TspCommandRequest DblClick() override;
    bool CanMorphing() const override;
    void ShowLayer() override;
    void HideLayer() override;

private:
    bool GlowSuppressed() const;
    // The plain look without a skin record (DefaultDraw).
    TspObjectLook DefaultLook() const;
};

class TspSkinCaptionObject : public TspActiveSkinObject {
public:
    TspSkinCaptionObject(TspSkinObjects* parent, const TspSkinData& skinData, const TspDataSkinCaption& record);

    int32_t ActiveTab = -1, OldActiveTab = -1, ActiveQuickButton = -1, OldActiveQuickButton = -1,
            MouseCaptureQuickButton = -1, PopupMenuQuickButton = -1;
    String FTextValue;
    int32_t FTabDataIndex = -1;
    String FontName;
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 0;
    TColor FontColor = 0, ActiveFontColor = 0, ShadowColor = 0, ActiveShadowColor = 0;
    bool Shadow = false;
    TAlignment Alignment = taLeftJustify;
    TRect TextRct;
    bool DefaultCaption = false;
    TRect FrameRect, ActiveFrameRect;
    int32_t FrameLeftOffset = 0, FrameRightOffset = 0;
    TRect FrameTextRect;
    TColor LightColor = 0, ActiveLightColor = 0;
    bool Light = false;
    bool StretchEffect = false;
    int32_t FIncTime = 0;
    TRect AnimateSkinRect;
    int32_t FrameCount = 0, AnimateInterval = 0, CurrentFrame = 0;
    bool InActiveAnimation = false, FullFrame = false;
    bool VistaGlowEffect = false, VistaGlowInActiveEffect = false, GlowEffect = false, GlowInActiveEffect = false;
    int32_t GlowSize = 0;
    TColor GlowColor = 0, GlowActiveColor = 0;
    int32_t GlowOffset = 0;
    bool ReflectionEffect = false;
    TColor ReflectionColor = 0, ReflectionActiveColor = 0;
    int32_t ReflectionOffset = 0;
    TRect DividerRect, InActiveDividerRect;
    bool DividerTransparent = false;
    TColor DividerTransparentColor = 0;
    int32_t QuickButtonAlphaMaskPictureIndex = -1;

    // Skin effects on and a usable strip: a rectangle and at least one frame.
    bool EnableAnimation() const;
    // On an activation change: the first frame (active), the last (inactive with an inactive
    // animation) or none. Returns whether the animation timer is needed.
    bool StartAnimation(bool active);
    // One 25 ms animation tick; returns whether the caption still needs the timer.
    bool AnimationTick(bool active);
    bool AnimationRunning(bool active) const;
    // The strip's frame CurrentFrame inside AnimateSkinRect; empty for frames 0 and
    // FrameCount + 1, which show the static caption.
    TRect AnimationFrameRect() const;

    void SetTextValue(const String& value);
    void SimpleSetTextValue(const String& value) { FTextValue = value; }

    TspObjectLook Look(bool update) const override;
};

} // namespace vt
