#include "CommandRunner.h"
#include "Commands.h"
#include "files/FileReplacement.h"
#include "handling/FlagsChangePlan.h"
#include "handling/ProblemText.h"

namespace bitloom::cli {

int runSet(const CommandContext &context)
{
    const std::string path(context.options.operands.front());
    handling::FlagsChangePlan plan = handling::planFlagsChanges(
        path, handling::readFileContents(path), std::span(context.options.operands).subspan(1),
        context.options.game);
    if (!plan.wrongWords.empty())
        return usageFailure(context.err, plan.wrongWords);
    SetReport &report = plan.report;
    if (report.outcome == handling::SetOutcome::Written && context.options.dryRun) {
        report.outcome = handling::SetOutcome::DryRun;
    } else if (report.outcome == handling::SetOutcome::Written) {
        files::ReplacementOutcome replaced
            = files::replaceFile(path, {.original = plan.original,
                                        .contents = plan.contents,
                                        .keepBackup = context.options.keepBackup});
        report.backup = std::move(replaced.backup);
        if (!replaced.failure.empty())
            report.refuse(std::move(replaced.failure));
    }

    context.err << handling::fileProblemsText(path, plan.gameTold ? report.game : nullptr,
                                              report.problems);
    if (report.outcome == handling::SetOutcome::Refused)
        context.err << path << " : rien n'est écrit, le fichier reste tel quel\n";
    context.err.flush(); // before the report, when both go to one terminal
    context.report.set(report);
    return report.outcome == handling::SetOutcome::Refused ? badInput : success;
}

} // namespace bitloom::cli
