#include "libical_lock/libical_lock.h"

namespace velmora {

std::mutex& LibicalMutex() {
    static std::mutex mutex;
    return mutex;
}

} // namespace velmora
