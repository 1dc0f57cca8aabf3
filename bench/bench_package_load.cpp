// Loading a skin package against bare zlib uncompress of the same stream. The package is built
// here like a skin: a 24-bit main picture, a 1-bit mask, active pictures up to about 1 MiB of
// body, and about 60 KB of definition text. Prints "ratio package-load/uncompress <x.xx>".
#include "framework/base/ini_file.h"
#include "framework/base/string_list.h"
#include "skin/bmp_codec.h"
#include "skin/skin_data.h"
#include "skin/stored_skin.h"
#include "skin/zlib_streams.h"

#include "ratio_reporter.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

vt::TPixelImage Picture(int w, int h, vt::TPixelFormat format, int seed)
{
    vt::TPixelImage p;
    p.Width = w;
    p.Height = h;
    p.Format = format;
    p.Pixels.resize(static_cast<size_t>(w) * h);
    uint32_t noise = 0x12345u + seed;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            noise = noise * 1103515245u + 12345u;
            uint8_t n = (noise >> 24) & 7;  // a little grain, as in painted skin pictures
            auto& px = p.At(x, y);
            if (format == vt::TPixelFormat::pf1bit) {
                uint8_t v = (x > 3 && y > 3 && x < w - 4 && y < h - 4) ? 0 : 255;
                px = {v, v, v, 255};
            } else {
                px = {uint8_t(120 + x / 3 + n), uint8_t(90 + y / 2 + n), uint8_t((x + y + seed * 40) / 4 + n), 255};
            }
        }
    return p;
}

struct Package {
    vt::TspCompressedStoredSkin stored{nullptr};
    size_t bodySize = 0;
};

Package& TestPackage()
{
    static Package pkg;
    static bool built = [] {
        Package& p = pkg;
        vt::TMemoryStream body;
        body.WriteValue<int32_t>(2);
        auto slot = [&](const vt::TPixelImage* img) {
            body.WriteValue<uint8_t>(img ? 0 : 1);
            if (img)
                vt::WriteBitmap(body, *img);
        };
        vt::TPixelImage main = Picture(196, 146, vt::TPixelFormat::pf24bit, 0);
        vt::TPixelImage mask = Picture(196, 146, vt::TPixelFormat::pf1bit, 0);
        slot(&main);
        slot(nullptr);
        slot(&mask);
        slot(nullptr);
        slot(nullptr);
        body.WriteValue<int32_t>(15);
        for (int i = 0; i < 15; ++i)
            vt::WriteBitmap(body, Picture(180, 120, vt::TPixelFormat::pf24bit, i + 1));
        // About 60 KB of definition in the writer's form: [FORMINFO] and many record sections.
        std::string text = "[VERSION]\r\nver=2\r\nskinname=Bench\r\n[PICTURES]\r\npicture=main.bmp\r\nmask=mask.bmp\r\n"
                           "[FORMINFO]\r\nclientrect=2,29,194,144\r\nlefttoppoint=10,29\r\nborderwidth=2\r\n"
                           "[SKINAREAS]\r\ncount=0\r\n[SKINOBJECTS]\r\ncount=0\r\n[SKINCONTROLS]\r\ncount=0\r\n";
        for (int r = 0; text.size() < 60000; ++r) {
            text += "[record" + std::to_string(r) + "]\r\n";
            for (int k = 0; k < 30; ++k)
                text += "key" + std::to_string(k) + "=" + std::to_string(r) + "," + std::to_string(k * 3) + ",40,17\r\n";
        }
        body.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
        p.bodySize = static_cast<size_t>(body.Size());
        vt::TMemoryStream zlib;
        vt::CompressBytes(body.Memory(), p.bodySize, zlib);
        p.stored.SetCompressedData(zlib.TakeBytes());
        return true;
    }();
    (void)built;
    return pkg;
}

void BM_PackageLoad(benchmark::State& state)
{
    Package& p = TestPackage();
    vt::TspSkinData sd(nullptr);
    for (auto _ : state) {
        sd.LoadCompressedStoredSkin(&p.stored);
        benchmark::DoNotOptimize(sd.FPicture.Pixels.data());
    }
    state.counters["body_bytes"] = static_cast<double>(p.bodySize);
}
BENCHMARK(BM_PackageLoad)->Unit(benchmark::kMicrosecond);

void BM_Uncompress(benchmark::State& state)
{
    Package& p = TestPackage();
    const auto& z = p.stored.CompressedData();
    std::vector<uint8_t> out(p.bodySize);
    for (auto _ : state) {
        uLongf n = static_cast<uLongf>(out.size());
        if (uncompress(out.data(), &n, z.data(), static_cast<uLong>(z.size())) != Z_OK)
            state.SkipWithError("uncompress failed");
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_Uncompress)->Unit(benchmark::kMicrosecond);


} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("package-load/uncompress", "BM_PackageLoad", "BM_Uncompress");
    benchmark::Shutdown();
    return 0;
}
