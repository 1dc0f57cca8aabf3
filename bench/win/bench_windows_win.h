// The two windows the window benchmarks compare, of the same size at the same place: a form with
// the engine and the default skin, and a plain form whose standard sizeable frame the platform
// draws and answers (no engine). The one measured is brought to the front and activated; both
// stay shown, since the window manager may place a window anew each time it is shown again.
#pragma once

#include "form/dynamic_skin_form_win.h"
#include "framework/win/forms.h"
#include "win/framework/real_input.h"
#include "win/skin/loaded_skin.h"

#include <cstdio>
#include <exception>
#include <memory>

namespace bench {

// The default skin loaded into a container of form's; null, with a message, when it does not load.
inline vt::TspSkinData* LoadDefaultSkin(vt::TForm& form)
{
    vt::TspSkinData* skin = vt::test::NewLoadedSkinData(&form);
    if (!skin)
        std::fprintf(stderr, "the default skin did not load\n");
    return skin;
}

struct TBenchWindows {
    std::unique_ptr<vt::TForm> Skinned, Plain;
    vt::TspDynamicSkinForm* Engine = nullptr;

    // False (with a message) when the default skin does not load.
    bool Create(int left, int top, int width, int height)
    {
        vt::Application->Initialize();
        Skinned = std::make_unique<vt::TForm>(nullptr);
        Skinned->SetCaption(L"Vantrel frame");
        Engine = new vt::TspDynamicSkinForm(Skinned.get());
        vt::TspSkinData* skin = LoadDefaultSkin(*Skinned);
        if (!skin)
            return false;
        Engine->SetSkinData(skin);
        Plain = std::make_unique<vt::TForm>(nullptr);
        Plain->SetCaption(L"Vantrel frame");
        for (vt::TForm* f : {Skinned.get(), Plain.get()})
            f->SetBounds(left, top, width, height);
        Plain->Show();
        Skinned->Show();
        BringToFront(*Skinned);
        return true;
    }

    // Puts form above the other one, active, and lets both settle.
    void BringToFront(vt::TForm& form)
    {
        SetWindowPos(form.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetForegroundWindow(form.Handle());
        vt::test::Pump(100);
    }
};

// A benchmark's main: run's exit code, or 1 with the message of an exception that ends it.
inline int RunMain(int (*run)(int, char**), int argc, char** argv)
{
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}

} // namespace bench
