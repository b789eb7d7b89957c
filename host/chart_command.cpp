#include "host/chart_command.h"

#include <algorithm>

#include "host/chart_data.h"
#include "host/chart_render.h"
#include "host/command_options.h"

const char* const kChartUsage =
    "usage: quorvex chart ph [--units N] -o FILE.svg|FILE.png [--pmin P] [--pmax P] [--hmin H] [--hmax H]\n"
    "       quorvex chart ts [--units N] -o FILE.svg|FILE.png [--tmin T] [--tmax T] [--smin S] [--smax S]\n";

namespace {

int usageError(std::ostream& err, const std::string& reason) {
    err << "quorvex chart: " << reason << "\n" << kChartUsage;
    return 2;
}

}  // namespace

int runChartCommand(const std::vector<std::string>& args, const CellEvaluator& evaluate, std::ostream& err) {
    CommandOptions options;
    std::string error;
    if (!readCommandOptions(args, {"units", "output", "pmin", "pmax", "hmin", "hmax", "tmin", "tmax", "smin", "smax"},
                            options, error))
        return usageError(err, error);
    if (options.positional.size() != 1) return usageError(err, "name one chart: ph or ts");
    const std::string kind = options.positional[0];
    if (kind != "ph" && kind != "ts") return usageError(err, "unknown chart \"" + kind + "\"");
    int32_t units = 0;
    if (!unitsOption(options, units, error)) return usageError(err, error);
    if (!options.values.count("output")) return usageError(err, "missing -o FILE");
    const std::string path = options.values["output"];

    // Limits of the other diagram are refused rather than ignored.
    const std::vector<std::string> own = kind == "ph" ? std::vector<std::string>{"pmin", "pmax", "hmin", "hmax"}
                                                      : std::vector<std::string>{"tmin", "tmax", "smin", "smax"};
    for (const auto& [name, value] : options.values) {
        const bool limit = name != "units" && name != "output";
        if (limit && std::find(own.begin(), own.end(), name) == own.end())
            return usageError(err, "--" + name + " is not a limit of the " + kind + " chart");
    }
    ChartRanges ranges;
    if (!numberOption(options, "pmin", ranges.pmin, error) || !numberOption(options, "pmax", ranges.pmax, error) ||
        !numberOption(options, "hmin", ranges.hmin, error) || !numberOption(options, "hmax", ranges.hmax, error) ||
        !numberOption(options, "tmin", ranges.tmin, error) || !numberOption(options, "tmax", ranges.tmax, error) ||
        !numberOption(options, "smin", ranges.smin, error) || !numberOption(options, "smax", ranges.smax, error))
        return usageError(err, error);

    if (path.size() < 5 || (path.compare(path.size() - 4, 4, ".svg") != 0 && path.compare(path.size() - 4, 4, ".png") != 0))
        return usageError(err, "the chart file must end in .svg or .png");

    ChartData chart;
    const bool built = kind == "ph" ? phChartData(evaluate, units, ranges, chart, error)
                                    : tsChartData(evaluate, units, ranges, chart, error);
    if (!built) return usageError(err, error);
    if (!renderChart(chart, path, error)) {
        err << "quorvex chart: " << error << "\n";
        return 1;
    }
    return 0;
}
