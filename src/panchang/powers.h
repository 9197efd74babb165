#pragma once

namespace velmora {

// T^2 and T^3 of the panchang's polynomials.
constexpr double Squared(double x) {
    return x * x;
}
constexpr double Cubed(double x) {
    return x * x * x;
}

} // namespace velmora
