#include "core/UndoHistory.h"
#include "flags/FlagsValue.h"

#include <doctest.h>

using namespace bitloom;
using UndoHistory = core::UndoHistory<flags::FlagStates>;
using flags::CheckState;

namespace {

flags::FlagStates withBit(int bit)
{
    flags::FlagStates states{};
    states[static_cast<std::size_t>(bit)] = CheckState::Checked;
    return states;
}

} // namespace

TEST_CASE("undo goes back step by step; redo forward again")
{
    UndoHistory history;
    CHECK_FALSE(history.canUndo());
    CHECK_FALSE(history.redo(withBit(0)));

    history.record(withBit(0));
    history.record(withBit(1));
    CHECK(history.canUndo());
    CHECK(history.undo(withBit(2)) == withBit(1));
    CHECK(history.undo(withBit(1)) == withBit(0));
    CHECK_FALSE(history.undo(withBit(0)));
    CHECK(history.redo(withBit(0)) == withBit(1));
    CHECK(history.redo(withBit(1)) == withBit(2));
    CHECK_FALSE(history.canRedo());
}

TEST_CASE("a new change ends what could be redone; forgetting ends what could be undone too")
{
    UndoHistory history;
    history.record(withBit(0));
    history.undo(withBit(1));
    CHECK(history.canRedo());
    history.record(withBit(0));
    CHECK_FALSE(history.canRedo());

    history.record(withBit(2));
    history.undo(withBit(3));
    REQUIRE((history.canUndo() && history.canRedo()));
    history.clear();
    CHECK_FALSE(history.canUndo());
    CHECK_FALSE(history.canRedo());
    CHECK_FALSE(history.redo(withBit(0)));
}

TEST_CASE("the history keeps its newest steps, at least a hundred")
{
    UndoHistory history;
    for (int step = 0; step < 1500; ++step)
        history.record(withBit(step % 28));
    int steps = 0;
    while (history.undo({}))
        ++steps;
    CHECK(steps == 1000);

    UndoHistory small(3);
    for (int bit = 0; bit < 5; ++bit)
        small.record(withBit(bit));
    CHECK(small.undo({}) == withBit(4));
    CHECK(small.undo({}) == withBit(3));
    CHECK(small.undo({}) == withBit(2));
    CHECK_FALSE(small.canUndo());
}
