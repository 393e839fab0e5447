// Times programs from their start to the first frame of their first window,
// and reads their peak memory.
//
//   first_frame [--runs N] OURS FLOOR
//
// Both run in turn, OURS then FLOOR, N times (after one warm-up start each),
// on the X display of $DISPLAY. The frame is seen from outside, the same way
// for both: the X server's damage reports say when the first pixels land in
// the window after it is mapped, so nothing in either program is changed to
// be measured. Each program is ended a moment after its frame, and its peak
// resident memory is read from the kernel as it exits.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const double kTimeGoal = 1.2;
const double kMemoryGoal = 1.3;
const double kTimeoutMs = 20000;
// Left running this long after its frame, so that peak memory counts what a
// program settles to, not just what it had at the frame.
const double kSettleMs = 300;

double nowMs()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    bool meets(const xcb_rectangle_t &r) const
    {
        return r.x < x + width && x < r.x + r.width && r.y < y + height && y < r.y + r.height;
    }
};

struct Sample {
    double mappedMs = 0, drawnMs = 0, cpuMs = 0;
    long peakKiB = 0;
};

class Display {
public:
    Display()
    {
        int screenNumber = 0;
        c_ = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(c_))
            throw std::runtime_error("cannot open the X display");
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c_));
        for (int i = 0; i < screenNumber; ++i)
            xcb_screen_next(&it);
        root_ = it.data->root;

        const xcb_query_extension_reply_t *ext = xcb_get_extension_data(c_, &xcb_damage_id);
        if (!ext || !ext->present)
            throw std::runtime_error("the X server has no DAMAGE extension");
        damageNotify_ = ext->first_event + XCB_DAMAGE_NOTIFY;
        std::free(xcb_damage_query_version_reply(c_, xcb_damage_query_version(c_, 1, 1), nullptr));

        // Damage on the root reports drawing in every window on the screen.
        xcb_damage_create(c_, xcb_generate_id(c_), root_, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c_, root_, XCB_CW_EVENT_MASK, &mask);
        sync();
    }
    ~Display() { xcb_disconnect(c_); }
    Display(const Display &) = delete;
    Display &operator=(const Display &) = delete;

    Sample run(const std::string &program)
    {
        sync();
        drain();
        Sample sample;
        const double start = nowMs();
        const pid_t pid = fork();
        if (pid < 0)
            throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
        if (pid == 0) {
            execl(program.c_str(), program.c_str(), static_cast<char *>(nullptr));
            std::perror(program.c_str());
            _exit(127);
        }

        std::map<xcb_window_t, Rect> windows;
        xcb_window_t mapped = XCB_NONE;
        while (sample.drawnMs == 0) {
            xcb_generic_event_t *event = nextEvent(pid, start);
            if (!event)
                continue;
            const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owner(event, &std::free);
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                auto *e = reinterpret_cast<xcb_create_notify_event_t *>(event);
                if (e->parent == root_)
                    windows[e->window] = Rect{e->x, e->y, e->width, e->height};
            } else if (type == XCB_CONFIGURE_NOTIFY) {
                auto *e = reinterpret_cast<xcb_configure_notify_event_t *>(event);
                if (e->event == root_)
                    windows[e->window] = Rect{e->x, e->y, e->width, e->height};
            } else if (type == XCB_MAP_NOTIFY) {
                auto *e = reinterpret_cast<xcb_map_notify_event_t *>(event);
                if (e->event == root_ && mapped == XCB_NONE && windows.count(e->window)) {
                    mapped = e->window;
                    sample.mappedMs = nowMs() - start;
                }
            } else if (type == damageNotify_ && mapped != XCB_NONE) {
                auto *e = reinterpret_cast<xcb_damage_notify_event_t *>(event);
                if (windows[mapped].meets(e->area))
                    sample.drawnMs = nowMs() - start;
            }
        }

        const double settleUntil = nowMs() + kSettleMs;
        while (nowMs() < settleUntil) {
            ::usleep(10000);
            drain();
            checkAlive(pid);
        }
        kill(pid, SIGTERM);
        int status = 0;
        rusage usage{};
        if (wait4(pid, &status, 0, &usage) != pid)
            throw std::runtime_error("lost " + program);
        sample.peakKiB = usage.ru_maxrss;
        sample.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
            + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
        return sample;
    }

private:
    void sync() { std::free(xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr)); }

    void drain()
    {
        while (xcb_generic_event_t *event = xcb_poll_for_event(c_))
            std::free(event);
    }

    static void checkAlive(pid_t pid)
    {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            throw std::runtime_error("the program ended before it was measured");
    }

    xcb_generic_event_t *nextEvent(pid_t pid, double start)
    {
        if (xcb_generic_event_t *event = xcb_poll_for_event(c_))
            return event;
        if (xcb_connection_has_error(c_))
            throw std::runtime_error("the X connection broke");
        checkAlive(pid);
        if (nowMs() - start > kTimeoutMs) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            throw std::runtime_error("no frame within the time limit");
        }
        pollfd fd{xcb_get_file_descriptor(c_), POLLIN, 0};
        ::poll(&fd, 1, 20);
        return xcb_poll_for_event(c_);
    }

    xcb_connection_t *c_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
    uint8_t damageNotify_ = 0;
};

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Figures {
    double mappedMs, drawnMs, cpuMs, peakMiB;
};

Figures summarise(const std::vector<Sample> &samples)
{
    std::vector<double> mapped, drawn, cpu, peak;
    for (const Sample &s : samples) {
        mapped.push_back(s.mappedMs);
        drawn.push_back(s.drawnMs);
        cpu.push_back(s.cpuMs);
        peak.push_back(s.peakKiB / 1024.0);
    }
    return {median(mapped), median(drawn), median(cpu), median(peak)};
}

std::string baseName(const std::string &path)
{
    return path.substr(path.find_last_of('/') + 1);
}

} // namespace

int main(int argc, char **argv)
{
    int runs = 21;
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else
            programs.push_back(argv[i]);
    }
    if (programs.size() != 2) {
        std::fprintf(stderr, "usage: %s [--runs N] OURS FLOOR\n", argv[0]);
        return 2;
    }

    try {
        Display display;
        for (const std::string &program : programs)
            display.run(program); // warm-up: caches filled, not counted
        std::vector<Sample> ours, floor;
        for (int i = 0; i < runs; ++i) {
            ours.push_back(display.run(programs[0]));
            floor.push_back(display.run(programs[1]));
        }
        const Figures a = summarise(ours), b = summarise(floor);
        std::printf("Start-up, median of %d alternating starts:\n", runs);
        for (const auto &[name, f] : {std::make_pair(programs[0], a), std::make_pair(programs[1], b)})
            std::printf("  %-12s mapped %6.1f ms, first frame %6.1f ms (processor %6.1f ms),"
                        " peak memory %5.1f MiB\n",
                        baseName(name).c_str(), f.mappedMs, f.drawnMs, f.cpuMs, f.peakMiB);
        std::printf("start-up ratio      %.2f  (goal <= %.1f)\n", a.drawnMs / b.drawnMs, kTimeGoal);
        std::printf("peak memory ratio   %.2f  (goal <= %.1f)\n", a.peakMiB / b.peakMiB, kMemoryGoal);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "first_frame: %s\n", e.what());
        return 1;
    }
    return 0;
}
