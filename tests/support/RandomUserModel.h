// What the program should show after the random user's actions, kept apart
// from any window: the front ends' windows are checked against it.
#pragma once

#include "support/RandomAction.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bitloom::tests {

struct RandomUserModel {
    std::uint32_t flags = 0;
    bool wide = false;
    int listIndex = -1;
    // The summary pane shows, its item checked.
    std::array<bool, 8> visible{true};
    std::array<bool, 8> checked{true};
    // The values Undo goes back to, newest last, and those Redo brings back.
    std::vector<std::uint32_t> undoSteps;
    std::vector<std::uint32_t> redoSteps;
    // What the clipboard should hold, where the test knows it.
    std::optional<std::string> clipboard;

    // Whether the control the action needs shows: a box on a hidden pane, the
    // list in wide view or a hidden reset button cannot be clicked.
    bool canPerform(const RandomAction &action) const;
    // What a performed action changes. Space and Tab act on the focused
    // control, which only the window knows: its test calls the steps below.
    // The Edition menu's shortcuts do nothing in the output box, which keeps
    // its editing keys: outputFocused says the keys went there.
    void apply(const RandomAction &action, bool outputFocused = false);

    // Every change of the flags is one step Undo takes back.
    void change(std::uint32_t value);
    void undo();
    void redo();

    void toggle(int bit);
    void pickList(int item);
    // A key went to the list: where it moved the selection, that is a pick.
    void keyOnList(int before, int after);
    void resetFlags();
    void selectPane(int pane);
    void singleView();
    void wideView();
};

} // namespace bitloom::tests
