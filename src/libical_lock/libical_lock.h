#pragma once

#include <mutex>

namespace velmora {

// libical locks its zones' tables of changes itself, but not all the state the process shares (the
// year it works rules out to is set on first use, its built-in zones are loaded on demand): every
// call into it, from the places layer and from the calendar writer alike, holds this lock.
std::mutex& LibicalMutex();

} // namespace velmora
