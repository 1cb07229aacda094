#include "UndoHistory.h"

namespace bitloom::core {

UndoHistory::UndoHistory(std::size_t capacity)
    : m_capacity(capacity)
{
}

void UndoHistory::record(const flags::FlagStates &before)
{
    if (m_capacity == 0)
        return;
    if (m_undo.size() == m_capacity)
        m_undo.erase(m_undo.begin());
    m_undo.push_back(before);
    m_redo.clear();
}

std::optional<flags::FlagStates> UndoHistory::undo(const flags::FlagStates &current)
{
    if (m_undo.empty())
        return std::nullopt;
    const flags::FlagStates previous = m_undo.back();
    m_undo.pop_back();
    m_redo.push_back(current);
    return previous;
}

std::optional<flags::FlagStates> UndoHistory::redo(const flags::FlagStates &current)
{
    if (m_redo.empty())
        return std::nullopt;
    const flags::FlagStates next = m_redo.back();
    m_redo.pop_back();
    m_undo.push_back(current);
    return next;
}

void UndoHistory::clear()
{
    m_undo.clear();
    m_redo.clear();
}

} // namespace bitloom::core
