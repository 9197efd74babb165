#include "cli/language_option.h"

#include <CLI/CLI.hpp>

namespace velmora {

void AddLanguageOption(CLI::App* command, std::string& languageCode) {
    command
        ->add_option("--lang", languageCode,
                     "Language of the names, days, paragraphs and labels: en (default) or ta (Tamil); "
                     "JSON keys, CSV headers and saved files stay English")
        ->check(CLI::IsMember({"en", "ta"}));
}

Language LanguageOf(const std::string& code) {
    return LanguageFromCode(code).value_or(Language::English);
}

} // namespace velmora
