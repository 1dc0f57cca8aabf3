// For the targets that fuzz a definition over real pictures: the default skin from the source
// tree, loaded once, and a way to lend its pictures to one input's container.
#pragma once

#include "framework/base/exceptions.h"
#include "framework/base/ini_file.h"
#include "framework/base/string_list.h"
#include "skin/skin_data.h"

#include <initializer_list>

#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

namespace fuzz {

// A registry that takes the container's messages and knows no forms.
struct NullForms : vt::ISkinFormRegistry, vt::ISkinMessageSink {
    void SendSkinMessage(uint32_t, vt::TspSkinData*, intptr_t) override {}
    std::vector<vt::TSkinFormEntry> SkinForms() override { return {}; }
    vt::ISkinMessageSink* FormSink(vt::TComponent*) override { return nullptr; }
};

inline NullForms& Forms()
{
    static NullForms forms;
    return forms;
}

inline vt::TspSkinData& DefaultSkin()
{
    static const std::unique_ptr<vt::TspSkinData> base = [] {
        auto sd = std::make_unique<vt::TspSkinData>(nullptr);
        sd->SetFormRegistry(&Forms());
        sd->BuildMode = true;
        sd->LoadFromFile(L"" VANTREL_SOURCE_DIR "/skins/zozaziz/skin.ini");
        if (sd->Empty)
            std::abort();
        return sd;
    }();
    return *base;
}

// Lends the default skin's pictures to one input's container and takes them back: a copy per
// input would cost more than the run.
class LentPictures {
public:
    LentPictures(vt::TspSkinData& from, vt::TspSkinData& to) : from_(from), to_(to) { Swap(); }
    ~LentPictures() { Swap(); }
    LentPictures(const LentPictures&) = delete;
    LentPictures& operator=(const LentPictures&) = delete;

private:
    void Swap()
    {
        std::swap(from_.FPicture, to_.FPicture);
        std::swap(from_.FInActivePicture, to_.FInActivePicture);
        std::swap(from_.FMask, to_.FMask);
        std::swap(from_.FRollUpPicture, to_.FRollUpPicture);
        std::swap(from_.FRollUpMask, to_.FRollUpMask);
        std::swap(from_.FActivePictures, to_.FActivePictures);
    }
    vt::TspSkinData& from_;
    vt::TspSkinData& to_;
};

// Loads the definition text into sd (which holds lent pictures) as the container reads a folder
// skin's, leaving out the sections a target does not read; false when the load raised.
inline bool LoadDefinition(vt::TspSkinData& sd, const uint8_t* text, size_t size,
                           std::initializer_list<const wchar_t*> skipped)
{
    try {
        vt::TStringList lines;
        lines.LoadFromBytes(text, size);
        vt::TMemIniFile f;
        f.SetValueLimit(2047);
        f.SetStrings(lines);
        for (const wchar_t* section : skipped)
            f.EraseSection(section);
        sd.LoadDefinition(f);
    } catch (const vt::Exception&) {
        return false;
    }
    sd.Empty = false;
    return true;
}

} // namespace fuzz
