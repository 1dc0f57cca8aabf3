#include "skin/skin_inspect.h"

#include "framework/base/exceptions.h"
#include "framework/base/ini_file.h"
#include "framework/base/platform_files.h"
#include "skin/bmp_codec.h"
#include "skin/control_records.h"
#include "skin/form_records.h"
#include "skin/jpeg_codec.h"
#include "skin/skin_data.h"
#include "skin/skin_records.h"
#include "skin/stored_skin.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

namespace vt {

namespace {

namespace fs = std::filesystem;

std::string U8(std::wstring_view s) { return WideToUtf8(s); }

std::string Describe(const TPixelImage& p)
{
    if (p.Empty())
        return "empty";
    return std::to_string(p.Width) + " x " + std::to_string(p.Height) + ", " +
           std::to_string(static_cast<int>(p.Format)) + "-bit";
}

TMemIniFile IniFromBytes(const std::vector<uint8_t>& bytes)
{
    TStringList lines;
    lines.LoadFromBytes(bytes.data(), bytes.size());
    TMemIniFile f;
    f.SetStrings(lines);
    return f;
}

struct Loaded {
    TSkinSource source;
    int32_t fileVersion = 0;
    int64_t compressedSize = 0;
    int64_t bodySize = 0;
    TspPackageBody body;
    TMemIniFile ini;
};

// The zlib stream of a package file; EReadError for a file version the loader ignores.
std::vector<uint8_t> ReadPackageFileAt(const std::wstring& path, int32_t& version)
{
    TFileStream f(path, TFileMode::fmOpenRead);
    std::vector<uint8_t> zlib;
    if (!ReadPackageFile(f, zlib, &version))
        throw EReadError(L"Package file version " + IntToStr(version) + L" is above 3: the loader ignores this package");
    return zlib;
}

// Reads a skin without the container: the package body (or the definition and its pictures).
Loaded ReadRaw(const std::wstring& argument)
{
    Loaded l;
    l.source = ResolveSkinSource(argument);
    if (l.source.Kind == TSkinSourceKind::skPackage) {
        TspCompressedStoredSkin stored(nullptr);
        stored.SetCompressedData(ReadPackageFileAt(l.source.Path, l.fileVersion));
        l.compressedSize = static_cast<int64_t>(stored.CompressedData().size());
        TMemoryStream body;
        stored.DeCompressToStream(body);
        l.bodySize = body.Size();
        body.SetPosition(0);
        if (!ReadPackageBody(body, l.body))
            throw EReadError(L"Body version " + IntToStr(l.body.Version) +
                             L" is above 3: the loader ignores this package");
        l.ini = IniFromBytes(l.body.DefinitionBytes);
    } else {
        l.body.DefinitionBytes = ReadFileBytes(l.source.Path);
        l.ini = IniFromBytes(l.body.DefinitionBytes);
        l.body.Version = 2;
        const std::wstring folder = ExtractFilePath(l.source.Path);
        for (int i = 0; i < kPackageSlotCount; ++i) {
            l.body.Slots[i].Present = true;
            String name = l.ini.ReadString(L"PICTURES", kPackageSlotKeys[i], L"");
            if (!name.empty() && !IsJpegPictureName(name))
                LoadBitmapFromFile(folder + name, l.body.Slots[i].Image);
        }
    }
    return l;
}

void ListRecords(const TMemIniFile& f, const wchar_t* section, TspRecordList kind, std::string& out,
                 std::vector<std::string>* problems)
{
    int32_t count = f.ReadInteger(section, L"count", 0);
    int32_t keys = f.SectionKeyCount(section);
    if (problems && count > keys)
        problems->push_back("[" + U8(section) + "] count " + std::to_string(count) + " is larger than its entries");
    count = std::min(count, keys);
    std::set<String> names;
    for (int32_t i = 0; i < count; ++i) {
        String entry = f.ReadString(section, IntToStr(i), L"");
        size_t colon = entry.find(L':');
        std::string line = "  " + std::to_string(i) + " " + U8(entry);
        if (colon == String::npos) {
            line += "  (no type: skipped)";
            if (problems)
                problems->push_back("[" + U8(section) + "] entry " + std::to_string(i) + " \"" + U8(entry) +
                                    "\" has no \":type\"");
        } else {
            String name = entry.substr(0, colon);
            const TspRecordType* t = FindRecordType(kind, std::wstring_view(entry).substr(colon + 1));
            if (!t) {
                line += "  (unknown type: skipped)";
                if (problems)
                    problems->push_back("[" + U8(section) + "] entry " + std::to_string(i) + " \"" + U8(entry) +
                                        "\" has an unknown type");
            } else if (!t->Create) {
                line += "  (no record class yet)";
            }
            if (problems && !f.SectionExists(name))
                problems->push_back("record \"" + U8(name) + "\" has no section of its own; it takes every default");
            if (!names.insert(name).second)
                line += "  (name used before: lookups find the first)";
        }
        out += line + "\n";
    }
}

} // namespace

bool RectInPicture(const TRect& r, const TPixelImage& picture)
{
    return r.Left >= 0 && r.Top >= 0 && r.Right <= picture.Width && r.Bottom <= picture.Height;
}

TSkinSource ResolveSkinSource(const std::wstring& argument)
{
    std::error_code ec;
    fs::path p = FileSystemPath(argument);
    if (fs::is_directory(p, ec)) {
        if (fs::is_regular_file(p / "skin.ini", ec))
            return {TSkinSourceKind::skDefinition, FromFileSystemPath(p / "skin.ini")};
        std::vector<fs::path> inis;
        for (const auto& e : fs::directory_iterator(p, ec))
            if (e.is_regular_file(ec) && SameText(FromFileSystemPath(e.path().extension()), L".ini"))
                inis.push_back(e.path());
        if (inis.size() != 1)
            throw EFOpenError(L"Cannot find the definition in folder \"" + argument + L"\": " +
                              (inis.empty() ? L"it holds no .ini file" : L"it holds several .ini files") +
                              L"; name the definition file instead");
        return {TSkinSourceKind::skDefinition, FromFileSystemPath(inis[0])};
    }
    if (!fs::is_regular_file(p, ec))
        throw EFOpenError(L"Cannot open file \"" + argument + L"\". No such file or folder");
    if (SameText(ExtractFileExt(argument), L".skn"))
        return {TSkinSourceKind::skPackage, argument};
    return {TSkinSourceKind::skDefinition, argument};
}

void LoadSkinSource(TspSkinData& sd, const TSkinSource& source)
{
    sd.BuildMode = true;
    if (source.Kind == TSkinSourceKind::skPackage) {
        TspCompressedStoredSkin stored(nullptr);
        stored.LoadFromCompressFile(source.Path);
        if (stored.Empty())
            throw EReadError(L"The package's file version is above 3: the loader ignores it");
        sd.LoadCompressedStoredSkin(&stored);
        if (sd.Empty)
            throw EReadError(L"The package's body version is above 3: the loader ignores it");
        return;
    }
    TMemIniFile f(source.Path);
    if (const wchar_t* s = FirstMissingRequiredSection(f))
        throw EReadError(L"The definition has no [" + String(s) + L"] section; the loader ignores it");
    sd.LoadFromFile(source.Path);
}

int SkinpackPack(const std::wstring& input, const std::wstring& output, std::string& out)
{
    TSkinSource src = ResolveSkinSource(input);
    if (src.Kind == TSkinSourceKind::skPackage)
        throw EReadError(L"\"" + input + L"\" is a package already; pack takes a folder or a definition");
    TMemIniFile f(src.Path);
    if (const wchar_t* s = FirstMissingRequiredSection(f))
        throw EReadError(L"The definition has no [" + String(s) + L"] section; nothing packed");
    TspCompressedStoredSkin stored(nullptr);
    stored.LoadFromIniFile(src.Path);
    stored.SaveToCompressFile(output);
    out += "packed " + U8(src.Path) + " into " + U8(output) + " (" + std::to_string(stored.CompressedData().size()) +
           " bytes of compressed data)\n";
    return 0;
}

int SkinpackUnpack(const std::wstring& input, const std::wstring& folder, std::string& out)
{
    Loaded l = ReadRaw(input);
    if (l.source.Kind != TSkinSourceKind::skPackage)
        throw EReadError(L"\"" + input + L"\" is not a package; unpack takes a .skn file");
    std::error_code ec;
    fs::create_directories(FileSystemPath(folder), ec);
    if (ec)
        throw EFCreateError(L"Cannot create folder \"" + folder + L"\". " + Utf8ToWide(ec.message()));
    const std::wstring dir = IncludeTrailingPathDelimiter(folder);
    // Pictures go under their [PICTURES] names; names that would leave the folder are refused.
    auto safe = [](const String& n) {
        return !n.empty() && n.find(L"..") == String::npos && n[0] != L'/' && n[0] != L'\\' &&
               n.find(L':') == String::npos;
    };
    std::vector<uint8_t> definition = l.body.DefinitionBytes;
    for (int i = 0; i < kPackageSlotCount; ++i) {
        const TPixelImage& img = l.body.Slots[i].Image;
        if (img.Empty())
            continue;
        String name = l.ini.ReadString(L"PICTURES", kPackageSlotKeys[i], L"");
        if (name.empty()) {
            name = String(kPackageSlotKeys[i]) + L".bmp";
            out += "note: the " + U8(kPackageSlotKeys[i]) + " has no name in the definition; written as " + U8(name) +
                   " (add it to [PICTURES])\n";
        }
        if (!safe(name))
            throw EFCreateError(L"Picture name \"" + name + L"\" leads outside the folder");
        SaveBitmapToFile(dir + name, img);
        out += "wrote " + U8(name) + " (" + Describe(img) + ")\n";
    }
    TStringList names;
    ReadStrings(l.ini, L"PICTURES", L"activepictures", names);
    for (size_t i = 0; i < l.body.ActivePictures.size(); ++i) {
        String name = static_cast<int>(i) < names.Count() ? names[static_cast<int>(i)] : String();
        if (name.empty()) {
            name = L"active" + IntToStr(static_cast<int64_t>(i)) + L".bmp";
            out += "note: active picture " + std::to_string(i) + " has no name; written as " + U8(name) + "\n";
        }
        if (!safe(name))
            throw EFCreateError(L"Picture name \"" + name + L"\" leads outside the folder");
        SaveBitmapToFile(dir + name, l.body.ActivePictures[i]);
    }
    out += "wrote " + std::to_string(l.body.ActivePictures.size()) + " active pictures\n";
    // The definition is written as the package holds it, byte for byte.
    WriteFileBytes(dir + L"skin.ini", definition.data(), definition.size());
    out += "wrote skin.ini (" + std::to_string(definition.size()) + " bytes)\n";
    return 0;
}

int SkinpackInfo(const std::wstring& input, std::string& out)
{
    Loaded l = ReadRaw(input);
    if (l.source.Kind == TSkinSourceKind::skPackage) {
        out += "package " + U8(l.source.Path) + "\n";
        out += "file version " + std::to_string(l.fileVersion) + ", compressed " + std::to_string(l.compressedSize) +
               " bytes, body " + std::to_string(l.bodySize) + " bytes, body version " + std::to_string(l.body.Version) +
               "\n";
    } else {
        out += "definition " + U8(l.source.Path) + "\n";
    }
    out += "skin name: " + U8(l.ini.ReadString(L"VERSION", L"skinname", L"")) + "\n";
    out += "definition version (ver): " + U8(l.ini.ReadString(L"VERSION", L"ver", L"")) + ", " +
           std::to_string(l.body.DefinitionBytes.size()) + " bytes\n";
    for (int i = 0; i < kPackageSlotCount; ++i) {
        if (!l.body.Slots[i].Present)
            continue;
        String name = l.ini.ReadString(L"PICTURES", kPackageSlotKeys[i], L"");
        out += U8(kPackageSlotKeys[i]) + ": " + Describe(l.body.Slots[i].Image) +
               (name.empty() ? "" : " (" + U8(name) + ")") + "\n";
    }
    TStringList names;
    ReadStrings(l.ini, L"PICTURES", L"activepictures", names);
    if (l.source.Kind == TSkinSourceKind::skDefinition) {
        const std::wstring folder = ExtractFilePath(l.source.Path);
        for (const String& n : names) {
            l.body.ActivePictures.emplace_back();
            if (!IsJpegPictureName(n))
                LoadBitmapFromFile(folder + n, l.body.ActivePictures.back());
        }
    }
    out += "active pictures: " + std::to_string(l.body.ActivePictures.size()) + "\n";
    for (size_t i = 0; i < l.body.ActivePictures.size(); ++i)
        out += "  " + std::to_string(i) + " " + Describe(l.body.ActivePictures[i]) +
               (static_cast<int>(i) < names.Count() ? " (" + U8(names[static_cast<int>(i)]) + ")" : "") + "\n";
    out += "areas: " + std::to_string(l.ini.ReadInteger(L"SKINAREAS", L"count", 0)) + "\n";
    out += "form objects: " + std::to_string(l.ini.ReadInteger(L"SKINOBJECTS", L"count", 0)) + "\n";
    ListRecords(l.ini, L"SKINOBJECTS", TspRecordList::rlObjects, out, nullptr);
    out += "controls: " + std::to_string(l.ini.ReadInteger(L"SKINCONTROLS", L"count", 0)) + "\n";
    ListRecords(l.ini, L"SKINCONTROLS", TspRecordList::rlControls, out, nullptr);
    return 0;
}

namespace {

std::string RectText(const TRect& r)
{
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
           std::to_string(r.Bottom);
}

// Warns when a record's non-empty rectangle reaches past the picture it is copied from (the
// control or object then draws from pixels that are not there); key names the rectangle.
void CheckRect(const String& record, const char* key, const TRect& r, const TPixelImage* picture,
               const char* pictureName, std::vector<std::string>& warnings)
{
    if (r.IsEmpty() || !picture)
        return;
    if (!RectInPicture(r, *picture))
        warnings.push_back("[" + U8(record) + "] " + key + "=" + RectText(r) + " lies outside its " + pictureName +
                           " (" + Describe(*picture) + ")");
}

// The rectangles of each form object and control record against the pictures they come from.
void CheckRecordRects(const TspSkinData& sd, std::vector<std::string>& warnings)
{
    for (const auto& rec : sd.ObjectList) {
        const auto* o = dynamic_cast<const TspDataSkinObject*>(rec.get());
        if (!o)
            continue;
        const TPixelImage* active = SkinActivePicture(sd, o->ActivePictureIndex);
        const TPixelImage* normal = o->SkinRectInAPicture ? active
                                    : o->RollUp           ? &sd.FRollUpPicture
                                                          : &sd.FPicture;
        if (normal && normal->Empty())
            normal = nullptr;
        const char* normalName = o->SkinRectInAPicture ? "active picture" : o->RollUp ? "roll-up picture" : "main picture";
        CheckRect(o->IDName, "skinrect", o->SkinRect, normal, normalName, warnings);
        CheckRect(o->IDName, "activeskinrect", o->ActiveSkinRect, active, "active picture", warnings);
        CheckRect(o->IDName, "inactiveskinrect", o->InActiveSkinRect, active, "active picture", warnings);
        if (const auto* b = dynamic_cast<const TspDataSkinButton*>(o)) {
            CheckRect(o->IDName, "downrect", b->DownRect, normal, normalName, warnings);
            CheckRect(o->IDName, "disableskinrect", b->DisableSkinRect, normal, normalName, warnings);
        }
    }
    for (const auto& rec : sd.CtrlList) {
        const auto* c = dynamic_cast<const TspDataSkinControl*>(rec.get());
        if (!c)
            continue;
        const TPixelImage* picture = SkinActivePicture(sd, c->PictureIndex);
        if (!picture && !c->SkinRect.IsEmpty() && c->PictureIndex >= 0)
            warnings.push_back("[" + U8(c->IDName) + "] pictureindex=" + std::to_string(c->PictureIndex) +
                               " names no active picture (there are " + std::to_string(sd.FActivePictures.size()) +
                               ")");
        CheckRect(c->IDName, "skinrect", c->SkinRect, picture, "picture", warnings);
        CheckRect(c->IDName, "activeskinrect", ActiveSkinRectOf(*c), picture, "picture", warnings);
        if (const auto* b = dynamic_cast<const TspDataSkinButtonControl*>(c)) {
            CheckRect(c->IDName, "downskinrect", b->DownSkinRect, picture, "picture", warnings);
            CheckRect(c->IDName, "disabledskinrect", b->DisabledSkinRect, picture, "picture", warnings);
        }
    }
}

} // namespace

int SkinpackCheck(const std::wstring& input, std::string& out, bool strict)
{
    // Errors: the load fails or leaves nothing loaded. Warnings: the skin loads but will look wrong.
    std::vector<std::string> errors, warnings;
    TSkinSource src;
    try {
        src = ResolveSkinSource(input);
    } catch (const Exception& e) {
        out += "error: " + std::string(e.what()) + "\n1 error(s), 0 warning(s)\n";
        return 1;
    }
    TspSkinData sd(nullptr);
    bool loaded = false;
    try {
        LoadSkinSource(sd, src);
        loaded = !sd.Empty;
        if (!loaded)
            errors.push_back("the load left nothing loaded");
    } catch (const Exception& e) {
        errors.push_back(std::string("load failed: ") + e.what());
    }
    // The definition and pictures read on their own, for the checks the loader does not make.
    try {
        Loaded l = ReadRaw(input);
        // A folder definition without them is not loaded at all (an error above); a package's
        // body is, with the defaults.
        if (src.Kind == TSkinSourceKind::skPackage)
            for (const wchar_t* s : kRequiredSections)
                if (!l.ini.SectionExists(s))
                    warnings.push_back("missing section [" + U8(s) + "]: the loader takes its defaults");
        std::string ignore;
        ListRecords(l.ini, L"SKINOBJECTS", TspRecordList::rlObjects, ignore, &warnings);
        ListRecords(l.ini, L"SKINCONTROLS", TspRecordList::rlControls, ignore, &warnings);
        if (loaded) {
            if (sd.FPicture.Empty())
                errors.push_back("the skin has no main picture: forms keep their plain frame");
            const int pictures = static_cast<int>(sd.FActivePictures.size());
            for (const wchar_t* key : {L"bgpictureindex", L"mdibgpictureindex"}) {
                int32_t v = l.ini.ReadInteger(L"FORMINFO", key, -1);
                if (v < -1 || v >= pictures)
                    warnings.push_back("[FORMINFO] " + U8(key) + "=" + std::to_string(v) + " names no active picture (there are " +
                                       std::to_string(pictures) + ")");
            }
            if (!sd.FPicture.Empty() && !sd.FMask.Empty() &&
                (sd.FPicture.Width != sd.FMask.Width || sd.FPicture.Height != sd.FMask.Height))
                warnings.push_back("the mask is " + Describe(sd.FMask) + " but the main picture is " + Describe(sd.FPicture));
            if (!sd.FPicture.Empty() && !sd.ClRect.IsEmpty() && !RectInPicture(sd.ClRect, sd.FPicture))
                warnings.push_back("[FORMINFO] clientrect lies outside the main picture (" + Describe(sd.FPicture) + ")");
            if (sd.FActivePicturesNames.Count() != pictures)
                warnings.push_back("[PICTURES] names " + std::to_string(sd.FActivePicturesNames.Count()) +
                                   " active pictures but the skin has " + std::to_string(pictures));
            CheckRecordRects(sd, warnings);
        }
    } catch (const Exception& e) {
        if (errors.empty())
            errors.push_back(e.what());
    }
    for (const auto& p : errors)
        out += "error: " + p + "\n";
    for (const auto& p : warnings)
        out += "warning: " + p + "\n";
    if (errors.empty() && warnings.empty())
        out += "sound\n";
    else
        out += std::to_string(errors.size()) + " error(s), " + std::to_string(warnings.size()) + " warning(s)\n";
    return !errors.empty() || (strict && !warnings.empty()) ? 1 : 0;
}

int SkinpackDump(const std::wstring& input, std::string& out)
{
    TspSkinData sd(nullptr);
    LoadSkinSource(sd, ResolveSkinSource(input));
    TMemIniFile f;
    sd.SaveToCustomIniFile(f);
    TStringList lines;
    f.GetStrings(lines);
    for (const String& l : lines)
        out += U8(l) + "\n";
    return 0;
}

namespace {

// One placeholder of a form and the bytes that go in its place.
struct TPlaceholderFill {
    size_t At;      // where the placeholder starts in the form's text
    size_t Length;  // of the placeholder
    std::vector<uint8_t> Bytes;
};

// Where placeholder stands in text; raises EReadError unless it stands there exactly once.
size_t FindPlaceholder(const std::string& text, const std::wstring& placeholder,
                       const std::wstring& form)
{
    const std::string token = U8(placeholder);
    const size_t at = token.empty() ? std::string::npos : text.find(token);
    if (at == std::string::npos)
        throw EReadError(L"\"" + form + L"\" has no " + placeholder + L" line");
    if (text.find(token, at + 1) != std::string::npos)
        throw EReadError(L"\"" + form + L"\" has more than one " + placeholder + L" line");
    return at;
}

// Puts each fill's bytes as upper-case hex, 32 bytes a line at its placeholder's indentation, in
// place of its placeholder. The places are all found in the form as written, so bytes put in
// first are never searched.
void FillPlaceholders(std::string& text, std::vector<TPlaceholderFill> fills, const std::wstring& form)
{
    std::sort(fills.begin(), fills.end(),
              [](const TPlaceholderFill& a, const TPlaceholderFill& b) { return a.At > b.At; });
    for (size_t i = 1; i < fills.size(); ++i)
        if (fills[i].At + fills[i].Length > fills[i - 1].At)
            throw EReadError(L"\"" + form + L"\" has placeholders that overlap");
    static const char kHex[] = "0123456789ABCDEF";
    for (const TPlaceholderFill& f : fills) {  // last first, so earlier places stay where they are
        size_t start = f.At;
        while (start > 0 && text[start - 1] == ' ')
            --start;
        const std::string indent = text.substr(start, f.At - start);
        std::string hex;
        for (size_t i = 0; i < f.Bytes.size(); ++i) {
            if (i % 32 == 0)
                hex += (i ? "\n" : "") + indent;
            hex += kHex[f.Bytes[i] >> 4];
            hex += kHex[f.Bytes[i] & 15];
        }
        text.replace(start, f.At + f.Length - start, hex);
    }
}

} // namespace

TEmbedFile ParseEmbedFile(const std::wstring& argument)
{
    const size_t eq = argument.find(L'=');
    if (eq == 0 || eq == std::wstring::npos || eq + 1 == argument.size())
        throw EReadError(L"\"" + argument + L"\" is not <placeholder>=<file>");
    return {argument.substr(0, eq), argument.substr(eq + 1)};
}

int SkinpackEmbed(const std::wstring& package, const std::wstring& form,
                  const std::wstring& placeholder, const std::wstring& output, std::string& out,
                  const std::vector<TEmbedFile>& files)
{
    for (size_t i = 0; i < files.size(); ++i)
        if (files[i].Placeholder == placeholder ||
            std::any_of(files.begin(), files.begin() + i,
                        [&](const TEmbedFile& f) { return f.Placeholder == files[i].Placeholder; }))
            throw EReadError(L"The placeholder " + files[i].Placeholder + L" is given twice");
    int32_t version = 0;
    const std::vector<uint8_t> zlib = ReadPackageFileAt(package, version);
    const std::vector<uint8_t> formBytes = ReadFileBytes(form);
    std::string text(formBytes.begin(), formBytes.end());
    std::vector<TPlaceholderFill> fills;
    fills.push_back({FindPlaceholder(text, placeholder, form), U8(placeholder).size(), zlib});
    for (const TEmbedFile& f : files)
        fills.push_back({FindPlaceholder(text, f.Placeholder, form), U8(f.Placeholder).size(),
                         ReadFileBytes(f.Path)});
    FillPlaceholders(text, std::move(fills), form);
    // Written beside the target and renamed, so a failed run leaves no half-written description.
    const std::wstring part = output + L".part";
    WriteFileBytes(part, text.data(), text.size());
    std::error_code ec;
    fs::rename(FileSystemPath(part), FileSystemPath(output), ec);
    if (ec)
        throw EFCreateError(L"Cannot create file \"" + output + L"\". " + Utf8ToWide(ec.message()));
    out += "stored " + std::to_string(zlib.size()) + " bytes of compressed data from " +
           U8(package);
    if (!files.empty())
        out += " and " + std::to_string(files.size()) + " file(s)";
    out += " in " + U8(output) + "\n";
    return 0;
}

} // namespace vt
