// Composing the frame strips of a maximized 1920 x 1080 window from a skin-sized element
// (tiled and stretched edges, as a real frame is drawn), against memcpy of the same number of
// pixels. Prints "ratio frame-compose/memcpy <x.xx>" after the benchmarks.
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "raster/compose.h"

namespace {

using namespace vt;

constexpr int kW = 1920, kH = 1080;
// A 300 x 200 frame element at (8, 8) of its picture: a 30-pixel caption band and 4-pixel
// borders, ornamented corners fixed, the middles repeating.
constexpr TRect kSkinRect = {8, 8, 308, 208};
const TFrameGeometry kGeometry = {{60, 22}, {240, 22}, {60, 160}, {240, 160}, {4, 30, 296, 196}};

struct TFrameFixture {
    TspBitmap skin, left, top, right, bottom;
    TFrameGeometry ng;
    TFrameFixture()
    {
        skin.SetSize(320, 220);
        for (int y = 0; y < skin.FHeight; ++y)
            for (int x = 0; x < skin.FWidth; ++x)
                skin.SetPixel(x, y, MakePixel(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 90, 255));
        ng = ResizeFrameGeometry(kGeometry, kSkinRect.Width(), kSkinRect.Height(), kW, kH);
    }
    // A typical frame: the caption and bottom bands tiled between their fixed corner pieces,
    // the thin sides stretched.
    void Compose(bool topStretch = false, bool sideStretch = true, bool bottomStretch = false)
    {
        TFrameStretch s;
        s.TopStretch = topStretch;
        s.LeftStretch = s.RightStretch = sideStretch;
        s.BottomStretch = bottomStretch;
        BuildFrameStrips(kGeometry, ng, left, top, right, bottom, skin, kSkinRect, kW, kH, s);
    }
    size_t Pixels() const
    {
        return size_t(left.FWidth) * left.FHeight + size_t(top.FWidth) * top.FHeight +
               size_t(right.FWidth) * right.FHeight + size_t(bottom.FWidth) * bottom.FHeight;
    }
};

void BM_FrameCompose(benchmark::State& state)
{
    TFrameFixture f;
    TimePixelWork(state, f.Pixels(), f.top.FBits, [&] { f.Compose(); });
}
BENCHMARK(BM_FrameCompose);

// The two extremes, for reference.
void BM_FrameComposeAllTiled(benchmark::State& state)
{
    TFrameFixture f;
    for (auto _ : state) {
        f.Compose(false, false, false);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FrameComposeAllTiled);

void BM_FrameComposeAllStretched(benchmark::State& state)
{
    TFrameFixture f;
    for (auto _ : state) {
        f.Compose(true, true, true);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FrameComposeAllStretched);

void BM_Memcpy(benchmark::State& state)
{
    TFrameFixture f;
    f.Compose();
    // The same number of pixels as the four strips.
    CopyPixelsBaseline(state, f.Pixels());
}
BENCHMARK(BM_Memcpy);


} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("frame-compose/memcpy", "BM_FrameCompose", "BM_Memcpy");
    std::printf("(all tiled %.2f, all stretched %.2f)\n", reporter.Ratio("BM_FrameComposeAllTiled", "BM_Memcpy"),
                reporter.Ratio("BM_FrameComposeAllStretched", "BM_Memcpy"));
    benchmark::Shutdown();
    return 0;
}
