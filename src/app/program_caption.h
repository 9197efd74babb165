#pragma once

namespace velmora {

// The caption of the program's windows.
inline constexpr char kProgramCaption[] = "Velmora v1.90";

} // namespace velmora
