#include "CommandRunner.h"
#include "Commands.h"
#include "handling/ProblemText.h"

namespace bitloom::cli {

namespace {

const GameProfile &gameOf(const CommandContext &context)
{
    return context.options.game ? *context.options.game : handling::viceCity;
}

int reported(const CommandContext &context, const ValueReport &report,
             void (Report::*show)(const ValueReport &))
{
    for (const Problem &problem : report.problems)
        context.err << programName << ": " << handling::problemText(problem) << '\n';
    context.err.flush(); // before the report, when both go to one terminal
    (context.report.*show)(report);
    return statusFor(report.problems);
}

} // namespace

int runDecode(const CommandContext &context)
{
    return reported(context, handling::decodeValues(context.options.operands, gameOf(context)),
                    &Report::decoded);
}

int runEncode(const CommandContext &context)
{
    return reported(context, handling::encodeFlags(context.options.operands, gameOf(context)),
                    &Report::encoded);
}

int runList(const CommandContext &context)
{
    context.report.listed(gameOf(context));
    return success;
}

} // namespace bitloom::cli
