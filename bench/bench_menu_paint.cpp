// Painting a 12-item popup level of the default skin, one item mid-fade, against memcpy of the
// level's pixels. Prints "ratio menu-paint/memcpy <x.xx>" after the benchmarks. Text goes to a
// renderer that only measures, so the figure is the pictures, the fade and the glyphs.
#include "measure_only.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

#include "framework/base/menus.h"
#include "menus/popup_level.h"
#include "menus/popup_paint.h"
#include "raster/caption.h"
#include "skin/skin_data.h"

namespace {

using namespace vt;

using bench::TMeasureOnly;

struct TLevelFixture {
    TspSkinData skin{nullptr};
    TPopupMenu menu{nullptr};
    TMeasureOnly text;
    std::unique_ptr<TspPopupLevel> level;
    TspBitmap out;
    TMenuPaintSources sources;

    TLevelFixture()
    {
        skin.BuildMode = true;
        skin.LoadFromFile(L"" VANTREL_SOURCE_DIR "/skins/zozaziz/skin.ini");
        const wchar_t* captions[] = {L"New window", L"Open...", L"Save as...", L"-", L"Print...", L"Find...",
                                     L"Zoom in", L"Zoom out", L"-", L"Select skin...", L"About", L"Close"};
        for (const wchar_t* c : captions) {
            auto* item = new TMenuItem(nullptr);
            item->Caption = c;
            menu.Items()->Add(item);
        }
        menu.Items()->Items(9)->ShortCut = 16467;
        menu.Items()->Items(2)->Checked = true;
        level = std::make_unique<TspPopupLevel>(nullptr, MenuLevelLook(&skin));
        level->Build(menu.Items(), 0);
        level->CalcPopupSize(&text, Rect(0, 0, 1920, 1080));
        level->LayoutItems();
        level->Item(5).Active = true;
        level->Item(5).MorphKf = 0.6;
        sources.Skin = &skin;
        sources.Text = &text;
    }
    void Paint() { PaintPopupLevel(*level, sources, out); }
    size_t Pixels() const { return static_cast<size_t>(level->Width) * static_cast<size_t>(level->Height); }
};

TLevelFixture& Fixture()
{
    static TLevelFixture f;
    return f;
}

void BM_MenuPaint(benchmark::State& state)
{
    TLevelFixture& f = Fixture();
    if (f.skin.Empty || f.level->Count() != 12) {
        state.SkipWithError("the default skin did not load");
        return;
    }
    TimePixelWork(state, f.Pixels(), f.out.FBits, [&] { f.Paint(); });
}
BENCHMARK(BM_MenuPaint);

void BM_Memcpy(benchmark::State& state)
{
    CopyPixelsBaseline(state, Fixture().Pixels());
}
BENCHMARK(BM_Memcpy);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("menu-paint/memcpy", "BM_MenuPaint", "BM_Memcpy");
    std::printf("(level %d x %d)\n", Fixture().level->Width, Fixture().level->Height);
    benchmark::Shutdown();
    return 0;
}
