#include "WindowsConsole.h"

#include "text/Utf16.h"

#include <algorithm>
#include <iostream>

namespace bitloom::cli {

ConsoleBuffer::int_type ConsoleBuffer::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return sync() == 0 ? traits_type::not_eof(c) : traits_type::eof();
    pending += traits_type::to_char_type(c);
    if (c == '\n')
        return sync() == 0 ? c : traits_type::eof();
    return c;
}

std::streamsize ConsoleBuffer::xsputn(const char *text, std::streamsize size)
{
    pending.append(text, static_cast<std::size_t>(size));
    return size;
}

int ConsoleBuffer::sync()
{
    const std::size_t complete = text::completeUtf8Length(pending);
    const std::u16string units = text::utf16FromUtf8(std::string_view(pending).substr(0, complete));
    pending.erase(0, complete);
    std::size_t done = 0;
    while (done < units.size()) {
        DWORD written = 0;
        const auto size = static_cast<DWORD>(std::min<std::size_t>(units.size() - done, 8192));
        if (!WriteConsoleW(console, units.data() + done, size, &written, nullptr) || written == 0)
            return -1;
        done += written;
    }
    return 0;
}

bool isConsole(HANDLE handle)
{
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

bool hasConsoleOfItsOwn()
{
    DWORD processes[2];
    return GetConsoleProcessList(processes, 2) == 1 && isConsole(GetStdHandle(STD_OUTPUT_HANDLE))
           && isConsole(GetStdHandle(STD_INPUT_HANDLE));
}

void waitForKey()
{
    std::cout << "\nAppuyez sur une touche pour fermer cette fenêtre.\n";
    std::cout.flush();
    const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    FlushConsoleInputBuffer(in);
    INPUT_RECORD record;
    DWORD count = 0;
    while (ReadConsoleInputW(in, &record, 1, &count) && count == 1) {
        if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown)
            return;
    }
}

} // namespace bitloom::cli
