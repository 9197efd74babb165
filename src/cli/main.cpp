// velmora-cli: birth readings from the command line, computed by the same calls as the window.
#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

#include "cli/command_line.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const velmora::Console console{
        .in = std::cin,
        .out = std::cout,
        .err = std::cerr,
        .outIsTerminal = ::isatty(STDOUT_FILENO) == 1,
        .errIsTerminal = ::isatty(STDERR_FILENO) == 1,
    };
    return velmora::RunCommandLine(std::vector<std::string>(argv + 1, argv + argc), console);
}
