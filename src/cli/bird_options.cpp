#include "cli/bird_options.h"

#include <optional>

#include <CLI/CLI.hpp>

#include "cli/exit_status.h"
#include "cli/message_quoting.h"
#include "cli/saved_reading_file.h"
#include "texts/look_ups.h"
#include "texts/names.h"

namespace velmora {

void AddBirdOptions(CLI::App* command, BirdOptions& options) {
    CLI::Option* star = command->add_option("--star", options.star, "Birth star, e.g. Pushya");
    CLI::Option* paksha = command->add_option(
        "--paksha", options.paksha, "Fortnight of the birth: \"Shukla Paksha\" or \"Krishna Paksha\"");
    CLI::Option* bird =
        command->add_option("--bird", options.bird, "The bird itself: Vulture, Owl, Crow, Cock or Peacock");
    CLI::Option* reading =
        command->add_option("--reading", options.readingPath, "A saved reading, whose bird it is")
            ->type_name("FILE.tam");
    star->needs(paksha)->excludes(bird)->excludes(reading);
    paksha->needs(star);
    bird->excludes(reading);
}

std::variant<Bird, OptionRefusal> ResolveBird(const BirdOptions& options) {
    if (!options.readingPath.empty()) {
        const auto bird = SavedReadingBird(options.readingPath);
        if (const auto* message = std::get_if<std::string>(&bird)) {
            return OptionRefusal{"--reading: " + *message, kExitRefused};
        }
        return std::get<Bird>(bird);
    }
    if (!options.bird.empty()) {
        if (const std::optional<Bird> bird = FindBird(options.bird)) {
            return *bird;
        }
        return OptionRefusal{"--bird: expected Vulture, Owl, Crow, Cock or Peacock, got " +
                                 QuoteForMessage(options.bird),
                             kExitRefused};
    }
    if (options.star.empty() && options.paksha.empty()) {
        return OptionRefusal{"the bird is needed: --bird, --star with --paksha, or --reading", kExitUsage};
    }
    if (options.paksha != kShuklaPaksha && options.paksha != kKrishnaPaksha) {
        return OptionRefusal{"--paksha: expected \"Shukla Paksha\" or \"Krishna Paksha\", got " +
                                 QuoteForMessage(options.paksha),
                             kExitRefused};
    }
    const std::optional<Star> star = FindStar(options.star);
    if (!star) {
        return OptionRefusal{"--star: no star is called " + QuoteForMessage(options.star), kExitRefused};
    }
    return LookUpRulingBird(*star, FortnightFromName(options.paksha)).bird;
}

std::variant<Bird, std::string> SavedReadingBird(const std::string& path) {
    const auto opened = OpenSavedReading(path);
    if (const auto* message = std::get_if<std::string>(&opened)) {
        return *message;
    }
    const ReadingResults& results = std::get<ReadingResults>(opened);
    if (!results.bird) {
        return path + " names no star, so no bird";
    }
    return results.bird->bird;
}

} // namespace velmora
