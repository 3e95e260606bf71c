// A table row's name, which the test output shows instead of the row's raw bytes (table_row.h).
#pragma once

namespace triangle30::test {

struct NamedRow {
    const char* name;
};

}  // namespace triangle30::test
