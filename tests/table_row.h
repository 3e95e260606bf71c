// A named row of a table test: the name shows in test output and CTest instead of raw bytes.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace triangle30::test {

struct NamedRow {
    const char* name;
};

inline void PrintTo(const NamedRow& row, std::ostream* os) {
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
