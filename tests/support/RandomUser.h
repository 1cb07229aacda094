// A random user: seeded sequences of clicks, picks, menu commands, shortcuts
// and keys drive a real window from a fresh start, and before the first action
// and after every one the window must agree with a model of what the program
// should show. A failing run is reported with its seed and the shortest list
// of actions that still fails. Each front end's test drives its own window;
// the actions, the model and the shrinking are the same for all.
//
// BITLOOM_RANDOM_SEEDS, BITLOOM_RANDOM_ACTIONS and BITLOOM_RANDOM_FIRST_SEED
// make the run longer for stress testing.
#pragma once

#include "support/RandomAction.h"
#include "support/RandomUserModel.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bitloom::tests {

class RandomUser {
public:
    // What a front end's test provides: its window, driven and read.
    class Driver {
    public:
        virtual ~Driver() = default;
        // Back to the state of a fresh start.
        virtual void restart() = 0;
        // Does what the user would, where the model says it can be done, and
        // updates the model.
        virtual void perform(const RandomAction &action, RandomUserModel &model) = 0;
        // The first rule the window breaks against the model, if any.
        virtual std::optional<std::string> check(const RandomUserModel &model) = 0;
    };

    struct Settings {
        int seeds;
        int actions;
        int firstSeed = 1;

        // The defaults, where the environment sets nothing valid.
        static Settings fromEnvironment(Settings defaults);
    };

    // A shrink stops after so many replays or so long, whichever comes first.
    struct ShrinkBudget {
        int runs = 400;
        std::chrono::seconds time = std::chrono::seconds(600);
    };

    explicit RandomUser(Driver &driver);
    RandomUser(Driver &driver, ShrinkBudget budget);

    // Nothing when the seed's actions break no rule; otherwise the report.
    std::optional<std::string> failureOf(std::uint32_t seed, int length);

private:
    // Runs the actions from a fresh start; the first broken rule, if any, and
    // how many actions had run when it broke (0: the start itself was wrong).
    std::optional<std::string> run(const std::vector<RandomAction> &actions,
                                   std::size_t *failedAt = nullptr);
    // Removes ever smaller runs of actions while the rest still fails.
    std::vector<RandomAction> shrink(std::vector<RandomAction> actions);

    Driver &m_driver;
    ShrinkBudget m_budget;
};

} // namespace bitloom::tests
