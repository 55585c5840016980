#include "bench/measure/window_watch.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>

#include <stdexcept>

namespace kelvoria::bench {

namespace {
// Windows vanish while we look at them (the splash, openbox's own); that is
// expected and not an error.
int IgnoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

// Top level, openbox frame, its inner window, the client.
constexpr int kMaxDepth = 4;
}  // namespace

struct WindowWatch::Handles {
    Display* display;
    Window root;
    Atom pid, net_name, utf8;
};

WindowWatch::WindowWatch() : x_(new Handles{}) {
    x_->display = XOpenDisplay(nullptr);
    if (!x_->display) {
        delete x_;
        throw std::runtime_error("cannot open the X display (is DISPLAY set?)");
    }
    XSetErrorHandler(IgnoreXErrors);
    x_->root = DefaultRootWindow(x_->display);
    x_->pid = XInternAtom(x_->display, "_NET_WM_PID", False);
    x_->net_name = XInternAtom(x_->display, "_NET_WM_NAME", False);
    x_->utf8 = XInternAtom(x_->display, "UTF8_STRING", False);
    // Frames and override-redirect windows are the root's children; clients
    // start there too before the window manager takes them in.
    XSelectInput(x_->display, x_->root, SubstructureNotifyMask);
    XSync(x_->display, False);
}

WindowWatch::~WindowWatch() {
    XCloseDisplay(x_->display);
    delete x_;
}

std::string WindowWatch::Property(unsigned long window, unsigned long atom) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string value;
    if (XGetWindowProperty(x_->display, window, atom, 0, 1024, False, AnyPropertyType, &type,
                           &format, &count, &after, &data) == Success &&
        data) {
        if (format == 8) {
            value.assign(reinterpret_cast<char*>(data), count);
        } else if (format == 32 && count > 0) {
            value = std::to_string(*reinterpret_cast<unsigned long*>(data));
        }
        XFree(data);
    }
    return value;
}

bool WindowWatch::Matches(unsigned long window, pid_t pid, const std::string& title) {
    if (Property(window, x_->pid) != std::to_string(pid)) {
        return false;
    }
    XWindowAttributes a{};
    if (!XGetWindowAttributes(x_->display, window, &a) || a.map_state != IsViewable) {
        return false;
    }
    if (title.empty()) {
        return true;
    }
    const std::string net = Property(window, x_->net_name);
    return (net.empty() ? Property(window, XA_WM_NAME) : net) == title;
}

std::optional<unsigned long> WindowWatch::Search(unsigned long top, pid_t pid,
                                                 const std::string& title, int depth) {
    if (top != x_->root) {
        XWindowAttributes a{};
        if (!XGetWindowAttributes(x_->display, top, &a) || a.map_state != IsViewable) {
            return std::nullopt;
        }
        if (Matches(top, pid, title)) {
            return top;
        }
    }
    if (depth >= kMaxDepth) {
        return std::nullopt;
    }
    Window root_return, parent, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(x_->display, top, &root_return, &parent, &children, &count)) {
        return std::nullopt;
    }
    std::optional<unsigned long> found;
    for (unsigned int i = count; i-- > 0 && !found;) {  // topmost first
        found = Search(children[i], pid, title, depth + 1);
    }
    if (children) {
        XFree(children);
    }
    return found;
}

std::optional<WindowWatch::Seen> WindowWatch::WaitFor(pid_t pid, const std::string& title,
                                                      Clock::time_point deadline) {
    Display* d = x_->display;
    auto next_sweep = Clock::now();
    for (;;) {
        const auto woke = Clock::now();
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == CreateNotify && e.xcreatewindow.parent == x_->root) {
                // A client's own map reaches us even after it is reparented.
                XSelectInput(d, e.xcreatewindow.window, StructureNotifyMask);
            } else if (e.type == MapNotify) {
                if (auto w = Search(e.xmap.window, pid, title, 1)) {
                    return Seen{*w, woke};
                }
            }
        }
        if (woke >= next_sweep) {
            // Should a map slip past the events, a sweep still finds it, late.
            if (auto w = Search(x_->root, pid, title, 0)) {
                ++sweep_catches_;
                return Seen{*w, woke};
            }
            next_sweep = woke + kSweep;
        }
        if (woke >= deadline) {
            return std::nullopt;
        }
        const auto until = std::min(deadline, next_sweep);
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now());
        pollfd fd{ConnectionNumber(d), POLLIN, 0};
        poll(&fd, 1, int(std::max<long long>(0, wait.count())));
    }
}

}  // namespace kelvoria::bench
