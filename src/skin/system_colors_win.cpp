// The Windows mechanism of the system colour redirection: the entry points of GetSysColor,
// GetSysColorBrush and CreatePen are patched with a 5-byte relative jump to our replacements, so
// every caller in the process (platform controls included) gets the skin's colours. A
// replacement that has to call the platform's function takes its patch out for the call and puts
// it back afterwards.
#include "skin/system_colors.h"

#include "skin/skin_data.h"

#include <windows.h>

#include <cstring>
#include <map>
#include <optional>

namespace vt {

namespace {

struct THook {
    const wchar_t* Module;
    const char* Name;
    void* Replacement;
    void* Entry = nullptr;     // what GetProcAddress gives; what pass-through calls go to
    uint8_t* Code = nullptr;   // the real code behind any import thunks: what gets patched
    uint8_t* Target = nullptr; // where the jump goes: the replacement, or a relay near Code
    bool Resolved = false;
    bool Redirected = false;
    bool HasSaved = false;
    uint8_t Saved[5] = {};
};

DWORD WINAPI RedirectedGetSysColor(int index);
HBRUSH WINAPI RedirectedGetSysColorBrush(int index);
HPEN WINAPI RedirectedCreatePen(int style, int width, COLORREF color);

THook gHooks[kSysColorFunctionCount] = {
    {L"user32.dll", "GetSysColor", reinterpret_cast<void*>(&RedirectedGetSysColor)},
    {L"user32.dll", "GetSysColorBrush", reinterpret_cast<void*>(&RedirectedGetSysColorBrush)},
    {L"gdi32.dll", "CreatePen", reinterpret_cast<void*>(&RedirectedCreatePen)},
};

THook& Hook(TSysColorFunction fn) { return gHooks[static_cast<int>(fn)]; }

// Patching and pass-through calls are serialised; the section is re-entrant, so a replacement
// may resolve a system colour through another pass-through call.
class TPatchLock {
public:
    TPatchLock() { EnterCriticalSection(&Section()); }
    ~TPatchLock() { LeaveCriticalSection(&Section()); }
    TPatchLock(const TPatchLock&) = delete;
    TPatchLock& operator=(const TPatchLock&) = delete;

private:
    static CRITICAL_SECTION& Section()
    {
        static struct TSection {
            TSection() { InitializeCriticalSection(&cs); }
            CRITICAL_SECTION cs;
        } section;
        return section.cs;
    }
};

bool ReadCode(const void* address, void* out, size_t size)
{
    SIZE_T done = 0;
    return ReadProcessMemory(GetCurrentProcess(), address, out, size, &done) && done == size;
}

// Follows import thunks (jmp [address]) to the code they lead to.
uint8_t* FindRealCode(void* entry)
{
    uint8_t* p = static_cast<uint8_t*>(entry);
    for (int hops = 0; hops < 8; ++hops) {
        uint8_t head[7];
        if (!ReadCode(p, head, sizeof head))
            return nullptr;
        size_t at = (head[0] == 0x48 && head[1] == 0xFF && head[2] == 0x25) ? 1 : 0;  // REX.W form
        if (head[at] != 0xFF || head[at + 1] != 0x25)
            return p;
        int32_t operand;
        std::memcpy(&operand, head + at + 2, 4);
#ifdef _WIN64
        // x86-64 encodes the slot relative to the next instruction.
        uint8_t* slot = p + at + 6 + operand;
#else
        uint8_t* slot =
            reinterpret_cast<uint8_t*>(static_cast<uintptr_t>(static_cast<uint32_t>(operand)));
#endif
        uint8_t* next = nullptr;
        if (!ReadCode(slot, &next, sizeof next) || !next)
            return nullptr;
        p = next;
    }
    return nullptr;
}

// The displacement of a 5-byte relative jump at from to to.
int32_t JumpDisplacement(const uint8_t* from, const uint8_t* to)
{
    // Unsigned arithmetic: in a 32-bit process every target is reachable, modulo 2^32.
    return static_cast<int32_t>(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(to) -
                                                      (reinterpret_cast<uintptr_t>(from) + 5)));
}

bool InJumpRange(const uint8_t* from, const uint8_t* to)
{
#ifdef _WIN64
    const int64_t d = static_cast<int64_t>(reinterpret_cast<uintptr_t>(to) -
                                           (reinterpret_cast<uintptr_t>(from) + 5));
    return d >= INT32_MIN && d <= INT32_MAX;
#else
    return true;
#endif
}

#ifdef _WIN64
// A relative jump reaches 2 GiB; system DLLs usually lie further from our module. A small relay
// near the patched code carries an absolute jump to the replacement.
uint8_t* MakeRelay(uint8_t* code, void* replacement)
{
    SYSTEM_INFO si;
    GetSystemInfo(&si);
    const uintptr_t step = si.dwAllocationGranularity;
    const uintptr_t origin = reinterpret_cast<uintptr_t>(code) & ~(step - 1);
    const uintptr_t reach = uintptr_t(1) << 30;
    for (uintptr_t offset = step; offset < reach; offset += step) {
        for (int sign = 0; sign < 2; ++sign) {
            uintptr_t at = sign ? origin - offset : origin + offset;
            if (sign && offset > origin)
                continue;
            void* page = VirtualAlloc(reinterpret_cast<void*>(at), si.dwPageSize,
                                      MEM_RESERVE | MEM_COMMIT, PAGE_EXECUTE_READWRITE);
            if (!page)
                continue;
            uint8_t* relay = static_cast<uint8_t*>(page);
            if (!InJumpRange(code, relay)) {
                VirtualFree(page, 0, MEM_RELEASE);
                continue;
            }
            const uint8_t jmp[6] = {0xFF, 0x25, 0, 0, 0, 0};  // jmp [rip+0]
            std::memcpy(relay, jmp, sizeof jmp);
            std::memcpy(relay + sizeof jmp, &replacement, sizeof replacement);
            DWORD old;
            VirtualProtect(page, si.dwPageSize, PAGE_EXECUTE_READ, &old);
            FlushInstructionCache(GetCurrentProcess(), relay, 14);
            return relay;
        }
    }
    return nullptr;
}
#endif

bool Resolve(THook& h)
{
    if (h.Resolved)
        return h.Code != nullptr;
    h.Resolved = true;
    HMODULE module = GetModuleHandleW(h.Module);
    if (!module)
        module = LoadLibraryW(h.Module);
    h.Entry = module ? reinterpret_cast<void*>(GetProcAddress(module, h.Name)) : nullptr;
    h.Code = h.Entry ? FindRealCode(h.Entry) : nullptr;
    if (!h.Code)
        return false;
    h.Target = static_cast<uint8_t*>(h.Replacement);
#ifdef _WIN64
    if (!InJumpRange(h.Code, h.Target))
        h.Target = MakeRelay(h.Code, h.Replacement);
#endif
    if (!h.Target || !InJumpRange(h.Code, h.Target))
        h.Code = nullptr;
    return h.Code != nullptr;
}

// Writes the five bytes with one locked 8-byte exchange when they share an aligned quadword, so a
// thread entering the function meets either the old or the new bytes, never a mixture.
bool WriteCode(uint8_t* code, const uint8_t (&bytes)[5])
{
    DWORD old;
    if (!VirtualProtect(code, sizeof bytes, PAGE_EXECUTE_READWRITE, &old))
        return false;
    const uintptr_t a = reinterpret_cast<uintptr_t>(code);
    const uintptr_t base = a & ~uintptr_t(7);
    if (a + sizeof bytes <= base + 8) {
        auto* word = reinterpret_cast<volatile LONG64*>(base);
        LONG64 current, next;
        do {
            current = *word;
            next = current;
            std::memcpy(reinterpret_cast<uint8_t*>(&next) + (a - base), bytes, sizeof bytes);
        } while (InterlockedCompareExchange64(word, next, current) != current);
    } else {
        std::memcpy(code, bytes, sizeof bytes);
    }
    DWORD ignored;
    VirtualProtect(code, sizeof bytes, old, &ignored);
    FlushInstructionCache(GetCurrentProcess(), code, sizeof bytes);
    return true;
}

void Install(THook& h)
{
    if (h.Redirected || !Resolve(h))
        return;
    uint8_t saved[5];
    if (!ReadCode(h.Code, saved, sizeof saved))
        return;
    uint8_t jump[5] = {0xE9};
    const int32_t displacement = JumpDisplacement(h.Code, h.Target);
    std::memcpy(jump + 1, &displacement, 4);
    std::memcpy(h.Saved, saved, sizeof saved);
    h.HasSaved = true;
    if (!WriteCode(h.Code, jump)) {
        h.HasSaved = false;
        return;
    }
    h.Redirected = true;
}

void Remove(THook& h)
{
    if (h.HasSaved && WriteCode(h.Code, h.Saved))
        h.HasSaved = false;
    h.Redirected = false;
}

// Calls the platform's own function: unpatched for the duration when it is patched.
template <class F> auto PassThrough(THook& h, F call)
{
    const bool patched = h.Redirected;
    if (patched)
        Remove(h);
    auto result = call();
    if (patched)
        Install(h);
    return result;
}

DWORD RealGetSysColor(int index)
{
    THook& h = Hook(TSysColorFunction::fnGetSysColor);
    return PassThrough(h, [&] { return reinterpret_cast<decltype(&GetSysColor)>(h.Entry)(index); });
}

// A skin colour as RGB; one that names a system colour is resolved by the platform itself.
COLORREF ToRGB(TColor c)
{
    if (IsSystemColor(c))
        return RealGetSysColor(SystemColorIndex(c));
    return static_cast<COLORREF>(c) & 0x00FFFFFF;
}

// The skin colour answering a query, when a loaded container redirects it. A container caught
// in a load answers nothing and the caller's redirection takes itself out until the load ends.
std::optional<COLORREF> SkinAnswer(TSysColorFunction fn, int index)
{
    TspSkinData* d = RedirectingSkinData();
    if (!d || d->Empty) {
        Remove(Hook(fn));
        return std::nullopt;
    }
    if (std::optional<TColor> c = RedirectedSysColor(*d, index))
        return ToRGB(*c);
    return std::nullopt;
}

DWORD WINAPI RedirectedGetSysColor(int index)
{
    TPatchLock lock;
    if (std::optional<COLORREF> c = SkinAnswer(TSysColorFunction::fnGetSysColor, index))
        return *c;
    return RealGetSysColor(index);
}

HBRUSH WINAPI RedirectedGetSysColorBrush(int index)
{
    TPatchLock lock;
    if (std::optional<COLORREF> c = SkinAnswer(TSysColorFunction::fnGetSysColorBrush, index)) {
        // Callers never free these brushes, so each colour gets one brush, kept for the process.
        static std::map<COLORREF, HBRUSH> brushes;
        HBRUSH& b = brushes[*c];
        if (!b)
            b = CreateSolidBrush(*c);
        return b;
    }
    THook& h = Hook(TSysColorFunction::fnGetSysColorBrush);
    return PassThrough(
        h, [&] { return reinterpret_cast<decltype(&GetSysColorBrush)>(h.Entry)(index); });
}

HPEN WINAPI RedirectedCreatePen(int style, int width, COLORREF color)
{
    TPatchLock lock;
    // Only the bare colour indexes are taken for system colours; any other value is a colour.
    const bool indexed = color == 5 || color == 8 || color == 13 || color == 14;
    if (std::optional<COLORREF> c =
            SkinAnswer(TSysColorFunction::fnCreatePen, indexed ? int(color) : -1))
        color = *c;
    THook& h = Hook(TSysColorFunction::fnCreatePen);
    return PassThrough(
        h, [&] { return reinterpret_cast<decltype(&CreatePen)>(h.Entry)(style, width, color); });
}

class TCodePatchRedirector final : public ISystemColorRedirector {
public:
    bool IsRedirected(TSysColorFunction fn) const override
    {
        TPatchLock lock;
        return Hook(fn).Redirected;
    }
    void Redirect(TSysColorFunction fn) override
    {
        TPatchLock lock;
        Install(Hook(fn));
    }
    void Restore(TSysColorFunction fn) override
    {
        TPatchLock lock;
        Remove(Hook(fn));
    }
};

} // namespace

ISystemColorRedirector& PlatformSystemColorRedirector()
{
    static TCodePatchRedirector redirector;
    return redirector;
}

} // namespace vt
