// The two errors a calculation can end with. Their messages are written for the student.
#pragma once

#include <stdexcept>

namespace triangle30 {

// Either error of a calculation; what() is the message for the student.
class CalculationError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A number read from the input, or the result of one arithmetic step, lies beyond the double
// range. Raised instead of ever producing an infinite value.
class OverflowError : public CalculationError {
  public:
    OverflowError();
};

// A square root of a negative number was needed: the only case is a negative area.
class DomainError : public CalculationError {
  public:
    DomainError();
};

}  // namespace triangle30
