// The image-list base: drawing through it, sizes, weak references, and the keyed path that draws
// lists other than PNG lists.
#include <gtest/gtest.h>

#include "framework/base/exceptions.h"
#include "raster/png_list.h"

namespace vt {
namespace {

// Images are squares of one colour each; the disabled look is grey.
class TColourList final : public TCustomImageList {
public:
    explicit TColourList(TComponent* owner, std::vector<TspColor> colours = {}) : TCustomImageList(owner)
    {
        SetWidth(4);  // a new size empties the list, so the images come after
        SetHeight(2);
        colours_ = std::move(colours);
    }
    int Count() const override { return static_cast<int>(colours_.size()); }
    void Clear() override { colours_.clear(); }

protected:
    void DoDraw(int Index, TspBitmap& surface, int X, int Y, bool Enabled) const override
    {
        surface.FillRect(Bounds(X, Y, Width(), Height()), Enabled ? colours_[Index] : MakePixel(128, 128, 128, 255));
    }

private:
    std::vector<TspColor> colours_;
};

// Tests that the base draws only indexes that have an image, that the direct draw ignores the
// disabled look, and that a size the pixel bitmap cannot hold is refused with the list intact.
TEST(TCustomImageListTest, DrawsExistingImagesAndRefusesImpossibleSizes)
{
    TColourList list(nullptr, {MakePixel(255, 0, 0, 255)});
    TspBitmap surface;
    surface.SetSize(6, 3);
    surface.Clear(0);
    list.Draw(surface, 0, 0, 1);
    list.Draw(surface, 0, 0, -1);
    EXPECT_EQ(surface.GetPixel(0, 0), 0u);
    list.Draw(surface, 1, 1, 0, false);
    EXPECT_EQ(surface.GetPixel(1, 1), MakePixel(128, 128, 128, 255));
    list.DrawDirect(surface, 1, 1, 0);
    EXPECT_EQ(surface.GetPixel(4, 2), MakePixel(255, 0, 0, 255));
    EXPECT_EQ(surface.GetPixel(5, 2), 0u);

    EXPECT_THROW(list.SetWidth(-1), EInvalidGraphic);
    EXPECT_THROW(list.SetHeight(MaxBitmapSide + 1), EInvalidGraphic);
    EXPECT_EQ(list.Count(), 1);
    list.SetWidth(MaxBitmapSide);
    EXPECT_THROW(list.SetHeight(MaxBitmapSide), EInvalidGraphic) << "cell over the pixel limit";
    EXPECT_EQ(list.Height(), 2);
    EXPECT_EQ(list.Count(), 0) << "the accepted width change cleared the images";
}

// Tests that a reference held through the base and a free notification both let go of a list
// when it is freed.
TEST(TCustomImageListTest, ReferencesLetGoWhenTheListIsFreed)
{
    struct TUser : TComponent {
        using TComponent::TComponent;
        TCustomImageList* Images = nullptr;
        void Notification(TComponent* c, TOperation op) override
        {
            TComponent::Notification(c, op);
            if (op == TOperation::opRemove && c == Images)
                Images = nullptr;
        }
    } user(nullptr);
    auto* list = new TspPngImageList(nullptr);
    TComponentRef<TCustomImageList> ref = list;
    user.Images = list;
    user.FreeNotification(list);
    delete list;
    EXPECT_EQ(ref.get(), nullptr);
    EXPECT_EQ(user.Images, nullptr);
}

// Tests that a list other than a PNG list draws through the keyed path: its image lands opaque,
// its transparent-key pixels leave the surface as it was.
TEST(TCustomImageListTest, OtherListsDrawKeyed)
{
    TColourList list(nullptr, {TransparentKey, MakePixel(0, 0, 200, 7)});
    TspBitmap surface;
    surface.SetSize(8, 4);
    surface.Clear(MakePixel(1, 2, 3, 40));
    DrawPngListImage(&list, 0, surface, 0, 0, true);
    EXPECT_EQ(surface.GetPixel(0, 0), MakePixel(1, 2, 3, 40));
    DrawPngListImage(&list, 1, surface, 4, 2, true);
    EXPECT_EQ(surface.GetPixel(4, 2), MakePixel(0, 0, 200, 255));
    EXPECT_EQ(surface.GetPixel(3, 2), MakePixel(1, 2, 3, 40));
    DrawPngListImage(&list, 1, surface, 0, 0, false);
    EXPECT_EQ(surface.GetPixel(0, 0), MakePixel(128, 128, 128, 255));
}

} // namespace
} // namespace vt
