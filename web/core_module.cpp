// The calculation core as the web page calls it (emscripten's ccall): one calculation on a box
// that holds the result box's text, as the window's Calculate does on its box.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <string>

#include "errors.h"
#include "number_text.h"
#include "report.h"
#include "triangle.h"

namespace {

std::string boxText;    // the box after the last calculation, lines ended by line feeds
std::string errorText;  // the message of its error, or empty

}  // namespace

extern "C" {

// Runs Calculate for the quantity `givenIndex` (-1 for none, else 0 to 6) and the input text
// on a box holding `text` (lines ended by line feeds, as a page keeps them), with the report's
// `separator`. Returns 1 when the calculation ended with an error, else 0; the box's text, with
// the lines written before an error, is then Triangle30BoxText(), and the message
// Triangle30Error().
EMSCRIPTEN_KEEPALIVE int Triangle30Calculate(int givenIndex, const char* input, const char* text,
                                             const char* separator) {
    if (givenIndex < 0 || givenIndex >= triangle30::kGivenKindCount) {
        givenIndex = -1;
    }
    triangle30::StringResultBox box(triangle30::ToBoxLineEnds(text));
    errorText.clear();
    try {
        triangle30::Calculate(static_cast<std::int16_t>(givenIndex), input, box, separator);
    } catch (const triangle30::CalculationError& error) {
        errorText = error.what();
    }
    boxText = triangle30::ToLineFeeds(box.GetText());
    return errorText.empty() ? 0 : 1;
}

EMSCRIPTEN_KEEPALIVE const char* Triangle30BoxText() {
    return boxText.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* Triangle30Error() {
    return errorText.c_str();
}

// The report's separator for the one the browser's number format gives (ReportDecimalSeparator).
EMSCRIPTEN_KEEPALIVE const char* Triangle30Separator(const char* platform) {
    static std::string separator;
    separator = triangle30::ReportDecimalSeparator(platform);
    return separator.c_str();
}

}  // extern "C"
