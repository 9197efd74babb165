#pragma once

#include <cmath>

namespace velmora {

// T^2 and T^3 of the panchang's polynomials, evaluated as powers (a product
// of two and a correctly rounded cube), not as chains of multiplications.
inline double Squared(double x) {
    return x * x;
}
inline double Cubed(double x) {
    return std::pow(x, 3.0);
}

} // namespace velmora
