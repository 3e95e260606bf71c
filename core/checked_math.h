// Double arithmetic that raises OverflowError or DomainError instead of producing inf or NaN.
#pragma once

#include <cmath>

#include "errors.h"

namespace triangle30 {

// Returns `x` when it is finite; an infinity is an overflow, a NaN a domain error.
inline double Checked(double x) {
    if (std::isnan(x)) {
        throw DomainError();
    }
    if (std::isinf(x)) {
        throw OverflowError();
    }
    return x;
}

inline double Add(double a, double b) {
    return Checked(a + b);
}
inline double Mul(double a, double b) {
    return Checked(a * b);
}
inline double Div(double a, double b) {
    return Checked(a / b);
}

inline double Sqrt(double x) {
    if (x < 0) {
        throw DomainError();
    }
    return Checked(std::sqrt(x));
}

}  // namespace triangle30
