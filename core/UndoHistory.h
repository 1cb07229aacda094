// The states the window went through, for Undo and Redo: each change (a
// tick, a reset, a value read in) is one step.
#pragma once

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace bitloom::core {

template <typename State>
class UndoHistory {
public:
    // Keeps at most this many steps back; the oldest go first.
    explicit UndoHistory(std::size_t capacity = 1000)
        : m_capacity(capacity)
    {
    }

    // A change from `before` has happened: it can be undone, and what had
    // been undone can no longer be redone.
    void record(State before)
    {
        if (m_capacity == 0)
            return;
        if (m_undo.size() == m_capacity)
            m_undo.erase(m_undo.begin());
        m_undo.push_back(std::move(before));
        m_redo.clear();
    }

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }

    // The state to go back to from `current`, which Redo then brings back.
    std::optional<State> undo(const State &current) { return takeStep(m_undo, m_redo, current); }
    std::optional<State> redo(const State &current) { return takeStep(m_redo, m_undo, current); }

    void clear()
    {
        m_undo.clear();
        m_redo.clear();
    }

private:
    // Takes the newest step of one list; the current state goes on the other.
    static std::optional<State> takeStep(std::vector<State> &from, std::vector<State> &to,
                                         const State &current)
    {
        if (from.empty())
            return std::nullopt;
        State step = std::move(from.back());
        from.pop_back();
        to.push_back(current);
        return step;
    }

    std::size_t m_capacity;
    std::vector<State> m_undo;
    std::vector<State> m_redo;
};

} // namespace bitloom::core
