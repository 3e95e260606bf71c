// Calculate on a kind byte and arbitrary text: only OverflowError or DomainError escape, and the
// box holds a whole report, a report cut at a line end after an error, or its old text.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "errors.h"
#include "reference_number.h"
#include "report.h"
#include "report_shape.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const auto kind = static_cast<std::int16_t>(data[0] % 8 - 1);  // -1 to 6
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string old = "старо\r\n";
    triangle30::StringResultBox box(old);
    bool failed = false;
    try {
        triangle30::Calculate(kind, text, box, ",");
    } catch (const triangle30::CalculationError&) {
        failed = true;
    }
    const std::string written = box.GetText();
    if (kind < 0 || triangle30::test::ReferenceParse(text).overflow) {
        if (written != old || (kind >= 0) != failed) {
            std::abort();
        }
        return 0;
    }
    const int lines = triangle30::test::ReportLinesIn(written, ",");
    const bool valid = failed ? (written == old || lines == 3 || lines == 5) : lines == 6;
    if (!valid) {
        std::abort();
    }
    return 0;
}
