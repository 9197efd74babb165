#pragma once

#include <string>
#include <variant>

#include "cli/option_refusal.h"
#include "model/ids.h"

namespace CLI {
class App;
}

namespace velmora {

// Whose day a command shows, as typed: the bird itself, a birth star with its
// fortnight, or a saved reading. One of the three.
struct BirdOptions {
    std::string bird;
    std::string star;
    std::string paksha; // "Shukla Paksha" or "Krishna Paksha", the fortnight of the birth
    std::string readingPath;
};

// --bird, --star with --paksha, and --reading on `command`, each excluding the others.
void AddBirdOptions(CLI::App* command, BirdOptions& options);

// The bird the options name, or why there is none: a usage error when none of
// the three is given, a refusal for a name no bird or star has or a reading
// that cannot be read.
std::variant<Bird, OptionRefusal> ResolveBird(const BirdOptions& options);

// The bird of the saved reading at `path`, or why it has none, without an option's name.
std::variant<Bird, std::string> SavedReadingBird(const std::string& path);

} // namespace velmora
