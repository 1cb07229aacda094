#include "support/RandomUser.h"

#include <charconv>
#include <cstdlib>
#include <cstring>

namespace bitloom::tests {

namespace {

int setting(const char *name, int fallback)
{
    const char *text = std::getenv(name);
    if (!text)
        return fallback;
    int value = 0;
    const char *end = text + std::strlen(text);
    const auto [stop, error] = std::from_chars(text, end, value);
    return error == std::errc{} && stop == end && *text ? value : fallback;
}

} // namespace

RandomUser::Settings RandomUser::Settings::fromEnvironment(Settings defaults)
{
    return {setting("BITLOOM_RANDOM_SEEDS", defaults.seeds),
            setting("BITLOOM_RANDOM_ACTIONS", defaults.actions),
            setting("BITLOOM_RANDOM_FIRST_SEED", defaults.firstSeed)};
}

RandomUser::RandomUser(Driver &driver)
    : RandomUser(driver, ShrinkBudget{})
{
}

RandomUser::RandomUser(Driver &driver, ShrinkBudget budget)
    : m_driver(driver)
    , m_budget(budget)
{
}

std::optional<std::string> RandomUser::failureOf(std::uint32_t seed, int length)
{
    std::vector<RandomAction> actions = drawActions(seed, length);
    std::size_t failedAt = 0;
    const std::optional<std::string> failure = run(actions, &failedAt);
    const std::string name = "seed " + std::to_string(seed) + ": ";
    if (!failure)
        return std::nullopt;
    // A start that is already wrong fails every seed alike, before any action.
    if (failedAt == 0)
        return name + "wrong before any action: " + *failure;

    const std::string broken = name + *failure + " after action " + std::to_string(failedAt);
    // Where the failure outlives it (the program ended), every replay would
    // fail at once: there is nothing to shrink.
    if (const auto fresh = run({}))
        return broken + ", " + describe(actions[failedAt - 1])
               + "; and then the start is wrong too, so the run is not shrunk: " + *fresh;

    actions.resize(failedAt);
    const std::vector<RandomAction> shortest = shrink(actions);
    std::string report
        = broken + ". Shortest failing run (" + std::to_string(shortest.size()) + " actions):";
    for (const RandomAction &action : shortest)
        report += "\n    " + describe(action);
    if (const auto again = run(shortest))
        report += "\n  which breaks: " + *again;
    return report;
}

std::optional<std::string> RandomUser::run(const std::vector<RandomAction> &actions,
                                           std::size_t *failedAt)
{
    m_driver.restart();
    RandomUserModel model;
    for (std::size_t done = 0;; ++done) {
        if (auto failure = m_driver.check(model)) {
            if (failedAt)
                *failedAt = done;
            return failure;
        }
        if (done == actions.size())
            return std::nullopt;
        m_driver.perform(actions[done], model);
    }
}

std::vector<RandomAction> RandomUser::shrink(std::vector<RandomAction> actions)
{
    const auto deadline = std::chrono::steady_clock::now() + m_budget.time;
    int runs = m_budget.runs;
    const auto spent = [&] {
        return runs <= 0 || std::chrono::steady_clock::now() > deadline;
    };
    for (std::size_t chunk = actions.size() / 2; chunk >= 1 && !spent(); chunk /= 2) {
        for (std::size_t start = 0; start + chunk <= actions.size() && !spent();) {
            std::vector<RandomAction> shorter(actions.begin(),
                                              actions.begin() + static_cast<std::ptrdiff_t>(start));
            shorter.insert(shorter.end(),
                           actions.begin() + static_cast<std::ptrdiff_t>(start + chunk),
                           actions.end());
            --runs;
            std::size_t failedAt = 0;
            if (run(shorter, &failedAt) && failedAt > 0)
                actions = std::move(shorter);
            else
                start += chunk;
        }
    }
    return actions;
}

} // namespace bitloom::tests
