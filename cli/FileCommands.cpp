#include "CommandRunner.h"
#include "Commands.h"
#include "handling/FileReader.h"
#include "handling/GameOfFile.h"
#include "handling/ProblemText.h"
#include "handling/TextDecoder.h"

namespace bitloom::cli {

namespace {

// A file operand read whole, decoded and scanned as the game asked for or
// the one the file plainly is; "-" reads in.
ScanReport scanOperand(const CommandContext &context, std::string_view operand,
                       handling::ScanFilter filter = {})
{
    const GameProfile *asked = context.options.game;
    handling::FileContents contents = operand == standardInput
                                          ? handling::readStreamContents(context.in)
                                          : handling::readFileContents(std::string(operand));
    if (!contents.error.empty())
        return handling::unreadFile(operand, std::move(contents.error),
                                    asked ? *asked : handling::viceCity);
    const handling::DecodedText decoded = handling::decodeText(std::move(contents.text));
    if (!decoded.error.empty())
        return handling::unreadFile(operand, decoded.error, asked ? *asked : handling::viceCity);
    const GameProfile &game = handling::gameToRead(decoded.text, decoded.encoding, asked);
    ScanReport report
        = handling::scanHandling(operand, decoded.text, decoded.encoding, game, filter);
    report.gameTold = asked == nullptr && &game != &handling::viceCity;
    return report;
}

} // namespace

int runScan(const CommandContext &context)
{
    const std::span<const std::string_view> operands = context.options.operands;
    const ScanReport report
        = scanOperand(context, operands.front(), {operands.subspan(1), context.options.has});
    if (report.gameTold)
        context.err << handling::gameToldText(report.file, *report.game) << '\n';
    for (const Problem &problem : report.problems)
        context.err << handling::fileProblemText(report.file, problem) << '\n';
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
