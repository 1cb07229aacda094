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

namespace {

// Takes the newest step of one list; the current states go on the other.
std::optional<flags::FlagStates> takeStep(std::vector<flags::FlagStates> &from,
                                          std::vector<flags::FlagStates> &to,
                                          const flags::FlagStates &current)
{
    if (from.empty())
        return std::nullopt;
    const flags::FlagStates step = from.back();
    from.pop_back();
    to.push_back(current);
    return step;
}

} // namespace

std::optional<flags::FlagStates> UndoHistory::undo(const flags::FlagStates &current)
{
    return takeStep(m_undo, m_redo, current);
}

std::optional<flags::FlagStates> UndoHistory::redo(const flags::FlagStates &current)
{
    return takeStep(m_redo, m_undo, current);
}

void UndoHistory::clear()
{
    m_undo.clear();
    m_redo.clear();
}

} // namespace bitloom::core
