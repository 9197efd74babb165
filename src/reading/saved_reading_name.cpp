#include "reading/saved_reading_name.h"

namespace velmora {
namespace {

template <typename Char> bool PassesNameTest(std::basic_string_view<Char> fileName) {
    const std::size_t length = kSavedReadingSuffix.size();
    if (fileName.size() < length) {
        return true;
    }
    const auto ending = fileName.substr(fileName.size() - length);
    for (std::size_t i = 0; i < length; ++i) {
        if (ending[i] != static_cast<Char>(kSavedReadingSuffix[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

bool PassesSavedReadingNameTest(std::string_view fileName) {
    return PassesNameTest(fileName);
}

bool PassesSavedReadingNameTest(std::u16string_view fileName) {
    return PassesNameTest(fileName);
}

bool IsSavedReadingFileName(std::string_view fileName) {
    return fileName.size() > kSavedReadingSuffix.size() && fileName.ends_with(kSavedReadingSuffix) &&
           fileName[fileName.size() - kSavedReadingSuffix.size() - 1] == '.';
}

} // namespace velmora
