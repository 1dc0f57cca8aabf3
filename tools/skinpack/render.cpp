#include "render.h"

#include "controls/button_model.h"
#include "controls/skin_control_model.h"
#include "controls/skin_look.h"
#include "form/frame_paint.h"
#include "form/frame_region.h"
#include "form/object_paint.h"
#include "framework/base/exceptions.h"
#include "framework/base/platform_files.h"
#include "framework/base/strings.h"
#include "raster/compose.h"
#include "raster/png_image.h"
#include "skin/control_records.h"
#include "skin/form_records.h"
#include "skin/skin_data.h"
#include "skin/skin_inspect.h"

#include <algorithm>
#include <set>

namespace vt {

namespace {

// What a window's client shows while the frame is rendered alone.
constexpr TspColor kClientGrey = 0xFFD4D0C8u;

[[noreturn]] void Fail(const std::wstring& message) { throw EInvalidOperation(message); }

void CheckSize(int32_t w, int32_t h)
{
    if (w < 1 || h < 1 || w > kMaxRenderSide || h > kMaxRenderSide)
        Fail(L"The size " + IntToStr(w) + L" x " + IntToStr(h) + L" is outside 1.." + IntToStr(kMaxRenderSide));
}

std::wstring StateWord(TRenderState s) { return Utf8ToWide(RenderStateName(s)); }

// Opaque pixels, then alpha 0 wherever region leaves the picture out.
TPixelImage ToShapedImage(TspBitmap& bitmap, const TRegion* region)
{
    bitmap.SetAlpha(255);
    if (region) {
        bitmap.SetAlpha(0);
        for (const TRect& r : region->Rects)
            bitmap.SetAlpha(255, IntersectRect(r, bitmap.BoundsRect()));
    }
    return bitmap.ToPixelImage();
}

void Paste(TspBitmap& dst, const TspBitmap& piece, int32_t x, int32_t y)
{
    if (!piece.Empty())
        CopyRect(dst, Bounds(x, y, piece.Width(), piece.Height()), piece.View(), piece.BoundsRect());
}

// The objects of a form of the given activity, laid out by nothing yet.
void MakeObjects(const TspSkinData& sd, bool active, TspSkinObjects& objects)
{
    objects.Form.SkinLoaded = true;
    objects.Form.FormActive = active;
    objects.CreateObjects(&sd);
    objects.CheckObjects(TspObjectSettings{}, &sd);
}

TPixelImage RenderFrame(const TspSkinData& sd, const TRenderRequest& r, std::vector<TPlacedPicture>* places)
{
    TspFrameGeometry g;
    g.Skin = TFormSkinInfo::From(&sd);
    if (!g.HasSkinFrame())
        Fail(L"The skin has no frame: it has no main picture");
    g.Form.Width = g.FFormWidth = r.Width;
    g.Form.Height = g.Form.OldHeight = g.FFormHeight = r.Height;
    const TRect screen = Rect(0, 0, kMaxRenderSide, kMaxRenderSide);
    g.Form.Monitor = {screen, screen, screen};
    g.Form.SmallIconSize = {16, 16};
    TspSkinObjects objects;
    MakeObjects(sd, !r.Inactive, objects);
    TFramePaintSources src;
    src.Skin = &sd;
    src.FormActive = !r.Inactive;
    TFramePictures pictures;
    if (!ComposeFrame(g, objects, src, pictures))
        Fail(L"The frame needs a window of at least " + IntToStr(g.GetMinWidth()) + L" x " +
             IntToStr(g.GetMinHeight()));
    if (places)
        for (const auto& o : objects.ObjectList)
            if (o->Visible && !o->ObjectRect.IsEmpty() && o->Look(false).Source != TspLookSource::None)
                places->push_back({o->IDName, TRenderState::Normal, o->ObjectRect});
    TspBitmap window;
    window.SetSize(r.Width, r.Height);
    window.Clear(kClientGrey);
    const TRect cl = g.NewClRect;
    Paste(window, pictures.Top, 0, 0);
    Paste(window, pictures.Left, 0, cl.Top);
    Paste(window, pictures.Right, cl.Right, cl.Top);
    Paste(window, pictures.Bottom, 0, cl.Bottom);
    TspMaskStrips strips;
    const TFrameRegion region = CreateNewRegion(g, sd.FMask.View(), true, strips);
    return ToShapedImage(window, region.Kind == TFrameRegionKind::Shaped ? &region.Region : nullptr);
}

// Puts the object in the state it is drawn in for s, as the mouse and the form would.
void SetObjectState(TspActiveSkinObject& o, TRenderState s)
{
    if (s == TRenderState::Disabled) {
        o.Enabled = false;
        return;
    }
    if (s == TRenderState::Normal)
        return;
    o.Active = o.FMouseIn = true;
    o.SetMorphKf(1);  // the hot look itself, not a step on the way to it
    if (s == TRenderState::Down)
        if (auto* b = dynamic_cast<TspSkinButtonObject*>(&o))
            b->FDown = true;
}

TPixelImage RenderObject(const TspSkinData& sd, const TRenderRequest& r)
{
    TspSkinObjects objects;
    MakeObjects(sd, !r.Inactive, objects);
    const int index = objects.GetIndex(r.What);
    if (index < 0)
        Fail(L"\"" + r.What + L"\" is a form record the frame makes no object of; it is drawn by its menu or bar");
    TspActiveSkinObject& o = *objects.ObjectList[static_cast<size_t>(index)];
    SetObjectState(o, r.State);
    // A rectangle reaching past its picture would be drawn from pixels that are not there.
    const TspObjectLook look = o.Look(true);
    const TPixelImage* from = LookPicture(look, o, &sd);
    if (from && !look.Morph && !RectInPicture(look.Rect, *from))
        Fail(L"The form object \"" + r.What + L"\" copies its " + StateWord(r.State) +
             L" look from outside its picture (skinpack check names the rectangle)");
    TspBitmap out;
    bool drawn;
    if (auto* caption = dynamic_cast<TspSkinCaptionObject*>(&o)) {
        caption->ObjectRect = Rect(0, 0, r.Width, r.Height);
        TObjectPaintSources src;
        src.Skin = &sd;
        src.FormActive = !r.Inactive;
        src.CanStretchFrame = true;
        drawn = RenderCaptionBackground(*caption, true, src, out);
    } else {
        drawn = RenderLook(look, o, &sd, r.Width, r.Height, out);
    }
    if (!drawn)
        Fail(L"The form object \"" + r.What + L"\" has no picture to draw in the " + StateWord(r.State) + L" state");
    return ToShapedImage(out, nullptr);
}

// The rectangle a control draws in state s. A button falls back as the button does (pressed
// without a down look: its hot one); any other state without its own look draws the normal one.
TRect StateRect(const TspDataSkinControl& rec, TRenderState s)
{
    TRect own;
    if (const auto* b = dynamic_cast<const TspDataSkinButtonControl*>(&rec))
        own = LookRect(ReadButtonSkin(*b), s == TRenderState::Hot        ? TButtonLook::blHot
                                           : s == TRenderState::Down     ? TButtonLook::blDown
                                           : s == TRenderState::Disabled ? TButtonLook::blDisabled
                                                                         : TButtonLook::blNormal);
    else if (s == TRenderState::Hot)
        own = ActiveSkinRectOf(rec);
    return IsEmptyRect(own) ? rec.SkinRect : own;
}

TPixelImage RenderControl(const TspSkinData& sd, const TspDataSkinControl& rec, const TRenderRequest& r)
{
    TSkinRecordGeometry record;
    if (const auto* custom = dynamic_cast<const TspDataSkinCustomControl*>(&rec)) {
        record = CopyRecordGeometry(sd, *custom, true);
    } else {
        record.SkinRect = rec.SkinRect;
        record.Picture = SkinActivePicture(sd, rec.PictureIndex) ? rec.PictureIndex : -1;
        record.MaskPicture = SkinActivePicture(sd, rec.MaskPictureIndex) ? rec.MaskPictureIndex : -1;
    }
    const TPixelImage* picture = SkinActivePicture(sd, record.Picture);
    if (!picture)
        Fail(L"The control record \"" + r.What + L"\" names no picture (pictureindex " + IntToStr(rec.PictureIndex) +
             L")");
    // The state's rectangle is drawn, the record's own one gives a fixed-size record its size.
    const TRect rect = StateRect(rec, r.State);
    if ((!IsEmptyRect(rect) && !RectInPicture(rect, *picture)) ||
        (!IsEmptyRect(rec.SkinRect) && !RectInPicture(rec.SkinRect, *picture)))
        Fail(L"The control record \"" + r.What + L"\" copies its " + StateWord(r.State) +
             L" look from outside its picture (skinpack check names the rectangle)");
    TControlGeometry g;
    g.Assign(record);
    if (g.Mode == rmNone)
        Fail(L"The control record \"" + r.What + L"\" has no skinrect to draw from");
    int32_t w = r.Width, h = r.Height;
    g.CalcSkinSize(w, h);
    CheckSize(w, h);
    TspBitmap out;
    if (!RenderSkinRect(out, picture->View(), rect, g, false, w, h))
        Fail(L"The control record \"" + r.What + L"\" draws nothing at " + IntToStr(w) + L" x " + IntToStr(h));
    const TPixelImage* mask = SkinActivePicture(sd, record.MaskPicture);
    const std::optional<TRegion> region = mask ? SkinRegion(g, mask->View(), w, h) : std::nullopt;
    return ToShapedImage(out, region ? &*region : nullptr);
}

} // namespace

const char* RenderStateName(TRenderState state)
{
    switch (state) {
    case TRenderState::Normal:
        return "normal";
    case TRenderState::Hot:
        return "hot";
    case TRenderState::Down:
        return "down";
    case TRenderState::Disabled:
        return "disabled";
    }
    return "normal";
}

TPixelImage RenderSkinPicture(const TspSkinData& sd, const TRenderRequest& request,
                              std::vector<TPlacedPicture>* objects)
{
    CheckSize(request.Width, request.Height);
    if (sd.Empty)
        Fail(L"No skin is loaded");
    if (request.What == L"frame")
        return RenderFrame(sd, request, objects);
    if (sd.GetIndex(request.What) >= 0)
        return RenderObject(sd, request);
    if (const TRecordLookup control = FindControlRecord(&sd, request.What))
        return RenderControl(sd, *control.Record, request);
    Fail(L"The skin has no form object or control record named \"" + request.What + L"\"");
}

TSkinSheet RenderSkinSheet(const TspSkinData& sd)
{
    if (sd.Empty)
        Fail(L"No skin is loaded");
    struct Piece {
        TPlacedPicture Tile;
        TPixelImage Picture;
    };
    std::vector<Piece> pieces;
    auto add = [&](const std::wstring& name, TRenderState state, int32_t w, int32_t h, const TPixelImage* normal) {
        try {
            TPixelImage p = RenderSkinPicture(sd, {name, w, h, false, state});
            // A state drawn like the normal one shows nothing new.
            if (normal && p == *normal)
                return false;
            pieces.push_back({{name, state, Bounds(0, 0, p.Width, p.Height)}, std::move(p)});
            return true;
        } catch (const EInvalidOperation&) {
            return false;
        }
    };
    const TFormSkinInfo info = TFormSkinInfo::From(&sd);
    add(L"frame", TRenderState::Normal, info.PicW, info.PicH, nullptr);
    std::set<String> seen;
    for (const auto* list : {&sd.ObjectList, &sd.CtrlList})
        for (const auto& rec : *list) {
            if (!rec || !seen.insert(rec->IDName).second)
                continue;
            TRect r;
            if (const auto* o = dynamic_cast<const TspDataSkinObject*>(rec.get()))
                r = o->SkinRect;
            else if (const auto* c = dynamic_cast<const TspDataSkinControl*>(rec.get()))
                r = c->SkinRect;
            if (!add(rec->IDName, TRenderState::Normal, r.Width(), r.Height(), nullptr))
                continue;
            const TPixelImage normal = pieces.back().Picture;  // a copy: adding moves the pieces
            for (TRenderState s : {TRenderState::Hot, TRenderState::Down, TRenderState::Disabled})
                add(rec->IDName, s, r.Width(), r.Height(), &normal);
        }
    if (pieces.empty())
        Fail(L"Nothing in the skin draws a picture");

    // Rows of tiles, each framed by a gap; a row breaks before it grows past the widest tile or
    // 1024 pixels, and a tile that would make the sheet larger than any render is left out.
    constexpr int32_t kGap = 6;
    int32_t rowLimit = 1024;
    for (const Piece& p : pieces)
        rowLimit = std::max(rowLimit, p.Picture.Width + 2 * kGap);
    int32_t x = kGap, y = kGap, rowH = 0, width = 0;
    TSkinSheet sheet;
    std::vector<const Piece*> placed;
    for (Piece& p : pieces) {
        if (x > kGap && x + p.Picture.Width + kGap > rowLimit) {
            x = kGap;
            y += rowH + kGap;
            rowH = 0;
        }
        if (y + p.Picture.Height + kGap > kMaxRenderSide || p.Picture.Width + 2 * kGap > kMaxRenderSide)
            continue;
        p.Tile.Place = Bounds(x, y, p.Picture.Width, p.Picture.Height);
        sheet.Tiles.push_back(p.Tile);
        placed.push_back(&p);
        x += p.Picture.Width + kGap;
        rowH = std::max(rowH, p.Picture.Height);
        width = std::max(width, x);
    }
    if (placed.empty())
        Fail(L"No picture of the skin fits on a sheet");
    TspBitmap canvas;
    canvas.SetSize(width, y + rowH + kGap);
    for (int32_t cy = 0; cy < canvas.Height(); ++cy)
        for (int32_t cx = 0; cx < canvas.Width(); ++cx)
            canvas.SetPixel(cx, cy, ((cx / 8 + cy / 8) & 1) ? 0xFFE4E4E4u : 0xFFFFFFFFu);
    for (const Piece* p : placed) {
        const TPixelView v = p->Picture.View();
        for (int32_t py = 0; py < v.Height; ++py)
            for (int32_t px = 0; px < v.Width; ++px)
                if (v.Row(py)[px] >> 24)
                    canvas.SetPixel(p->Tile.Place.Left + px, p->Tile.Place.Top + py, v.Row(py)[px]);
    }
    sheet.Picture = canvas.ToPixelImage();
    return sheet;
}

namespace {

// "<W>x<H>", each side up to kMaxRenderSide; anything else raises EConvertError.
void ParseSize(const std::wstring& text, int32_t& w, int32_t& h)
{
    const size_t x = text.find_first_of(L"xX");
    auto side = [&](std::wstring_view digits) {
        if (digits.empty() || digits.size() > 9 ||
            !std::all_of(digits.begin(), digits.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; }))
            throw EConvertError(L"\"" + text + L"\" is not a size <width>x<height>");
        return static_cast<int32_t>(std::stol(std::wstring(digits)));
    };
    if (x == std::wstring::npos)
        throw EConvertError(L"\"" + text + L"\" is not a size <width>x<height>");
    w = side(std::wstring_view(text).substr(0, x));
    h = side(std::wstring_view(text).substr(x + 1));
    CheckSize(w, h);
}

void LoadSkin(TspSkinData& sd, const std::wstring& argument)
{
    LoadSkinSource(sd, ResolveSkinSource(argument));
    if (sd.Empty)
        Fail(L"The skin \"" + argument + L"\" loaded nothing");
}

} // namespace

int SkinpackRender(const std::vector<std::wstring>& args, std::string& out)
{
    if (args.size() == 3 && args[1] == L"sheet") {
        TspSkinData sd(nullptr);
        LoadSkin(sd, args[0]);
        const TSkinSheet sheet = RenderSkinSheet(sd);
        SavePng(FileSystemPath(args[2]), sheet.Picture);
        out += "wrote " + WideToUtf8(args[2]) + " (" + std::to_string(sheet.Picture.Width) + " x " +
               std::to_string(sheet.Picture.Height) + ", " + std::to_string(sheet.Tiles.size()) + " pictures)\n";
        for (const TPlacedPicture& t : sheet.Tiles)
            out += "  " + WideToUtf8(t.Name) + " " + RenderStateName(t.State) + " at " +
                   std::to_string(t.Place.Left) + "," + std::to_string(t.Place.Top) + " " +
                   std::to_string(t.Place.Width()) + " x " + std::to_string(t.Place.Height()) + "\n";
        return 0;
    }
    if (args.size() < 4) {
        out += "render takes <skin> <what> <W>x<H> <out.png> [--inactive] [--state normal|hot|down|disabled]"
               " or <skin> sheet <out.png>\n";
        return 2;
    }
    TRenderRequest request;
    request.What = args[1];
    for (size_t i = 4; i < args.size(); ++i) {
        if (args[i] == L"--inactive") {
            request.Inactive = true;
            continue;
        }
        bool known = false;
        if (args[i] == L"--state" && i + 1 < args.size()) {
            for (TRenderState s : {TRenderState::Normal, TRenderState::Hot, TRenderState::Down, TRenderState::Disabled})
                if (args[i + 1] == StateWord(s)) {
                    request.State = s;
                    known = true;
                }
            ++i;
        }
        if (!known) {
            out += "render: unknown option or state \"" + WideToUtf8(args[i]) + "\"\n";
            return 2;
        }
    }
    ParseSize(args[2], request.Width, request.Height);
    TspSkinData sd(nullptr);
    LoadSkin(sd, args[0]);
    const TPixelImage picture = RenderSkinPicture(sd, request);
    SavePng(FileSystemPath(args[3]), picture);
    out += "wrote " + WideToUtf8(args[3]) + " (" + WideToUtf8(request.What) + ", " + std::to_string(picture.Width) +
           " x " + std::to_string(picture.Height) + ", " + RenderStateName(request.State) +
           (request.Inactive ? ", inactive" : "") + ")\n";
    return 0;
}

} // namespace vt
