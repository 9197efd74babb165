// Measures how long an X program takes to paint, from the outside, the way a person
// watching the screen would see it. It watches every drawing on the screen through a
// damage report on the root window (as a screen-sharing server does), starts the
// program, and takes "painted" as the last drawing before the screen stays quiet for
// the settle interval. It can then type keys into the program's window (XTest) and
// time the answer the same way, from the last key sequence to the last drawing.
//
//   x_paint_probe [--settle-ms N] [--timeout-ms N] [--untimed-keys SEQ] [--type-gap-ms N]
//                 [--keys SEQ] [--trace] -- COMMAND [ARG...]
//
// SEQ is a comma-separated list of key chords, e.g. "alt+f,c" or "a,Tab,5". Untimed
// keys (filling a form) go first, one chord every type gap (default 30 ms), then the
// screen settles. Between timed chords the probe waits for the screen to settle (a
// menu opened by the first chord is drawn before the next is typed); the answer is
// timed from the first event of the last chord. The settle interval (default 400 ms)
// must stay below a text cursor's blink (500 ms in Qt) or a focused field never lets
// the screen be quiet. Prints one line on stdout:
//   startup_ms=.. cpu_ms=.. click_ms=.. click_cpu_ms=.. rss_kb=.. pss_kb=..
// Times are CLOCK_MONOTONIC at the moment each event is read; CPU times come from
// /proc/PID/stat in clock ticks; memory from /proc/PID/smaps_rollup once the
// program is idle at the end. Exit status: 0 measured, 1 usage, 2 the program could
// not be started or died, 3 the screen did not settle in time.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Nanos = std::int64_t;
constexpr Nanos kNanosPerMs = 1'000'000;
// How often the probe looks whether the program has died while it waits.
constexpr Nanos kChildCheckNanos = 20 * kNanosPerMs;

Nanos Now() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return Nanos{ts.tv_sec} * 1'000'000'000 + ts.tv_nsec;
}

double Ms(Nanos nanos) {
    return static_cast<double>(nanos) / static_cast<double>(kNanosPerMs);
}

struct Chord {
    std::vector<KeySym> modifiers;
    KeySym key = NoSymbol;
};

struct Options {
    Nanos settle = 400 * kNanosPerMs;
    Nanos timeout = 30'000 * kNanosPerMs;
    Nanos typeGap = 30 * kNanosPerMs;
    std::vector<Chord> untimedKeys;
    std::vector<Chord> keys;
    bool trace = false;
    char** command = nullptr;
};

std::optional<KeySym> ModifierSym(const std::string& name) {
    if (name == "alt") {
        return XK_Alt_L;
    }
    if (name == "ctrl") {
        return XK_Control_L;
    }
    if (name == "shift") {
        return XK_Shift_L;
    }
    return std::nullopt;
}

// "alt+f,c" -> {Alt_L f}, {c}.
std::optional<std::vector<Chord>> ParseKeys(const std::string& text) {
    std::vector<Chord> chords;
    std::stringstream chordsIn(text);
    for (std::string chordText; std::getline(chordsIn, chordText, ',');) {
        Chord chord;
        std::stringstream partsIn(chordText);
        std::vector<std::string> parts;
        for (std::string part; std::getline(partsIn, part, '+');) {
            parts.push_back(part);
        }
        if (parts.empty()) {
            return std::nullopt;
        }
        for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
            const std::optional<KeySym> modifier = ModifierSym(parts[i]);
            if (!modifier) {
                return std::nullopt;
            }
            chord.modifiers.push_back(*modifier);
        }
        chord.key = XStringToKeysym(parts.back().c_str());
        if (chord.key == NoSymbol) {
            return std::nullopt;
        }
        chords.push_back(chord);
    }
    return chords;
}

std::optional<Options> ParseOptions(int argc, char* argv[]) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--") {
            if (i + 1 >= argc) {
                return std::nullopt;
            }
            options.command = argv + i + 1;
            return options;
        }
        if (arg == "--trace") {
            options.trace = true;
        } else if ((arg == "--settle-ms" || arg == "--timeout-ms" || arg == "--type-gap-ms") && hasValue) {
            const Nanos value = std::atoll(argv[++i]) * kNanosPerMs;
            if (value <= 0) {
                return std::nullopt;
            }
            (arg == "--settle-ms"    ? options.settle
             : arg == "--timeout-ms" ? options.timeout
                                     : options.typeGap) = value;
        } else if ((arg == "--keys" || arg == "--untimed-keys") && hasValue) {
            std::optional<std::vector<Chord>> chords = ParseKeys(argv[++i]);
            if (!chords) {
                return std::nullopt;
            }
            (arg == "--keys" ? options.keys : options.untimedKeys) = std::move(*chords);
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// utime + stime of the process, in milliseconds.
std::optional<double> CpuMs(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(in, line)) {
        return std::nullopt;
    }
    // The command name may hold spaces and parentheses: fields are counted after the last ')'.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    unsigned long long utime = 0;
    unsigned long long stime = 0;
    // Field 3 (state) comes first here; utime and stime are fields 14 and 15.
    for (int number = 3; number <= 15 && fields >> field; ++number) {
        if (number == 14) {
            utime = std::stoull(field);
        } else if (number == 15) {
            stime = std::stoull(field);
        }
    }
    return static_cast<double>(utime + stime) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

struct Memory {
    long rssKb = -1;
    long pssKb = -1;
};

Memory MemoryOf(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/smaps_rollup");
    Memory memory;
    for (std::string name; in >> name;) {
        long value = 0;
        if (name == "Rss:" && in >> value) {
            memory.rssKb = value;
        } else if (name == "Pss:" && in >> value) {
            memory.pssKb = value;
        }
    }
    return memory;
}

std::optional<pid_t> WindowPid(Display* display, Window window) {
    static const Atom wmPid = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::optional<pid_t> pid;
    if (XGetWindowProperty(display, window, wmPid, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
        data != nullptr && format == 32 && count == 1) {
        pid = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
    }
    if (data != nullptr) {
        XFree(data);
    }
    return pid;
}

// The program's largest mapped top-level window (there is no window manager, so
// top-levels are children of the root). Popups (override-redirect) are left out.
std::optional<Window> ProgramWindow(Display* display, pid_t pid) {
    Window rootReturn = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &rootReturn, &parent, &children, &count)) {
        return std::nullopt;
    }
    std::optional<Window> best;
    long bestArea = 0;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes{};
        if (!XGetWindowAttributes(display, children[i], &attributes) || attributes.map_state != IsViewable ||
            attributes.override_redirect || WindowPid(display, children[i]) != pid) {
            continue;
        }
        const long area = long{attributes.width} * attributes.height;
        if (area > bestArea) {
            best = children[i];
            bestArea = area;
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return best;
}

struct Watch {
    Display* display = nullptr;
    int damageEventBase = 0;
    pid_t child = 0;
    const Options* options = nullptr;
};

enum class Outcome { Settled, ChildDied, TimedOut };

struct Settle {
    Outcome outcome = Outcome::TimedOut;
    std::optional<Nanos> lastDamage;
};

// Reads damage until the screen has been quiet for the settle interval after at
// least one drawing; with needWindow, also until the program has a mapped window.
Settle WaitForQuiet(const Watch& watch, Nanos since, bool needWindow) {
    const Nanos deadline = since + watch.options->timeout;
    const int fd = ConnectionNumber(watch.display);
    Settle result;
    for (;;) {
        while (XPending(watch.display) > 0) {
            XEvent event;
            XNextEvent(watch.display, &event);
            if (event.type == watch.damageEventBase + XDamageNotify) {
                const Nanos at = Now();
                result.lastDamage = at;
                if (watch.options->trace) {
                    const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
                    std::fprintf(stderr, "damage %+10.3f ms  %dx%d+%d+%d\n", Ms(at - since),
                                 damage.area.width, damage.area.height, damage.area.x, damage.area.y);
                }
            }
        }
        const Nanos now = Now();
        if (result.lastDamage && now - *result.lastDamage >= watch.options->settle &&
            (!needWindow || ProgramWindow(watch.display, watch.child))) {
            result.outcome = Outcome::Settled;
            return result;
        }
        if (now >= deadline) {
            return result;
        }
        int status = 0;
        if (waitpid(watch.child, &status, WNOHANG) == watch.child) {
            result.outcome = Outcome::ChildDied;
            return result;
        }
        Nanos wait = kChildCheckNanos;
        if (result.lastDamage) {
            wait = std::min(wait, *result.lastDamage + watch.options->settle - now);
        }
        wait = std::max<Nanos>(std::min(wait, deadline - now), 0);
        const timespec timeout{static_cast<time_t>(wait / 1'000'000'000),
                               static_cast<long>(wait % 1'000'000'000)};
        pollfd readable{fd, POLLIN, 0};
        ppoll(&readable, 1, &timeout, nullptr);
    }
}

void SendChord(Display* display, const Chord& chord) {
    std::vector<KeyCode> modifiers;
    for (const KeySym modifier : chord.modifiers) {
        modifiers.push_back(XKeysymToKeycode(display, modifier));
        XTestFakeKeyEvent(display, modifiers.back(), True, CurrentTime);
    }
    const KeyCode key = XKeysymToKeycode(display, chord.key);
    XTestFakeKeyEvent(display, key, True, CurrentTime);
    XTestFakeKeyEvent(display, key, False, CurrentTime);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) {
        XTestFakeKeyEvent(display, *it, False, CurrentTime);
    }
    XFlush(display);
}

// Gives the program's window the keyboard focus (there is no window manager to do
// it) and lets the screen settle, as the window repaints when it becomes active.
std::optional<Settle> Focus(const Watch& watch) {
    const std::optional<Window> window = ProgramWindow(watch.display, watch.child);
    if (!window) {
        return std::nullopt;
    }
    XSetInputFocus(watch.display, *window, RevertToPointerRoot, CurrentTime);
    XSync(watch.display, False);
    return WaitForQuiet(watch, Now(), false);
}

// Types input that is not timed, a chord every `gap`, then lets the screen settle.
std::optional<Settle> Type(const Watch& watch, const std::vector<Chord>& chords, Nanos gap) {
    std::optional<Settle> settle = Focus(watch);
    if (!settle || settle->outcome != Outcome::Settled) {
        return settle;
    }
    for (const Chord& chord : chords) {
        SendChord(watch.display, chord);
        usleep(static_cast<useconds_t>(gap / 1000));
    }
    return WaitForQuiet(watch, Now(), false);
}

// Types the timed chords, letting the screen settle after each (a menu opened by one
// is drawn before the next comes). The answer is timed from the last chord's first event.
std::optional<Settle> TypeTimed(const Watch& watch, const std::vector<Chord>& chords, Nanos& lastChordAt) {
    std::optional<Settle> settle = Focus(watch);
    if (!settle || settle->outcome != Outcome::Settled) {
        return settle;
    }
    for (const Chord& chord : chords) {
        lastChordAt = Now();
        SendChord(watch.display, chord);
        settle = WaitForQuiet(watch, lastChordAt, false);
        if (settle->outcome != Outcome::Settled) {
            return settle;
        }
    }
    return settle;
}

void EndChild(pid_t child) {
    kill(child, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(child, nullptr, WNOHANG) == child) {
            return;
        }
        usleep(20'000);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

// Starts the command with stdout sent to stderr, so that the result line stays alone
// on stdout. The moment just before exec is written by the child into `startedAt`.
std::optional<pid_t> Start(char** command, volatile Nanos* startedAt) {
    int failure[2];
    if (pipe2(failure, O_CLOEXEC) != 0) {
        return std::nullopt;
    }
    const pid_t child = fork();
    if (child < 0) {
        return std::nullopt;
    }
    if (child == 0) {
        close(failure[0]);
        dup2(STDERR_FILENO, STDOUT_FILENO);
        *startedAt = Now();
        execvp(command[0], command);
        const int error = errno;
        [[maybe_unused]] const ssize_t written = write(failure[1], &error, sizeof error);
        _exit(127);
    }
    close(failure[1]);
    int error = 0;
    const bool execFailed = read(failure[0], &error, sizeof error) == static_cast<ssize_t>(sizeof error);
    close(failure[0]);
    if (execFailed) {
        std::fprintf(stderr, "x_paint_probe: cannot run %s: %s\n", command[0], std::strerror(error));
        waitpid(child, nullptr, 0);
        return std::nullopt;
    }
    return child;
}

int Fail(pid_t child, Outcome outcome, const char* phase) {
    std::fprintf(stderr, "x_paint_probe: %s: %s\n", phase,
                 outcome == Outcome::ChildDied ? "the program ended" : "the screen did not settle in time");
    if (outcome != Outcome::ChildDied) {
        EndChild(child);
    }
    return outcome == Outcome::ChildDied ? 2 : 3;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::optional<Options> options = ParseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: x_paint_probe [--settle-ms N] [--timeout-ms N] [--untimed-keys SEQ] "
                             "[--type-gap-ms N] [--keys SEQ] [--trace] -- COMMAND [ARG...]\n"
                             "  SEQ: chords separated by commas, e.g. alt+f,c\n");
        return 1;
    }
    Display* display = XOpenDisplay(nullptr);
    int damageEventBase = 0;
    int damageErrorBase = 0;
    int xtest[4] = {};
    if (display == nullptr || !XDamageQueryExtension(display, &damageEventBase, &damageErrorBase) ||
        !XTestQueryExtension(display, &xtest[0], &xtest[1], &xtest[2], &xtest[3])) {
        std::fprintf(stderr, "x_paint_probe: needs an X display with the DAMAGE and XTEST extensions\n");
        return 2;
    }
    XDamageCreate(display, DefaultRootWindow(display), XDamageReportRawRectangles);
    // A new damage report starts with the whole screen as drawn: that is not the program's.
    XSync(display, True);

    auto* startedAt = static_cast<volatile Nanos*>(
        mmap(nullptr, sizeof(Nanos), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    const std::optional<pid_t> child =
        startedAt == MAP_FAILED ? std::nullopt : Start(options->command, startedAt);
    if (!child) {
        return 2;
    }
    const Watch watch{display, damageEventBase, *child, &*options};
    const Nanos t0 = *startedAt;

    const Settle startup = WaitForQuiet(watch, t0, true);
    if (startup.outcome != Outcome::Settled) {
        return Fail(*child, startup.outcome, "start-up");
    }
    const std::optional<double> startupCpu = CpuMs(*child);
    std::printf("startup_ms=%.3f cpu_ms=%.0f", Ms(*startup.lastDamage - t0), startupCpu.value_or(-1));

    if (!options->untimedKeys.empty()) {
        const std::optional<Settle> untimed = Type(watch, options->untimedKeys, options->typeGap);
        if (!untimed || untimed->outcome != Outcome::Settled) {
            std::printf("\n");
            return Fail(*child, untimed ? untimed->outcome : Outcome::TimedOut, "untimed keys");
        }
    }
    if (!options->keys.empty()) {
        const std::optional<double> cpuBefore = CpuMs(*child);
        Nanos lastChordAt = 0;
        const std::optional<Settle> answer = TypeTimed(watch, options->keys, lastChordAt);
        if (!answer || answer->outcome != Outcome::Settled) {
            std::printf("\n");
            return Fail(*child, answer ? answer->outcome : Outcome::TimedOut, "keys");
        }
        const std::optional<double> cpuAfter = CpuMs(*child);
        std::printf(" click_ms=%.3f click_cpu_ms=%.0f", Ms(*answer->lastDamage - lastChordAt),
                    cpuBefore && cpuAfter ? *cpuAfter - *cpuBefore : -1.0);
    }
    const Memory memory = MemoryOf(*child);
    std::printf(" rss_kb=%ld pss_kb=%ld\n", memory.rssKb, memory.pssKb);
    std::fflush(stdout);
    EndChild(*child);
    XCloseDisplay(display);
    return 0;
}
