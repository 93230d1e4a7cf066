// SPDX-License-Identifier: GPL-3.0-or-later
// Padmora's benchmark. On the X display in DISPLAY it starts a bare Qt
// Widgets window and Padmora, built alike, alternately N times each, and
// measures every start from exec until the program's main window is mapped,
// and the program's peak memory (resident set) over a short life. Then it runs
// padmora_bench_interactions, which times Padmora's interactions in-process.
//
//   padmora_bench [--runs N] [--scale F]
//
// N defaults to 15; F sets QT_SCALE_FACTOR for every program started. The
// programs run with a HOME, settings folder and runtime folder of their own,
// so a Padmora already running for the user neither blocks nor is touched.

#include "figures.h"

#include <xcb/xcb.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace padmora::bench;
using Clock = std::chrono::steady_clock;

namespace {

// How long a started program lives on after its window is mapped, so that it
// paints its first frame before its memory is read.
constexpr auto kLinger = std::chrono::milliseconds(400);
// A program whose window is not mapped within this time has failed.
constexpr auto kMapTimeout = std::chrono::seconds(20);

// Start-up targets: Padmora against the bare window.
constexpr double kMappedRatioTarget = 1.10;
constexpr double kMemoryRatioTarget = 1.25;

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// The X display, watched for top-level windows being mapped.
class Display {
public:
    Display()
    {
        int screenNumber = 0;
        m_c = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(m_c))
            throw std::runtime_error("cannot connect to the X display in DISPLAY");
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(m_c));
        for (int i = 0; i < screenNumber && it.rem; ++i)
            xcb_screen_next(&it);
        m_root = it.data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_c, m_root, XCB_CW_EVENT_MASK, &mask);
        const char name[] = "_NET_WM_PID";
        xcb_intern_atom_reply_t *atom =
            xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, 0, sizeof name - 1, name), nullptr);
        m_pidAtom = atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(atom);
        xcb_flush(m_c);
    }
    ~Display() { xcb_disconnect(m_c); }
    Display(const Display &) = delete;
    Display &operator=(const Display &) = delete;

    // Takes the events that came in, within the given time; the moment a
    // top-level window of the process was mapped, if one was.
    std::optional<Clock::time_point> waitForMap(pid_t pid, std::chrono::milliseconds within)
    {
        pollfd fd{xcb_get_file_descriptor(m_c), POLLIN, 0};
        if (poll(&fd, 1, int(within.count())) < 0 && errno != EINTR)
            throw std::runtime_error("cannot wait for the X display");
        std::optional<Clock::time_point> mapped;
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_c)) {
            const Clock::time_point now = Clock::now();
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && !mapped) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                if (!map->override_redirect && belongsTo(map->window, pid, 2))
                    mapped = now;
            }
            std::free(event);
        }
        if (xcb_connection_has_error(m_c))
            throw std::runtime_error("lost the X display");
        return mapped;
    }

private:
    // True when the window, or (under a window manager's frame) one of its
    // children, carries the process's _NET_WM_PID.
    bool belongsTo(xcb_window_t window, pid_t pid, int depth)
    {
        xcb_get_property_reply_t *property = xcb_get_property_reply(
            m_c, xcb_get_property(m_c, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        bool owned = false;
        if (property && property->format == 32 && xcb_get_property_value_length(property) == 4)
            owned = *static_cast<const uint32_t *>(xcb_get_property_value(property)) == uint32_t(pid);
        std::free(property);
        if (owned || depth <= 1)
            return owned;
        xcb_query_tree_reply_t *tree = xcb_query_tree_reply(m_c, xcb_query_tree(m_c, window), nullptr);
        if (!tree)
            return false;
        const xcb_window_t *children = xcb_query_tree_children(tree);
        for (int i = 0; i < xcb_query_tree_children_length(tree) && !owned; ++i)
            owned = belongsTo(children[i], pid, depth - 1);
        std::free(tree);
        return owned;
    }

    xcb_connection_t *m_c = nullptr;
    xcb_window_t m_root = 0;
    xcb_atom_t m_pidAtom = XCB_ATOM_NONE;
};

// Home, settings and runtime folders for the programs started, removed at the end.
// The runtime folder is on a memory file system, as a desktop session's is
// (/run/user/<uid>): the single-instance lock is written there at every start.
class Sandbox {
public:
    Sandbox()
    {
        m_root = makeFolder(std::filesystem::temp_directory_path());
        std::filesystem::create_directories(m_root / "config");
        std::error_code noShm;
        m_runtime = std::filesystem::is_directory("/dev/shm", noShm) ? makeFolder("/dev/shm") : m_root / "runtime";
        std::filesystem::create_directories(m_runtime);
        chmod(m_runtime.c_str(), 0700);
    }
    ~Sandbox()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_root, ignored);
        std::filesystem::remove_all(m_runtime, ignored);
    }
    Sandbox(const Sandbox &) = delete;
    Sandbox &operator=(const Sandbox &) = delete;

    void enter(const std::string &scale) const
    {
        setenv("HOME", m_root.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (m_root / "config").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", m_runtime.c_str(), 1);
        // The programs are measured on the X display, whatever the caller's platform.
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        if (!scale.empty())
            setenv("QT_SCALE_FACTOR", scale.c_str(), 1);
    }

private:
    static std::filesystem::path makeFolder(const std::filesystem::path &in)
    {
        std::string pattern = (in / "padmora-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder in " + in.string());
        return pattern;
    }

    std::filesystem::path m_root;
    std::filesystem::path m_runtime;
};

pid_t launch(const std::vector<std::string> &command)
{
    std::vector<char *> argv;
    for (const std::string &a : command)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("cannot fork");
    if (pid == 0) {
        execv(argv[0], argv.data());
        std::perror(argv[0]);
        _exit(127);
    }
    return pid;
}

struct Start {
    double mappedMs = 0;
    double cpuMs = 0;
    double peakKiB = 0;
};

// Processor time the process (all its threads) has had so far, in ms: unlike
// the wall clock, it does not grow while other programs hold the processors.
double processorMs(pid_t pid)
{
    double ns = 0;
    std::error_code error;
    for (const auto &task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        if (FILE *f = std::fopen((task.path() / "schedstat").c_str(), "r")) {
            unsigned long long onCpu = 0;
            if (std::fscanf(f, "%llu", &onCpu) == 1)
                ns += double(onCpu);
            std::fclose(f);
        }
    }
    return ns / 1e6;
}

// One start: exec, wait for the main window to be mapped, let it live a
// little, end it and read its peak memory.
Start measureStart(Display &display, const std::string &program)
{
    const Clock::time_point begin = Clock::now();
    const pid_t pid = launch({program});
    std::optional<Clock::time_point> mapped;
    double cpuMs = 0;
    int status = 0;
    rusage usage{};
    bool ended = false;
    while (!mapped && Clock::now() - begin < kMapTimeout) {
        mapped = display.waitForMap(pid, std::chrono::milliseconds(50));
        if (mapped)
            cpuMs = processorMs(pid);
        else if (wait4(pid, &status, WNOHANG, &usage) == pid) {
            ended = true;
            break;
        }
    }
    if (mapped) {
        const Clock::time_point until = *mapped + kLinger;
        while (Clock::now() < until)
            display.waitForMap(pid, std::chrono::milliseconds(std::max<long>(
                                        1, long(msBetween(Clock::now(), until)))));
    }
    if (!ended) {
        kill(pid, mapped ? SIGTERM : SIGKILL);
        wait4(pid, &status, 0, &usage);
    }
    if (!mapped)
        throw std::runtime_error(program + " did not map a window");
    return {msBetween(begin, *mapped), cpuMs, double(usage.ru_maxrss)};
}

int runInteractions(const std::string &program, int runs)
{
    const pid_t pid = launch({program, "--runs", std::to_string(runs)});
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

std::string loadAverage()
{
    double load[3] = {0, 0, 0};
    if (getloadavg(load, 3) != 3)
        return "unknown";
    char text[64];
    std::snprintf(text, sizeof text, "%.2f %.2f %.2f", load[0], load[1], load[2]);
    return text;
}

int usage()
{
    std::fprintf(stderr, "usage: padmora_bench [--runs N] [--scale F] [--starts-only]\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    int runs = 15;
    std::string scale;
    bool startsOnly = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
            if (runs < 1)
                return usage();
        } else if (arg == "--starts-only") {
            startsOnly = true;
        } else if (arg == "--scale" && i + 1 < argc) {
            scale = argv[++i];
            if (std::strtod(scale.c_str(), nullptr) <= 0)
                return usage();
        } else {
            return usage();
        }
    }

    try {
        Sandbox sandbox;
        sandbox.enter(scale);
        Display display;
        const char *shown = std::getenv("DISPLAY");
        note(std::string("Padmora benchmark, ") + PADMORA_BUILD_TYPE + " build, display " + (shown ? shown : "?")
             + ", scale " + (scale.empty() ? "1" : scale) + ", " + std::to_string(runs)
             + " starts of each program, alternately");
        note("load average at the start: " + loadAverage());

        // One start of each that is not counted: the files are read into the
        // cache, and Padmora stores its first reminder date.
        measureStart(display, PADMORA_BARE);
        measureStart(display, PADMORA_PROGRAM);

        std::vector<double> bareMapped, padmoraMapped, bareCpu, padmoraCpu, bareMemory, padmoraMemory;
        for (int i = 0; i < runs; ++i) {
            // Each goes first every other time.
            for (int k = 0; k < 2; ++k) {
                if ((i + k) % 2 == 0) {
                    const Start s = measureStart(display, PADMORA_BARE);
                    bareMapped.push_back(s.mappedMs);
                    bareCpu.push_back(s.cpuMs);
                    bareMemory.push_back(s.peakKiB);
                } else {
                    const Start s = measureStart(display, PADMORA_PROGRAM);
                    padmoraMapped.push_back(s.mappedMs);
                    padmoraCpu.push_back(s.cpuMs);
                    padmoraMemory.push_back(s.peakKiB);
                }
            }
        }
        figure("start.bare.mapped.median_ms", median(bareMapped));
        figure("start.padmora.mapped.median_ms", median(padmoraMapped));
        figure("start.mapped.padmora_to_bare_ratio", median(padmoraMapped) / median(bareMapped), kMappedRatioTarget);
        // The processor time until mapped: the same comparison, steadier on a busy machine.
        figure("start.bare.cpu_to_mapped.median_ms", median(bareCpu));
        figure("start.padmora.cpu_to_mapped.median_ms", median(padmoraCpu));
        figure("start.cpu_to_mapped.padmora_to_bare_ratio", median(padmoraCpu) / median(bareCpu));
        figure("start.bare.peak_rss.median_kib", median(bareMemory));
        figure("start.padmora.peak_rss.median_kib", median(padmoraMemory));
        figure("start.peak_rss.padmora_to_bare_ratio", median(padmoraMemory) / median(bareMemory),
               kMemoryRatioTarget);

        const int interactions = startsOnly ? 0 : runInteractions(PADMORA_INTERACTIONS, runs);
        note("load average at the end: " + loadAverage());
        return interactions;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "padmora_bench: %s\n", e.what());
        return 1;
    }
}
