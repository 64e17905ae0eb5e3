// velortin-calc: the scan calculation of Velortin from the command line.
#include <cstdio>
#include <cstring>

#include "tools/batch.h"
#include "tools/binary_io.h"
#include "tools/options.h"
#include "tools/single.h"

// Exit status: 0 results written, 1 a field rejected, 2 usage error, 3 input or output failed.
int main(int argc, char** argv)
{
    SetBinaryStreams();
    // VELORTIN_VERSION is the project's version, defined by the build.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::fputs("velortin-calc " VELORTIN_VERSION "\n"
                   "Copyright (c) 2026 the Velortin developers.\n"
                   "MIT licence: free to use, copy, modify and distribute; no warranty.\n",
                   stdout);
        return 0;
    }
    static CliOptions options;
    if (ParseOptions(argc, argv, &options)) {
        if (options.plan.error[0]) {
            std::fputs("velortin-calc: ", stderr);
            std::fputs(options.plan.error, stderr);
            std::fputs("\nRun 'velortin-calc --help' for usage.\n", stderr);
        } else {
            std::fputs(UsageText, stderr);
        }
        return 2;
    }
    if (options.help) {
        std::fputs(UsageText, stdout);
        std::fputs(HelpExamples, stdout);
        return 0;
    }
    const PlanOptions* plan = &options.plan;
    if (options.batch)
        return RunBatch(stdin, stdout, stderr, plan->format < 0 ? FORMAT_TSV : plan->format,
                        plan->scannerGiven ? &plan->scannerDpi : nullptr);
    return RunSingle(&options, stdout, stderr);
}
