#include "host/table_command.h"

#include "host/command_options.h"
#include "host/table_build.h"
#include "host/table_format.h"
#include "host/table_range.h"

const char* const kTableUsage =
    "usage: quorvex table saturation [--by temperature|pressure] --from X1 --to X2 --step DX\n"
    "                                [--units N] [--format csv|md|text]\n"
    "       quorvex table isobar --pressure P --from T1 --to T2 --step DT\n"
    "                                [--units N] [--format csv|md|text]\n";

namespace {

int usageError(std::ostream& err, const std::string& reason) {
    err << "quorvex table: " << reason << "\n" << kTableUsage;
    return 2;
}

}  // namespace

int runTableCommand(const std::vector<std::string>& args, const CellEvaluator& evaluate, std::ostream& out,
                    std::ostream& err) {
    CommandOptions options;
    std::string error;
    if (!readCommandOptions(args, {"by", "from", "to", "step", "units", "format", "pressure"}, options, error))
        return usageError(err, error);
    if (options.positional.size() != 1) return usageError(err, "name one table: saturation or isobar");
    const std::string kind = options.positional[0];
    if (kind != "saturation" && kind != "isobar") return usageError(err, "unknown table \"" + kind + "\"");

    int32_t units = 0;
    if (!unitsOption(options, units, error)) return usageError(err, error);
    TableFormat format = TableFormat::Text;
    if (options.values.count("format") && !tableFormatOfName(options.values["format"], format))
        return usageError(err, "--format wants csv, md or text, not \"" + options.values["format"] + "\"");

    RangeRequest range;
    if (!numberOption(options, "from", range.from, error) || !numberOption(options, "to", range.to, error) ||
        !numberOption(options, "step", range.step, error))
        return usageError(err, error);
    std::vector<double> values;
    if (!valuesOfRange(range, values, error)) return usageError(err, error);

    PropertyTable table;
    bool built = false;
    if (kind == "saturation") {
        if (options.values.count("pressure")) return usageError(err, "--pressure belongs to the isobar table");
        std::string by = options.values.count("by") ? options.values["by"] : "temperature";
        if (by == "temperature")
            built = saturationTableByTemperature(evaluate, values, units, table, error);
        else if (by == "pressure")
            built = saturationTableByPressure(evaluate, values, units, table, error);
        else
            return usageError(err, "--by wants temperature or pressure, not \"" + by + "\"");
    } else {
        if (options.values.count("by")) return usageError(err, "--by belongs to the saturation table");
        std::optional<double> P;
        if (!numberOption(options, "pressure", P, error)) return usageError(err, error);
        if (!P) return usageError(err, "missing --pressure");
        built = isobarTable(evaluate, *P, values, units, table, error);
    }
    if (!built) return usageError(err, error);
    out << formatTable(table, format);
    return 0;
}
