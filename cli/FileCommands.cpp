#include "CommandRunner.h"
#include "Commands.h"
#include "handling/ProblemText.h"

namespace bitloom::cli {

namespace {

// A file operand, "-" for the standard input, read and scanned.
ScanReport scanOperand(const CommandContext &context, std::string_view operand,
                       handling::ScanFilter filter = {})
{
    return handling::scanContents(operand,
                                  operand == standardInput
                                      ? handling::readStreamContents(context.in)
                                      : handling::readFileContents(std::string(operand)),
                                  context.options.game, filter);
}

} // namespace

int runScan(const CommandContext &context)
{
    const std::span<const std::string_view> operands = context.options.operands;
    const ScanReport report
        = scanOperand(context, operands.front(), {operands.subspan(1), context.options.has});
    context.err << handling::fileProblemsText(report.file, report.gameTold ? report.game : nullptr,
                                              report.problems);
    context.err.flush(); // before the report, when both go to one terminal
    context.report.scanned(report);
    return statusFor(report.problems);
}

int runCheck(const CommandContext &context)
{
    CheckReport report{.game = context.options.game ? context.options.game : &handling::viceCity};
    for (std::string_view path : context.options.operands)
        report.add(scanOperand(context, path));
    context.report.checked(report);
    return report.errors == 0 ? success : badInput;
}

} // namespace bitloom::cli
