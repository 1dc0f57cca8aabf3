// Composing the default skin's frame for a 1920 x 1080 window, active and inactive (the grey
// effect over every strip), against memcpy of the frame's pixels; and redrawing one hovered
// button against composing the whole frame. Prints "ratio ncpaint/memcpy <x.xx>" for the active
// and the inactive frame and "ratio object-redraw/ncpaint <x.xx>".
#include "measure_only.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>

#include "form/frame_paint.h"
#include "raster/caption.h"
#include "skin/skin_data.h"

namespace {

using namespace vt;

using bench::TMeasureOnly;

struct TFrameFixture {
    TspSkinData skin{nullptr};
    TspSkinObjects objects;
    TspFrameGeometry geometry;
    TFramePaintSources src;
    TMeasureOnly text{14};
    TFramePictures out;
    TspBitmap button;
    TFrameFixture()
    {
        skin.BuildMode = true;
        skin.LoadFromFile(L"" VANTREL_SOURCE_DIR "/skins/zozaziz/skin.ini");
        objects.CreateObjects(&skin);
        geometry.Skin = TFormSkinInfo::From(&skin);
        geometry.Form.Width = 1920;
        geometry.Form.Height = 1080;
        src.Skin = &skin;
        src.Caption.FormCaption = L"Vantrel";
        src.Caption.Renderer = [this](const TspCaptionFont&) { return &text; };
    }
    size_t Pixels() const
    {
        size_t n = 0;
        for (const TspBitmap* p : {&out.Top, &out.Left, &out.Right, &out.Bottom})
            n += static_cast<size_t>(p->Width()) * static_cast<size_t>(p->Height());
        return n;
    }
    TspActiveSkinObject* Close() const { return objects.Find<TspActiveSkinObject>(L"closebutton"); }
};

TFrameFixture& Fixture()
{
    static TFrameFixture f;
    return f;
}

void Compose(benchmark::State& state, bool active)
{
    TFrameFixture& f = Fixture();
    f.src.FormActive = active;
    f.objects.Form.FormActive = active;
    if (f.skin.Empty || !ComposeFrame(f.geometry, f.objects, f.src, f.out)) {
        state.SkipWithError("the default skin did not compose");
        return;
    }
    TimePixelWork(state, f.Pixels(), f.out.Top.FBits, [&] { ComposeFrame(f.geometry, f.objects, f.src, f.out); });
}
void BM_NCPaintActive(benchmark::State& state) { Compose(state, true); }
void BM_NCPaintInactive(benchmark::State& state) { Compose(state, false); }
BENCHMARK(BM_NCPaintActive);
BENCHMARK(BM_NCPaintInactive);

// A hovered button alone: its look composed and put on its piece of frame, as DrawSkinObject does.
void BM_ObjectRedraw(benchmark::State& state)
{
    TFrameFixture& f = Fixture();
    f.src.FormActive = true;
    f.objects.Form.FormActive = true;
    ComposeFrame(f.geometry, f.objects, f.src, f.out);
    TspActiveSkinObject* close = f.Close();
    if (!close) {
        state.SkipWithError("no close button");
        return;
    }
    close->Active = close->FMouseIn = true;
    const TRect r = close->ObjectRect;
    f.button.SetSize(r.Width(), r.Height());
    TimePixelWork(state, static_cast<size_t>(r.Width()) * static_cast<size_t>(r.Height()), f.button.FBits, [&] {
        DrawObject(*close, f.geometry, f.src, true, f.button, {0, 0});
    });
}
BENCHMARK(BM_ObjectRedraw);

void BM_Memcpy(benchmark::State& state)
{
    TFrameFixture& f = Fixture();
    ComposeFrame(f.geometry, f.objects, f.src, f.out);
    CopyPixelsBaseline(state, f.Pixels());
}
BENCHMARK(BM_Memcpy);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("ncpaint/memcpy", "BM_NCPaintActive", "BM_Memcpy");
    reporter.PrintRatio("ncpaint/memcpy (inactive)", "BM_NCPaintInactive", "BM_Memcpy");
    reporter.PrintRatio("object-redraw/ncpaint", "BM_ObjectRedraw", "BM_NCPaintActive");
    std::printf("(frame 1920 x 1080: %zu pixels in four strips)\n", Fixture().Pixels());
    benchmark::Shutdown();
    return 0;
}
