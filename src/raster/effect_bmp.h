// TspEffectBmp: a 24-bit working picture (rows padded to 4 bytes) for whole-picture effects:
// morphing between two pictures, the inactive-window looks and a few geometric operations.
// Portable; effect_bmp_win.h adds the platform bitmap and device-context side.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/base/types.h"
#include "raster/bitmap.h"

namespace vt {


class TspEffectBmp {
public:
    TspEffectBmp(int32_t cx, int32_t cy);
    // Opaque colour of a 32-bit picture (alpha dropped).
    explicit TspEffectBmp(TPixelView source);
    static TspEffectBmp CreateCopy(const TspEffectBmp& other) { return other; }

    int32_t Width = 0;
    int32_t Height = 0;
    int32_t Size = 0;
    uint8_t* Bits = nullptr;
    int32_t RowInc() const { return 3 * Width + Width % 4; }

    TspEffectBmp(const TspEffectBmp& o);
    TspEffectBmp& operator=(const TspEffectBmp& o);

    // 0x00RRGGBB.
    uint32_t GetPixel(int32_t x, int32_t y) const;
    void SetPixel(int32_t x, int32_t y, uint32_t clr);
    uint8_t* GetLine(int32_t y) const { return Bits + static_cast<size_t>(y) * RowInc(); }
    void GetScanLine(int32_t y, uint8_t* line) const;
    void SetLine(int32_t y, const uint8_t* line);
    // Opaque 32-bit copy.
    void ToBitmap(TspBitmap& dst) const;

    void Morph(const TspEffectBmp& T, double Kf);
    void MorphRect(const TspEffectBmp& T, double Kf, const TRect& Rct, int32_t StartX, int32_t StartY);
    void CopyRect(const TspEffectBmp& T, const TRect& Rct, int32_t StartX, int32_t StartY);
    void MorphHGrad(const TspEffectBmp& T, double Kf);
    void MorphVGrad(const TspEffectBmp& T, double Kf);
    void MorphGrad(const TspEffectBmp& T, double Kf);
    void MorphLeftGrad(const TspEffectBmp& T, double Kf);
    void MorphRightGrad(const TspEffectBmp& T, double Kf);
    void MorphPush(const TspEffectBmp& T, double Kf);
    void MorphLeftSlide(const TspEffectBmp& T, double Kf);
    void MorphRightSlide(const TspEffectBmp& T, double Kf);
    // The operation a morph kind selects: a TMorphKind value of the skin records (mkDefault 0,
    // mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide, mkRightSlide, mkPush 6); taken
    // as a number because the enumeration belongs to the skin layer above.
    void MorphByKind(uint8_t kind, const TspEffectBmp& T, double Kf);

    void ChangeBrightness(double Kf);
    void ChangeDarkness(double Kf);
    void Invert();
    void GrayScale();
    void SplitBlur(int32_t Amount);
    void Mosaic(int32_t ASize);
    void AddMonoNoise(int32_t Amount);
    void AddColorNoise(int32_t Amount);
    void Wave(int32_t XDIV, int32_t YDIV, double RatioVal);
    void MaskAntialiasing(const TspEffectBmp& Msk, int32_t Amount);
    void MaskBlur(const TspEffectBmp& Msk, int32_t Amount);
    void MaskFillColor(const TspEffectBmp& Msk, TColor C, double kf);
    void Rotate90_1(TspEffectBmp& Dst) const;
    void Rotate90_2(TspEffectBmp& Dst) const;
    void FlipVert(TspEffectBmp& Dst) const;
    // A TspInActiveEffect value (ieBrightness 0, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur,
    // ieInvert 5).
    void ApplyInactiveEffect(uint8_t effect);

    // Seeds the generator of the noise effects (any uniform generator will do).
    static void SeedRandom(uint32_t seed);

private:
    bool SameSize(const TspEffectBmp& o) const { return o.Width == Width && o.Height == Height; }
    void MaskAverage(const TspEffectBmp& Msk, int32_t Amount, bool edgesOnly);
    std::vector<uint8_t> storage_;
};

} // namespace vt
