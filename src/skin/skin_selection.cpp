#include "skin/skin_selection.h"

#include "framework/base/streams.h"
#include "framework/base/strings.h"
#include "skin/skin_data.h"
#include "skin/skin_forms.h"
#include "skin/skin_package.h"
#include "skin/stored_skin.h"

namespace vt {

namespace {

// Where the scratch container's broadcasts go: nowhere, so no window sees the trial load.
class TNoForms final : public ISkinFormRegistry {
public:
    std::vector<TSkinFormEntry> SkinForms() override { return {}; }
    ISkinMessageSink* FormSink(TComponent*) override { return nullptr; }
};

[[noreturn]] void Refuse(const std::wstring& fileName, const std::wstring& reason)
{
    throw ESkinSelectionError(L"Cannot load the skin \"" + fileName + L"\": " + reason);
}

} // namespace

void LoadSelectedSkin(TspSkinData& target, const std::wstring& fileName)
{
    TspCompressedStoredSkin stored(nullptr);
    bool newerFile = false;
    int32_t fileVersion = 0;
    try {
        TFileStream f(fileName, TFileMode::fmOpenRead);
        std::vector<uint8_t> zlib;
        newerFile = !ReadPackageFile(f, zlib, &fileVersion);
        stored.SetCompressedData(std::move(zlib));
    } catch (const Exception& e) {
        Refuse(fileName, e.Message());
    }
    if (newerFile)
        Refuse(fileName, L"its file version " + IntToStr(fileVersion) + L" is above 3, the highest this program reads");

    TNoForms noForms;
    TspSkinData scratch(nullptr);
    scratch.SetFormRegistry(&noForms);
    try {
        scratch.LoadCompressedStoredSkin(&stored);
    } catch (const Exception& e) {
        Refuse(fileName, e.Message());
    }
    // The loader skips a body it cannot read without an error.
    if (scratch.Empty)
        Refuse(fileName, L"its body version is above 3, the highest this program reads");

    target.LoadCompressedStoredSkin(&stored);
}

} // namespace vt
