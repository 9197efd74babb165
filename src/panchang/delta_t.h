#pragma once

namespace velmora {

// Delta T (dynamical minus universal time) in hours at a Julian date in universal time.
double DeltaTHours(double julianDateUT);

} // namespace velmora
