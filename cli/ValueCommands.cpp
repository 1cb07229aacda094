#include "CommandRunner.h"
#include "Commands.h"
#include "ProblemText.h"

namespace bitloom::cli {

namespace {

int reported(const CommandContext &context, const ValueReport &report,
             void (Report::*show)(const ValueReport &))
{
    for (const Problem &problem : report.problems)
        context.err << inputProblemText(problem) << '\n';
    context.err.flush(); // before the report, when both go to one terminal
    (context.report.*show)(report);
    return statusFor(report.problems);
}

} // namespace

int runDecode(const CommandContext &context)
{
    return reported(context,
                    handling::decodeValues(context.options.operands, *context.options.game),
                    &Report::decoded);
}

int runEncode(const CommandContext &context)
{
    return reported(context, handling::encodeFlags(context.options.operands, *context.options.game),
                    &Report::encoded);
}

int runList(const CommandContext &context)
{
    context.report.listed(*context.options.game);
    return success;
}

} // namespace bitloom::cli
