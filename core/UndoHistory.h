// The states the flags went through, for Undo and Redo: each change of the
// boxes (a tick, a reset, a value read in) is one step.
#pragma once

#include "flags/FlagsValue.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace bitloom::core {

class UndoHistory {
public:
    // Keeps at most this many steps back; the oldest go first.
    explicit UndoHistory(std::size_t capacity = 1000);

    // A change from `before` has happened: it can be undone, and what had
    // been undone can no longer be redone.
    void record(const flags::FlagStates &before);

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }

    // The state to go back to from `current`, which Redo then brings back.
    std::optional<flags::FlagStates> undo(const flags::FlagStates &current);
    std::optional<flags::FlagStates> redo(const flags::FlagStates &current);

    void clear();

private:
    std::size_t m_capacity;
    std::vector<flags::FlagStates> m_undo;
    std::vector<flags::FlagStates> m_redo;
};

} // namespace bitloom::core
