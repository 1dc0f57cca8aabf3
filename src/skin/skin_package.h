// The skin package, read and written here only. File: 32-bit file version (2 written, up to 3
// read), 32-bit length N, N bytes of zlib stream. Inflated body: 32-bit body version, the picture
// slots the version carries (main, inactive, mask, roll-up, roll-up mask; each a flag byte, 0 when
// a BMP record follows), a 32-bit count of active pictures and their BMP records, then the
// definition text to the end.
#pragma once

#include <cstddef>  // before pixel_image.h, which uses size_t

#include "framework/base/ini_file.h"
#include "framework/base/pixel_image.h"
#include "framework/base/streams.h"

#include <cstdint>
#include <span>
#include <vector>

namespace vt {

// The largest package body a load inflates; the default skin's body is about 1.1 MB.
inline constexpr int64_t kMaxPackageBodySize = int64_t(64) << 20;

inline constexpr int kPackageSlotCount = 5;
// The [PICTURES] key naming each slot's picture, in slot order.
inline constexpr const wchar_t* kPackageSlotKeys[kPackageSlotCount] = {L"picture", L"inactivepicture", L"mask",
                                                                       L"rolluppicture", L"rollupmask"};
// The definition sections without which a skin is not loaded (nor packed).
inline constexpr const wchar_t* kRequiredSections[] = {L"VERSION", L"PICTURES", L"FORMINFO", L"SKINOBJECTS",
                                                       L"SKINCONTROLS"};
// The first required section the definition lacks, or null when it has them all.
const wchar_t* FirstMissingRequiredSection(const TMemIniFile& definition);

// Reads the file header and the zlib bytes after it, every size checked before anything is
// allocated. Returns false (nothing read) for a file version above 3; raises EReadError for a
// stream shorter than its header or its length field, and for a length of 0 or less. version,
// when given, receives the file version.
bool ReadPackageFile(TStream& s, std::vector<uint8_t>& zlib, int32_t* version = nullptr);
void WritePackageFile(TStream& s, std::span<const uint8_t> zlib);

// A package body split into its items, without interpreting the definition.
struct TspPackageBody {
    int32_t Version = 0;
    // Present is false for slots the version lacks.
    struct Slot {
        bool Present = false;
        TPixelImage Image;
    };
    Slot Slots[kPackageSlotCount];
    std::vector<TPixelImage> ActivePictures;
    std::vector<uint8_t> DefinitionBytes;
};

// Parses an inflated body. Returns false for a body version above 3 (the loader ignores such a
// package); raises the BMP reader's errors and EReadError for a body that ends early.
bool ReadPackageBody(TStream& s, TspPackageBody& body);

// Writes a version 2 body: every slot (null or empty: no picture), the active pictures and the
// definition.
struct TspPackageBodyView {
    const TPixelImage* Slots[kPackageSlotCount] = {};
    std::vector<const TPixelImage*> ActivePictures;
    std::span<const uint8_t> Definition;
};
void WritePackageBody(TStream& s, const TspPackageBodyView& body);

} // namespace vt
