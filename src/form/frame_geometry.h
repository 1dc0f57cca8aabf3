// Frame geometry of a skinned form: the skin's [FORMINFO] frame, drawn for the size of its form
// picture, moved to a window of any size; the flow of the caption buttons; the client rectangle
// the window manager is told; the plain frame without a skin; the size limits and the maximized
// rectangle. Everything here reads snapshots (TFormFacts, TFormSkinInfo) and never a window, so the
// engine's _win half fills the snapshots and turns the answers into platform calls.
//
//   TFormFacts        what the geometry reads of the form (filled by the engine)
//   TFormSkinInfo     a copy of the container's [FORMINFO] with the picture sizes
//   TArrangeItem      what ArrangeObjects/CalcDefRects read and write of one caption object
//   TspFrameGeometry  the computed frame state (New* fields) and its operations
#pragma once

#include <cstdint>
#include <vector>

#include "framework/base/types.h"
#include "raster/compose.h"
#include "skin/record_keys.h"
#include "skin/skin_values.h"

namespace vt {

class TspSkinData;

// The owner form's border style, in the framework's order (a TBorderStyle casts to it).
enum class TFormBorder : uint8_t { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };

// Rectangles of the monitor nearest the window.
struct TMonitorAreas {
    TRect WorkArea;     // the monitor's work area (less the task bar)
    TRect MonitorArea;  // the whole monitor
    TRect Screen;       // (0, 0, screen width, screen height) of the primary display
};

// What the geometry reads of the form; the engine fills it from its properties and window.
struct TFormFacts {
    int32_t Width = 0, Height = 0;  // the owner window's current size
    int32_t OldHeight = 0;          // height before roll-up
    TFormBorder BorderStyle = TFormBorder::Sizeable;
    bool SupportNCArea = true;
    bool SkinnableForm = true;  // the container's switch
    bool Sizeable = true;       // the engine's Sizeable property
    bool Maximized = false, Minimized = false, RollUp = false;
    bool MinimizedAsSecondary = false;  // minimized while not the application's main form
    bool MDIChild = false, MaximizedMDIChild = false;
    // The layered border frame is in force and its record has FullBorder; "visible" as well for
    // the size limits and the maximized rectangle, which ask whether it is shown.
    bool FullLayeredBorder = false;
    bool LayerBorderVisible = false;
    int32_t LayerRollUpFormHeight = 0;  // the layered frame's collapsed height, 0 = unset
    TRect LayerFrameMargins;            // the layered frame's left/top/right/bottom sizes
    bool Windows7OrLater = true;
    bool MaximizeOnFullScreen = false;
    bool UseRibbon = false;
    TMonitorAreas Monitor;
    int32_t MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
    int32_t MinClientWidth = 0, MinClientHeight = 0, MaxClientWidth = 0, MaxClientHeight = 0;
    TPoint SmallIconSize;  // the platform's small-icon metrics (0 when unknown)
};

// A copy of the skin's [FORMINFO] and the sizes of the pictures it describes. Loaded is false (and
// everything else at its default) without a container or with an empty one.
struct TFormSkinInfo {
    bool Loaded = false;
    int32_t PicW = 0, PicH = 0;  // form picture
    bool HasMask = false;
    bool HasInActivePicture = false;
    bool HasRollUpPicture = false;
    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    TRect ClRect, MaskRectArea;
    TPoint HitTestLTPoint, HitTestRTPoint, HitTestLBPoint, HitTestRBPoint;
    TRect CaptionRect, ButtonsRect;
    int32_t ButtonsOffset = 0;
    bool CapButtonsInLeft = false;
    int32_t BorderW = 0;
    TFrameStretch Stretch;  // the four side flags, StretchEffect and StretchType
    // Indexes into the container's active pictures; an index naming no picture is -1.
    int32_t BGPictureIndex = -1, MDIBGPictureIndex = -1;
    TPoint BGPictureSize, MDIBGPictureSize;
    bool MDIBGStretchEffect = false;
    TspStretchType MDIBGStretchType = spstFull;
    TPoint RollUpLeftPoint, RollUpRightPoint;
    TRect MainMenuRect, IconRect, SizeGripArea;
    int32_t FormMinWidth = 0, FormMinHeight = 0;
    bool AutoRenderingInActiveImage = false;
    TspInActiveEffect InActiveEffect = ieBrightness;

    static TFormSkinInfo From(const TspSkinData* sd);
    TFrameGeometry Geometry() const { return {LTPoint, RTPoint, LBPoint, RBPoint, ClRect}; }
};

// Which kind of caption object an arrange item stands for.
enum class TArrangeKind : uint8_t {
    Other,              // any object that only follows the frame (labels, gauges, plain buttons...)
    StdButton,          // a standard caption button: flows by its Command
    Animate,            // an animation object with a command: flows like a standard button
    Caption,            // the caption object: trimmed to the buttons and the system button
    CaptionMenuButton,  // placed by the caption extras, after the caption is final
};

// What the frame layout reads and writes of one caption object. The engine copies its objects
// into these, runs ArrangeObjects or CalcDefRects, and copies ObjectRect back.
struct TArrangeItem {
    TArrangeKind Kind = TArrangeKind::Other;
    TStdCommand Command = cmDefault;  // StdButton/Animate only
    TRect SkinRect;                   // in the form picture
    TRect ObjectRect;                 // in the window (written)
    bool Visible = true;
    bool Enabled = true;
    // The object has images of its own (false: it is drawn as part of the frame picture and
    // keeps the place the frame gives it).
    bool SkinRectInAPicture = false;
    bool RollUp = false;    // the object belongs to the rolled-up look
    bool ShowIcon = false;  // a cmSysMenu button that shows the window icon
};

// Default caption metrics of the plain frame (no skin).
int32_t DefaultCaptionHeight(TFormBorder border);
int32_t DefaultButtonSize(TFormBorder border);

// How CalcAreaRect moves a linked-control area: without UseStretch it follows the frame like any
// object; with it, each axis is moved (or stretched) only when asked.
struct TAreaAnchors {
    bool UseStretch = false;
    bool MoveX = false, MoveY = false;
    bool StretchX = false, StretchY = false;
};

// What the client background is drawn from and how; the painter fills the client with the face
// colour, or composes SourceRect of the picture over it (tiled from the client's (0, 0), or
// stretched as StretchType says).
enum class TClientBGSource : uint8_t {
    Face,        // no skin, or a skin without a client rectangle
    FramePiece,  // the client rectangle of the form picture
    Picture,     // the active picture PictureIndex, whole
};
struct TClientBackground {
    TClientBGSource Source = TClientBGSource::Face;
    int32_t PictureIndex = -1;
    TRect SourceRect;
    bool Stretch = false;
    TspStretchType StretchType = spstFull;
    friend bool operator==(const TClientBackground&, const TClientBackground&) = default;
};

// Where the client logo goes: centred, but never left of or above the client's corner.
TPoint LogoPosition(TPoint clientSize, TPoint logoSize);

class TspFrameGeometry {
public:
    TFormFacts Form;
    TFormSkinInfo Skin;

    // The window size the geometry is computed for; 0 = take the form's current size.
    int32_t FFormWidth = 0, FFormHeight = 0;

    TPoint NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint;
    TRect NewClRect;
    TRect NewCaptionRect, NewButtonsRect;
    int32_t NewButtonsOffset = 0;
    bool NewButtonsInLeft = false;
    TRect NewMaskRectArea;
    TPoint NewHitTestLTPoint, NewHitTestRTPoint, NewHitTestLBPoint, NewHitTestRBPoint;
    TRect NewMainMenuRect, NewIconRect;
    TRect NewDefCaptionRect;
    TRect FSizeGripArea;

    void CalcRects();
    TRect CalcObjectRect(const TRect& R) const;
    TRect CalcAreaRect(const TRect& R, const TAreaAnchors& a) const;
    // Caption objects' window rectangles, the size-grip place and the caption buttons' flow.
    void ArrangeObjects(std::vector<TArrangeItem>& items);
    // The plain frame's caption and its own buttons.
    void CalcDefRects(std::vector<TArrangeItem>& items);
    // The client rectangle for the proposed window rectangle W (both in the same coordinates).
    TRect CalcClientRect(TRect W);

    int32_t GetMinWidth() const;
    int32_t GetMinHeight() const;
    int32_t GetMaxWidth() const;
    int32_t GetMaxHeight() const;
    // The bounds a maximized window takes.
    TRect GetMaximizedRect() const;
    // The background of a form with a non-client area.
    TClientBackground GetClientBackground() const;
    int32_t GetRealHeight() const { return Form.RollUp ? Form.OldHeight : FFormHeight; }

    bool HasSkinFrame() const;
    bool CanStretchFrame() const;
    bool IsModernSkin() const { return Skin.Loaded && Skin.ClRect.Left == 1; }
    bool IsSizeAble() const;
    bool IsObjectForState(const TArrangeItem& item) const;
    bool Framed() const { return Form.BorderStyle != TFormBorder::None; }
    int32_t DefaultCaptionHeight() const { return vt::DefaultCaptionHeight(Form.BorderStyle); }
    int32_t DefaultButtonSize() const { return vt::DefaultButtonSize(Form.BorderStyle); }

private:
    int32_t Dx() const;
    int32_t Dy() const;
    // Full layered border shown: the frame belongs to the layered window.
    bool FullBorderShown() const { return Form.FullLayeredBorder && Form.LayerBorderVisible; }
    TRect WorkArea() const;
    // One axis of the maximum size: the client maximum, the form's maximum, the work area, the
    // picture and its client, and the plain frame's size.
    struct TAxis {
        int32_t MaxClient, MaxForm, WorkArea, Picture, PictureClient, PlainFrame;
    };
    int32_t MaxSize(const TAxis& a) const;
    TPoint ButtonSize(const TArrangeItem& item) const;
};

} // namespace vt
