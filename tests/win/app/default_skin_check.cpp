#include "default_skin_check.h"

#include "skin/skin_data.h"
#include "skin/stored_skin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vt {

void ExpectStoredDefaultSkin(const TComponent& form)
{
    auto* sd = dynamic_cast<TspSkinData*>(form.FindComponent(L"spSkinData1"));
    auto* stored = dynamic_cast<TspCompressedStoredSkin*>(form.FindComponent(L"spCompressedStoredSkin1"));
    ASSERT_NE(sd, nullptr);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(sd->CompressedStoredSkin(), stored);
    EXPECT_FALSE(sd->Empty);
    EXPECT_EQ(sd->SkinName, L"Zozaziz");
    EXPECT_EQ(sd->ClRect, TRect(2, 29, 194, 144));
    EXPECT_FALSE(sd->FActivePictures.empty());
    // The settings whose values differ from the container's defaults.
    EXPECT_TRUE(sd->AnimationForAllWindows());
    EXPECT_TRUE(sd->ChangeSystemColors());
    EXPECT_EQ(sd->SystemColorHooks(), spschHighLight);
    EXPECT_EQ(stored->CompressedFileName(), L"Zozaziz.skn");

    // Description order: the page container, then the container, then the stored skin.
    std::vector<String> names;
    for (int i = 0; i < form.ComponentCount(); ++i)
        names.push_back(form.Components(i)->Name());
    auto at = [&](const wchar_t* n) { return std::find(names.begin(), names.end(), n) - names.begin(); };
    EXPECT_LT(at(L"spSkinPageControl1"), at(L"spSkinData1"));
    EXPECT_EQ(at(L"spSkinData1") + 1, at(L"spCompressedStoredSkin1"));

    const std::string path = std::string("Z:") + VANTREL_DEFAULT_SKIN_PACKAGE;  // the build's Linux path
    std::ifstream package(path, std::ios::binary);
    ASSERT_TRUE(package) << path;
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(package)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 10u);
    const std::vector<uint8_t> zlib(bytes.begin() + 8, bytes.end());  // after version and length
    EXPECT_EQ(zlib.size(), stored->CompressedData().size());
    EXPECT_TRUE(zlib == stored->CompressedData());
    EXPECT_EQ(zlib[0], 0x78);  // zlib at level 9
    EXPECT_EQ(zlib[1], 0xDA);
}

} // namespace vt
