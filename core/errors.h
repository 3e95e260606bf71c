// The two errors a calculation can end with. Their messages are written for the student.
#pragma once

#include <stdexcept>

namespace triangle30 {

// A number read from the input, or the result of one arithmetic step, lies beyond the double
// range. Raised instead of ever producing an infinite value.
class OverflowError : public std::overflow_error {
  public:
    OverflowError();
};

// A square root of a negative number was needed: the only case is a negative area.
class DomainError : public std::domain_error {
  public:
    DomainError();
};

}  // namespace triangle30
