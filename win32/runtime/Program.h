// The program's message loop, shared by the main loop and the nested loops of
// modal windows, and the program's end.
#pragma once

#include <windows.h>

#include <functional>

namespace bitloom::win32 {

// Gives a top-level window the keyboard of a dialog (Tab, access keys, Enter,
// Esc) and, where given, its shortcuts; until it is forgotten.
void handleKeyboardOf(HWND window, HACCEL shortcuts = nullptr);
void forgetKeyboardOf(HWND window);

// Runs a task once, soon after the loops first find nothing left to handle:
// every window painted, no input waiting. What a first frame does not need
// waits for this. A task is dropped with its window.
void whenIdle(HWND window, std::function<void()> task);

// Runs until the program ends; returns its exit status.
int runMessageLoop();
// Runs a nested loop until done() holds or the program ends.
void runModalLoop(const std::function<bool()> &done);
// Handles what is queued now, then returns (for tests).
void processPendingMessages();

// Ends the program at once: every window disappears, no further event reaches
// any window or handler, and the loops return.
void endProgram(int status = 0);
bool programHasEnded();

} // namespace bitloom::win32
