// velmora-cli's command line as anyone might type it: words of any bytes, NUL between them.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/command_line.h"

namespace {

// Long enough for any message the command line writes, with every byte escaped.
constexpr std::size_t kMostLineBytes = 2048;

// What reaches a terminal holds no control character but line ends, and no endless line.
bool FitForATerminal(std::string_view text) {
    std::size_t lineBytes = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\n') {
            lineBytes = 0;
            continue;
        }
        if (byte < 0x20 || byte == 0x7F || ++lineBytes > kMostLineBytes) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\0');
        words.emplace_back(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }

    // Only parsed: a command that ran could save files anywhere.
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const velmora::Console console{.in = in, .out = out, .err = err};
    const auto parsed = velmora::ParseCommandLine(words, console);
    if (const int* status = std::get_if<int>(&parsed)) {
        const bool settled = (*status == 0 && err.str().empty()) || (*status == 2 && !err.str().empty());
        if (!settled || !FitForATerminal(err.str())) {
            __builtin_trap();
        }
    } else if (!out.str().empty() || !err.str().empty() || !std::get<std::function<int()>>(parsed)) {
        __builtin_trap();
    }
    return 0;
}
