#pragma once

#include <string>

#include "texts/language_texts.h"

namespace CLI {
class App;
}

namespace velmora {

// --lang en|ta on `command`, checked by CLI11; the code lands in `languageCode`.
void AddLanguageOption(CLI::App* command, std::string& languageCode);

// The language of a code --lang accepted.
Language LanguageOf(const std::string& code);

} // namespace velmora
