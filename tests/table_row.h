// A named row of a table test: the name shows in test output and CTest instead of raw bytes.
#pragma once

#include <gtest/gtest.h>

#include <concepts>
#include <ostream>
#include <string>

#include "named_row.h"

namespace triangle30::test {

// A template, so that it matches each row struct itself and not only through a conversion to
// its base, which GoogleTest's own printer of raw bytes would win over.
template <std::derived_from<NamedRow> Row>
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

// The parameter generator's name for a row: INSTANTIATE_TEST_SUITE_P(..., RowName()).
struct RowName {
    template <typename Row>
    std::string operator()(const testing::TestParamInfo<Row>& info) const {
        return info.param.name;
    }
};

}  // namespace triangle30::test
