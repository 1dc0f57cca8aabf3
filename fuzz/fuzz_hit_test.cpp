// The hit test and the mouse tracking on arbitrary frame geometry: random [FORMINFO] numbers, a
// random mask, random form states, window sizes, object and caption rectangles, points and mouse
// sequences. Beyond not crashing, the answers must keep the rules that hold for any skin: known
// codes only, no resize zone while maximized, never the client while rolled up or minimized, no
// drag without NCDraggAble, and the platform capture given back by every release.
#include "form/hit_test.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

using vt::TPoint;
using vt::TRect;

struct Capture : vt::IMouseCapture {
    void SetCapture() override { ++Held; }
    void ReleaseCapture() override { --Held; }
    int Held = 0;
};

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

int32_t Coord(FuzzedDataProvider& in) { return in.ConsumeIntegralInRange<int32_t>(-64, 900); }
TPoint Point(FuzzedDataProvider& in) { return {Coord(in), Coord(in)}; }
TRect Rectangle(FuzzedDataProvider& in) { return {Coord(in), Coord(in), Coord(in), Coord(in)}; }

vt::TFormSkinInfo SkinInfo(FuzzedDataProvider& in)
{
    vt::TFormSkinInfo s;
    s.Loaded = in.ConsumeBool();
    s.PicW = in.ConsumeIntegralInRange<int32_t>(0, 300);
    s.PicH = in.ConsumeIntegralInRange<int32_t>(0, 300);
    s.HasMask = in.ConsumeBool();
    s.LTPoint = Point(in);
    s.RTPoint = Point(in);
    s.LBPoint = Point(in);
    s.RBPoint = Point(in);
    s.ClRect = Rectangle(in);
    s.MaskRectArea = Rectangle(in);
    s.HitTestLTPoint = Point(in);
    s.HitTestRTPoint = Point(in);
    s.HitTestLBPoint = Point(in);
    s.HitTestRBPoint = Point(in);
    s.CaptionRect = Rectangle(in);
    s.BorderW = in.ConsumeIntegralInRange<int32_t>(-4, 40);
    s.Stretch.LeftStretch = in.ConsumeBool();
    s.Stretch.RightStretch = in.ConsumeBool();
    s.Stretch.TopStretch = in.ConsumeBool();
    s.Stretch.BottomStretch = in.ConsumeBool();
    return s;
}

void FormFacts(FuzzedDataProvider& in, vt::TFormFacts& f)
{
    f.Width = in.ConsumeIntegralInRange<int32_t>(-8, 800);
    f.Height = in.ConsumeIntegralInRange<int32_t>(-8, 800);
    f.BorderStyle = static_cast<vt::TFormBorder>(in.ConsumeIntegralInRange<int>(0, 5));
    f.SupportNCArea = in.ConsumeBool();
    f.SkinnableForm = in.ConsumeBool();
    f.Sizeable = in.ConsumeBool();
    f.Maximized = in.ConsumeBool();
    f.Minimized = in.ConsumeBool();
    f.RollUp = in.ConsumeBool();
    f.MaximizedMDIChild = in.ConsumeBool();
    f.FullLayeredBorder = in.ConsumeBool();
    f.LayerBorderVisible = in.ConsumeBool();
}

// The mask at the picture's size, black (inside) or white pixel by pixel from the input.
vt::TPixelImage Mask(FuzzedDataProvider& in, const vt::TFormSkinInfo& s)
{
    vt::TPixelImage m;
    if (!s.HasMask || s.PicW <= 0 || s.PicH <= 0)
        return m;
    m.Width = s.PicW;
    m.Height = s.PicH;
    m.Pixels.resize(static_cast<size_t>(m.Width) * m.Height, vt::TPixel{255, 255, 255, 255});
    const uint64_t seed = in.ConsumeIntegral<uint64_t>();
    for (size_t i = 0; i < m.Pixels.size(); ++i)
        if ((seed >> (i % 64)) & 1)
            m.Pixels[i] = vt::TPixel{0, 0, 0, 255};
    return m;
}

void CheckAnswer(const vt::TspFrameGeometry& g, const vt::THitTestInput& hin, TPoint p)
{
    const vt::TFormFacts& f = g.Form;
    const std::optional<int32_t> code = vt::FormHitTest(g, hin, p);
    const bool layered = f.FullLayeredBorder && f.LayerBorderVisible;
    Require(code.has_value() == (layered || !f.SupportNCArea || f.SkinnableForm));
    if (!code)
        return;
    const int32_t c = *code;
    Require(c == vt::ht::Client || c == vt::ht::Caption || vt::ht::IsSizing(c) || c == vt::ht::Object);
    if (layered) {
        Require(c == vt::ht::Client);
        return;
    }
    if (!f.SupportNCArea) {
        Require(c == vt::ht::Client || vt::ht::IsSizing(c));
        return;
    }
    if (!g.Skin.Loaded)
        return;
    if (f.Maximized || !f.Sizeable)
        Require(!vt::ht::IsSizing(c));
    if (f.RollUp || f.Minimized)
        Require(c == vt::ht::Caption || c == vt::ht::Object);
    if (c == vt::ht::Caption)
        Require(hin.NCDraggAble && vt::InCaptionDragZone(hin, p));
    if (c == vt::ht::Client)
        Require(g.NewClRect.Contains(p));
}

void Track(FuzzedDataProvider& in, vt::TspSkinObjects& objects, const vt::TspFrameGeometry& g)
{
    Capture capture;
    vt::TspMouseTracker tracker(objects, g, capture);
    tracker.Facts.FormActive = in.ConsumeBool();
    auto valid = [&](int index) {
        return index == -1 || (index >= 0 && static_cast<size_t>(index) < objects.ObjectList.size());
    };
    auto button = [&] { return static_cast<vt::TspMouseButton>(in.ConsumeIntegralInRange<int>(0, 2)); };
    // A command may rebuild the list, as a skin change run from a button would.
    auto run = [&](vt::TspFormCommand) {
        if (in.ConsumeBool())
            objects.CreateObjects(nullptr);
    };
    for (int step = 0; step < 32 && in.remaining_bytes() > 0; ++step) {
        const TPoint p = Point(in);
        switch (in.ConsumeIntegralInRange<int>(0, 8)) {
        case 0: tracker.TestActive(p, in.ConsumeBool()); break;
        case 1: tracker.MouseDown(button(), p); break;
        case 2:
            tracker.MouseUp(button(), p, run);
            Require(capture.Held == 0 && objects.MouseCaptureObject == -1);
            break;
        case 3: tracker.NCMouseMove(p); break;
        case 4: tracker.ClientMouseMove(p); break;
        case 5: tracker.Poll(in.ConsumeBool(), p); break;
        case 6: tracker.DblClick(p); break;
        case 7: tracker.DropCapture(); break;
        default: tracker.Facts.SizeMove = in.ConsumeBool(); break;
        }
        Require(valid(objects.ActiveObject) && valid(objects.MouseCaptureObject));
        Require(capture.Held == 0 || capture.Held == 1);
    }
    tracker.MouseUp(vt::TspMouseButton::Left, {-1, -1}, {});
    Require(capture.Held == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    vt::TspFrameGeometry g;
    g.Skin = SkinInfo(in);
    FormFacts(in, g.Form);
    g.CalcRects();
    g.FSizeGripArea = Rectangle(in);

    const vt::TPixelImage mask = Mask(in, g.Skin);
    vt::TspMaskStrips strips;
    if (g.Skin.Loaded && !mask.Empty())
        strips.Build(g, mask.View());

    vt::THitTestInput hin;
    hin.Strips = in.ConsumeBool() ? &strips : nullptr;
    for (int n = in.ConsumeIntegralInRange<int>(0, 3); n > 0; --n)
        hin.CaptionRects.push_back(Rectangle(in));
    for (int n = in.ConsumeIntegralInRange<int>(0, 3); n > 0; --n)
        hin.CaptionItems.push_back(Rectangle(in));
    hin.NCDraggAble = in.ConsumeBool();
    hin.ObjectHot = in.ConsumeBool();
    hin.SizeMove = in.ConsumeBool();

    for (int n = 0; n < 16 && in.remaining_bytes() > 0; ++n)
        CheckAnswer(g, hin, Point(in));

    vt::TspSkinObjects objects;
    objects.CreateObjects(nullptr);
    for (auto& o : objects.ObjectList) {
        o->ObjectRect = Rectangle(in);
        o->Enabled = in.ConsumeBool();
        o->Visible = in.ConsumeBool();
    }
    Track(in, objects, g);
    return 0;
}
