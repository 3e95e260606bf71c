// ParseNumber on arbitrary bytes: it never crashes, and it reads what a plain reading of the
// grammar reads.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "errors.h"
#include "number_text.h"
#include "reference_number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const triangle30::test::ReferenceNumber expected = triangle30::test::ReferenceParse(text);
    try {
        const double got = triangle30::ParseNumber(text);
        if (expected.overflow || got != expected.value ||
            std::signbit(got) != std::signbit(expected.value)) {
            std::abort();
        }
    } catch (const triangle30::OverflowError&) {
        if (!expected.overflow) {
            std::abort();
        }
    }
    return 0;
}
