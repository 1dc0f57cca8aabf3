// What the skinpack tool does, kept here so it can be tested: finding the definition of a skin
// given as a package, folder or definition file, and the pack, unpack, info, check, dump and
// embed operations. The package format itself is skin_package.h's.
#pragma once

#include <cstddef>  // before pixel_image.h, which uses size_t

#include "framework/base/pixel_image.h"
#include "framework/base/streams.h"
#include "framework/base/string_list.h"
#include "skin/skin_package.h"

#include <memory>
#include <string>
#include <vector>

namespace vt {

class TspSkinData;

enum class TSkinSourceKind { skPackage, skDefinition };
struct TSkinSource {
    TSkinSourceKind Kind = TSkinSourceKind::skDefinition;
    std::wstring Path;  // the package file or the definition file
};

// A folder names its definition: "skin.ini" when present, else its only ".ini" file. Raises
// EFOpenError with a clear message when the argument names nothing usable.
TSkinSource ResolveSkinSource(const std::wstring& argument);

// Loads the skin into sd (in build mode: no cursors, no broadcasts). A folder definition that
// lacks a required section raises EReadError naming it, where the container would stay silent.
void LoadSkinSource(TspSkinData& sd, const TSkinSource& source);

// Whether r lies within picture's bounds (its right and bottom edges may touch them): a record
// rectangle that does not is drawn from pixels that are not there.
bool RectInPicture(const TRect& r, const TPixelImage& picture);

// The tool's commands. Each writes its report to out (UTF-8 lines) and returns the exit status.
int SkinpackPack(const std::wstring& input, const std::wstring& output, std::string& out);
int SkinpackUnpack(const std::wstring& input, const std::wstring& folder, std::string& out);
int SkinpackInfo(const std::wstring& input, std::string& out);
// check: errors are problems that make the load fail or leave nothing loaded, warnings those of a
// skin that loads but will look wrong; each line says which. Exit status 1 on errors, and on
// warnings too when strict.
int SkinpackCheck(const std::wstring& input, std::string& out, bool strict = false);
int SkinpackDump(const std::wstring& input, std::string& out);
// A raw file stored with the skin: its bytes in place of the line holding Placeholder.
struct TEmbedFile {
    std::wstring Placeholder;
    std::wstring Path;
};
// "<placeholder>=<file>"; raises EReadError when either side is missing.
TEmbedFile ParseEmbedFile(const std::wstring& argument);
// Writes form to output with the line holding placeholder replaced by the package's zlib stream,
// and each file's placeholder line by that file's bytes: upper-case hex, 32 bytes a line, each
// line indented as its placeholder was. Every placeholder must occur exactly once; on any error
// nothing is written.
int SkinpackEmbed(const std::wstring& package, const std::wstring& form,
                  const std::wstring& placeholder, const std::wstring& output, std::string& out,
                  const std::vector<TEmbedFile>& files = {});

} // namespace vt
