// What the program says the game reads of a flags value, against the C
// library the game scans it with: Windows' own msvcrt.dll and its "%x".
#include "flags/FlagsValueReader.h"

#include <doctest.h>
#include <windows.h>

namespace {

using Sscanf = int(__cdecl *)(const char *, const char *, ...);

// MinGW puts its own sscanf in this program; ask the DLL for Windows' one.
Sscanf windowsSscanf()
{
    const HMODULE msvcrt = GetModuleHandleW(L"msvcrt.dll");
    const FARPROC function = msvcrt != nullptr ? GetProcAddress(msvcrt, "sscanf") : nullptr;
    return reinterpret_cast<Sscanf>(reinterpret_cast<void (*)()>(function));
}

} // namespace

// Values above 32 bits are left out: there the program claims no sure
// reading. So are "0x" alone and "0x" before a non-digit, where C libraries
// disagree with each other.
TEST_CASE("the game's reading of a value is what msvcrt's %x reads")
{
    const Sscanf scan = windowsSscanf();
    const bool found = scan != nullptr;
    REQUIRE(found);
    for (const char *text :
         {"9047000", "0x9047000", "0X50", "0009047000", "abcDEF0", "FFFFFFFF", "9047000xyz", "12 3",
          "1.5", "xyz", "", "\xC3\xA9", "0x0x5", "-1", "+50", "-0x10"}) {
        const std::string_view shown = text;
        CAPTURE(shown);
        const bitloom::flags::ValueReading reading = bitloom::flags::readFlagsValue(text);
        unsigned int value = 0;
        const int converted = scan(text, "%x", &value);
        if (reading.gameValue) {
            CHECK(converted == 1);
            CHECK(value == *reading.gameValue);
        } else {
            CHECK(converted != 1);
        }
    }
}
