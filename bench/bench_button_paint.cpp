// The default skin's button at 120 x 27: composing one state look against a plain blit of its
// size, and one fade frame (normal and hot composed, then mixed) against one compose. Prints
// "ratio button-paint/blit <x.xx>" and "ratio fade-frame/compose <x.xx>".
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>

#include "controls/button_model.h"
#include "controls/skin_look.h"
#include "raster/compose.h"
#include "raster/effect_bmp.h"
#include "skin/skin_data.h"

namespace {

using namespace vt;

constexpr int kWidth = 120, kHeight = 27;

struct TButtonFixture {
    TspSkinData skin{nullptr};
    TControlGeometry geometry;
    TButtonSkin look;
    TPixelView picture;
    TspBitmap out, hot, source;
    bool ok = false;
    TButtonFixture()
    {
        skin.BuildMode = true;
        skin.LoadFromFile(L"" VANTREL_SOURCE_DIR "/skins/zozaziz/skin.ini");
        TRecordLookup found = FindControlRecord<TspDataSkinButtonControl>(&skin, L"button");
        if (!found)
            return;
        const auto& r = static_cast<const TspDataSkinButtonControl&>(*found.Record);
        geometry.Assign(CopyRecordGeometry(skin, r, true));
        int w = kWidth, h = kHeight;
        geometry.CalcSkinSize(w, h);
        look = ReadButtonSkin(r);
        if (geometry.Record.Picture < 0)
            return;
        picture = skin.FActivePictures[static_cast<size_t>(geometry.Record.Picture)]->View();
        source.SetSize(kWidth, kHeight);
        source.Clear(0xFF808080);
        out.SetSize(kWidth, kHeight);
        hot.SetSize(kWidth, kHeight);
        ok = RenderSkinRect(out, picture, look.SkinRect, geometry, false, kWidth, kHeight);
    }
    void Compose(TspBitmap& dest, const TRect& rect) { RenderSkinRect(dest, picture, rect, geometry, false, kWidth, kHeight); }
};

TButtonFixture& Fixture()
{
    static TButtonFixture f;
    return f;
}

constexpr size_t kPixels = size_t(kWidth) * size_t(kHeight);

void BM_ButtonPaint(benchmark::State& state)
{
    TButtonFixture& f = Fixture();
    if (!f.ok) {
        state.SkipWithError("the default skin's button did not compose");
        return;
    }
    TimePixelWork(state, kPixels, f.out.FBits, [&] { f.Compose(f.out, f.look.DownSkinRect); });
}
BENCHMARK(BM_ButtonPaint);

void BM_Blit(benchmark::State& state)
{
    TButtonFixture& f = Fixture();
    const TRect all{0, 0, kWidth, kHeight};
    TimePixelWork(state, kPixels, f.out.FBits, [&] { CopyRect(f.out, all, f.source.View(), all); });
}
BENCHMARK(BM_Blit);

void BM_FadeFrame(benchmark::State& state)
{
    TButtonFixture& f = Fixture();
    if (!f.ok) {
        state.SkipWithError("the default skin's button did not compose");
        return;
    }
    TimePixelWork(state, kPixels, f.out.FBits, [&] {
        f.Compose(f.out, f.look.SkinRect);
        f.Compose(f.hot, f.look.ActiveSkinRect);
        TspEffectBmp mixed(f.out.View());
        mixed.MorphByKind(static_cast<uint8_t>(f.look.MorphKind), TspEffectBmp(f.hot.View()), 0.4);
        mixed.ToBitmap(f.out);
    });
}
BENCHMARK(BM_FadeFrame);

void BM_Compose(benchmark::State& state)
{
    TButtonFixture& f = Fixture();
    if (!f.ok) {
        state.SkipWithError("the default skin's button did not compose");
        return;
    }
    TimePixelWork(state, kPixels, f.out.FBits, [&] { f.Compose(f.out, f.look.SkinRect); });
}
BENCHMARK(BM_Compose);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("button-paint/blit", "BM_ButtonPaint", "BM_Blit");
    reporter.PrintRatio("fade-frame/compose", "BM_FadeFrame", "BM_Compose");
    std::printf("(button %d x %d)\n", kWidth, kHeight);
    benchmark::Shutdown();
    return 0;
}
