// Prints the (kind, input) of every row of the report's tables (report_rows.h) as JSON, for the
// page's tests, which compare the page's report with the console tool's:
//   [{"kind":0,"input":"1"},{"kind":6,"input":"-1"}, ...]
#include <cstdio>
#include <string>
#include <string_view>

#include "json.h"
#include "report_rows.h"

int main() {
    triangle30::json::Writer w;
    w.Array();
    const auto row = [&w](int kind, std::string_view input) {
        w.Object().Key("kind").Int(kind).Key("input").String(input).End();
    };
    for (const auto& r : triangle30::test::kReportRows) {
        row(r.kind, r.input);
    }
    for (const auto& r : triangle30::test::kFailureRows) {
        row(r.kind, r.input);
    }
    const std::string text = w.End().Text();
    return std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
}
