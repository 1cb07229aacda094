// What Windows and Explorer read from bitloom.exe: the version record, the
// icon and the manifest; and the program's window.
#include "support/ChildProcess.h"

#include <objbase.h>

#include <algorithm>
#include <cwctype>
#include <doctest.h>
#include <string>
#include <vector>

using namespace bitloom::wintest;

namespace {

const std::filesystem::path program = programBeside(L"bitloom.exe");

std::wstring versionString(const std::vector<BYTE> &record, const std::wstring &name)
{
    void *value = nullptr;
    UINT length = 0;
    const std::wstring path = L"\\StringFileInfo\\040C04E4\\" + name;
    if (!VerQueryValueW(record.data(), path.c_str(), &value, &length) || length == 0)
        return L"(none)";
    return static_cast<const wchar_t *>(value); // ends with its NUL
}

// The resource is the icon directory's header, then one entry per image.
#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width; // 0 stands for 256
    BYTE height;
    BYTE colours;
    BYTE reserved;
    WORD planes;
    WORD bitsPerPixel;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

std::wstring setting(HANDLE context, const wchar_t *nameSpace, const wchar_t *name)
{
    wchar_t value[128] = L"";
    SIZE_T length = 0;
    if (!QueryActCtxSettingsW(0, context, nameSpace, name, value, 128, &length))
        return L"(none)";
    return value;
}

std::wstring moduleFileName(HMODULE module)
{
    wchar_t name[MAX_PATH] = L"";
    GetModuleFileNameW(module, name, MAX_PATH);
    std::wstring text = name;
    std::transform(text.begin(), text.end(), text.begin(), towlower);
    return text;
}

// The layout Windows 10 and Wine fill in; MinGW's header predates its last
// member.
struct CompatibilityElement {
    GUID id;
    DWORD type; // 1: a supported system
    ULONGLONG maxVersionTested;
};

// The supportedOS ids, sorted.
std::vector<std::wstring> supportedSystems(HANDLE context)
{
    struct {
        DWORD count;
        CompatibilityElement elements[16];
    } information{};
    SIZE_T length = 0;
    if (!QueryActCtxW(0, context, nullptr, CompatibilityInformationInActivationContext,
                      &information, sizeof information, &length))
        return {};
    std::vector<std::wstring> ids;
    for (DWORD i = 0; i < information.count && i < 16; ++i) {
        if (information.elements[i].type != 1)
            continue;
        wchar_t text[40];
        StringFromGUID2(information.elements[i].id, text, 40);
        ids.emplace_back(text);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

struct LibraryCloser {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};

} // namespace

TEST_CASE("the version record: the project's version, in French")
{
    const DWORD size = GetFileVersionInfoSizeW(program.c_str(), nullptr);
    REQUIRE(size > 0);
    std::vector<BYTE> record(size);
    REQUIRE(GetFileVersionInfoW(program.c_str(), 0, size, record.data()));

    void *value = nullptr;
    UINT length = 0;
    REQUIRE(VerQueryValueW(record.data(), L"\\", &value, &length));
    const auto &fixed = *static_cast<const VS_FIXEDFILEINFO *>(value);
    const WORD expected[] = {BITLOOM_VERSION_NUMBERS};
    const WORD numbers[] = {HIWORD(fixed.dwFileVersionMS), LOWORD(fixed.dwFileVersionMS),
                            HIWORD(fixed.dwFileVersionLS), LOWORD(fixed.dwFileVersionLS)};
    CHECK(std::equal(std::begin(numbers), std::end(numbers), std::begin(expected)));
    CHECK(fixed.dwProductVersionMS == fixed.dwFileVersionMS);
    CHECK(fixed.dwProductVersionLS == fixed.dwFileVersionLS);

    REQUIRE(VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation", &value, &length));
    REQUIRE(length == 2 * sizeof(WORD));
    CHECK(static_cast<const WORD *>(value)[0] == 0x040C); // French
    CHECK(static_cast<const WORD *>(value)[1] == 1252);

    CHECK(versionString(record, L"Comments") == L"Utilitaire d'édition pour GTA:VC.");
    CHECK(versionString(record, L"CompanyName") == L"Produit non commercial.");
    CHECK(versionString(record, L"FileDescription") == L"N/A");
    CHECK(versionString(record, L"FileVersion") == L"" BITLOOM_DISPLAY_VERSION);
    CHECK(versionString(record, L"ProductName") == L"Bitloom");
    CHECK(versionString(record, L"ProductVersion") == L"" BITLOOM_DISPLAY_VERSION);
}

TEST_CASE("the icon: 16, 32, 48 and 256 pixels, each one loadable")
{
    const std::unique_ptr<HINSTANCE__, LibraryCloser> module(
        LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    REQUIRE(module != nullptr);
    const HRSRC group = FindResourceW(module.get(), L"IDI_ICON1", RT_GROUP_ICON);
    REQUIRE(group != nullptr);
    const auto *directory
        = static_cast<const BYTE *>(LockResource(LoadResource(module.get(), group)));
    REQUIRE(directory != nullptr);
    const WORD count = reinterpret_cast<const WORD *>(directory)[2];
    const auto *entries = reinterpret_cast<const IconGroupEntry *>(directory + 3 * sizeof(WORD));

    std::vector<int> sizes;
    for (WORD i = 0; i < count; ++i) {
        const int size = entries[i].width == 0 ? 256 : entries[i].width;
        CAPTURE(size);
        sizes.push_back(size);
        const HRSRC image = FindResourceW(module.get(), MAKEINTRESOURCEW(entries[i].id), RT_ICON);
        REQUIRE(image != nullptr);
        auto *bits = static_cast<BYTE *>(LockResource(LoadResource(module.get(), image)));
        const HICON icon = CreateIconFromResourceEx(bits, SizeofResource(module.get(), image), TRUE,
                                                    0x00030000, size, size, 0);
        CHECK(icon != nullptr);
        if (icon != nullptr)
            DestroyIcon(icon);
    }
    std::sort(sizes.begin(), sizes.end());
    CHECK(sizes == std::vector<int>{16, 32, 48, 256});
}

// Windows reads the manifest when the program starts; an activation context
// made from the same resource shows what it understood. A misspelt namespace
// or GUID would be ignored without a word.
TEST_CASE("the manifest: DPI awareness, common controls 6, Windows 7 to 11")
{
    ACTCTXW request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = program.c_str();
    request.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
    const HANDLE context = CreateActCtxW(&request);
    REQUIRE(context != INVALID_HANDLE_VALUE);

    CHECK(setting(context, L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware")
          == L"true/pm");
    CHECK(
        setting(context, L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness")
        == L"PerMonitorV2, PerMonitor");

    ULONG_PTR cookie = 0;
    REQUIRE(ActivateActCtx(context, &cookie));
    const HMODULE commonControls = LoadLibraryW(L"comctl32.dll");
    DeactivateActCtx(0, cookie);
    REQUIRE(commonControls != nullptr);
    CHECK(moduleFileName(commonControls)
              .find(L"microsoft.windows.common-controls_6595b64144ccf1df_6.0.")
          != std::wstring::npos);
    FreeLibrary(commonControls);

    CHECK(supportedSystems(context)
          == std::vector<std::wstring>{
              L"{1F676C76-80E1-4239-95BB-83D0F6D0DA78}", // 8.1
              L"{35138B9A-5D96-4FBD-8E2D-A2440225F93A}", // 7
              L"{4A2F28E3-53B9-4441-BA9C-D69D4A4A6E38}", // 8
              L"{8E0F7A12-BFB3-4FE8-B9A5-48FD50A15A9A}", // 10 and 11
          });
    ReleaseActCtx(context);
}

// Closing the main window ends the program without a question.
TEST_CASE("bitloom.exe opens its window titled Bitloom, and ends with 0 when it is closed")
{
    const ChildProcess child(program, {});
    WaitForInputIdle(child.handle(), 10000);
    HWND window = nullptr;
    for (int tries = 0; window == nullptr && tries < 100; ++tries) {
        window = visibleWindowTitled(child.id(), "Bitloom");
        if (window == nullptr)
            Sleep(100);
    }
    REQUIRE(window != nullptr);
    PostMessageW(window, WM_CLOSE, 0, 0);
    CHECK(child.wait(10000) == DWORD{0});
}
