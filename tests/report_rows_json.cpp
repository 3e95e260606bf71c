// Prints the rows of the report's tables (report_rows.h) as JSON, for the page's test:
//   [{"name": "LegBC", "kind": 0, "input": "1", "report": ["Катет BC = 1", ...], "error": ""},
//    {"name": "NegativeArea", "kind": 6, "input": "-1", "report": [], "error": "domain"}, ...]
#include <cstdio>
#include <string>
#include <string_view>

#include "json.h"
#include "report_rows.h"

namespace {

namespace json = triangle30::json;

std::string Row(const triangle30::test::NamedRow& row, int kind, std::string_view input,
                const std::string& report, std::string_view error) {
    return json::Cat({"{\"name\":", json::String(row.name), ",\"kind\":", std::to_string(kind),
                      ",\"input\":", json::String(input), ",\"report\":[", report,
                      "],\"error\":", json::String(error), "}"});
}

}  // namespace

int main() {
    std::string out = "[";
    for (const auto& row : triangle30::test::kReportRows) {
        std::string report;
        for (const std::string_view line : row.lines) {
            if (!report.empty()) {
                report += ',';
            }
            report += json::String(line);
        }
        out += Row(row, row.kind, row.input, report, "") + ",\n";
    }
    for (const auto& row : triangle30::test::kFailureRows) {
        out += Row(row, row.kind, row.input, "", row.overflow ? "overflow" : "domain") + ",\n";
    }
    out.replace(out.size() - 2, 2, "]\n");
    return std::fputs(out.c_str(), stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
}
