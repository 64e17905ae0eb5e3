// Planned widths enter Compute as computed: over random originals, prints and fits, the
// record holds exactly the fitted double, where a text would read back an ulp away.
#include <cstdio>
#include <random>

#include <gtest/gtest.h>

#include "cli/options.h"

TEST(PlanRecord, FittedWidthIsTheComputedDouble)
{
    static const char* const UNITS[] = {"mm", "cm", "in", "ft", "m"};
    std::mt19937 random(16);
    std::uniform_real_distribution<double> side(0.5, 700);
    int heightDecided = 0;
    for (int run = 0; run < 10000; run++) {
        char original[64], print[64];
        std::snprintf(original, sizeof original, "%.6gx%.6g%s", side(random), side(random),
                      UNITS[random() % 5]);
        std::snprintf(print, sizeof print, "%.5gx%.5g%s", side(random), side(random),
                      UNITS[random() % 5]);
        int fill = run % 2;
        const char* argv[] = {"velortin-calc", "--original", original,
                              "--print",       print,        "--fit", fill ? "fill" : "inside"};
        CliOptions options;
        char message[MESSAGE_MAX];
        ASSERT_EQ(0, ParseOptions(7, (char**)argv, &options, message)) << message;
        CalcRecord record;
        ASSERT_EQ(0, PlanRecord(&options.plan, &record)) << original << " " << print;

        // The print's longer side along the original's; the side that fits decides.
        double w = options.plan.original[0], h = options.plan.original[1];
        double a = options.plan.print[0], b = options.plan.print[1];
        if (w != h && (w > h) != (a > b))
            std::swap(a, b);
        int widthDecides = fill ? a / w >= b / h : a / w <= b / h;
        double fitted = widthDecides ? a : w * (b / h);
        heightDecided += !widthDecides;
        ASSERT_EQ(fitted, record.outputWidth) << original << " " << print << " " << run;
        EXPECT_EQ(w, record.inputWidth);
        EXPECT_EQ(h, record.inputHeight);
    }
    EXPECT_GT(heightDecided, 2000) << "the random sizes reach both sides of the fit";
}
