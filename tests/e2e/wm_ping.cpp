// Asks whether a window's program is taking events: sends it the window
// manager's ping (_NET_WM_PING) and waits for the answer on the root window.
// Qt answers from the thread that dispatches window events, so an answer means
// the panel reached its event loop or one of its yields.
//
//   kelvoria-wm-ping WINDOW TIMEOUT_MS
//
// Prints the time to the answer in milliseconds. Status 0: answered; 1: no
// answer in time; 2: bad arguments, no display, or a window that does not
// take part in pings.

#include <poll.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

bool TakesPings(xcb_connection_t* c, xcb_window_t window, xcb_atom_t protocols, xcb_atom_t ping) {
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, protocols, XCB_ATOM_ATOM, 0, 32), nullptr));
    if (!reply || reply->format != 32) {
        return false;
    }
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    for (int i = 0; i < count; ++i) {
        if (atoms[i] == ping) {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: kelvoria-wm-ping WINDOW TIMEOUT_MS\n");
        return 2;
    }
    const auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
    const long timeout_ms = std::strtol(argv[2], nullptr, 10);
    int screen_number = 0;
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(nullptr, &screen_number), &xcb_disconnect);
    xcb_connection_t* c = connection.get();
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "kelvoria-wm-ping: no display\n");
        return 2;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screen_number; ++i) {
        xcb_screen_next(&screens);
    }
    const xcb_window_t root = screens.data->root;
    const xcb_atom_t protocols = Atom(c, "WM_PROTOCOLS");
    const xcb_atom_t ping = Atom(c, "_NET_WM_PING");
    if (!TakesPings(c, window, protocols, ping)) {
        std::fprintf(stderr, "kelvoria-wm-ping: window 0x%x does not take pings\n", window);
        return 2;
    }

    // The answer goes to the root window, to whoever listens to its children.
    const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);

    const auto stamp = static_cast<std::uint32_t>(getpid()) ^
                       static_cast<std::uint32_t>(Clock::now().time_since_epoch().count());
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = window;
    request.type = protocols;
    request.data.data32[0] = ping;
    request.data.data32[1] = stamp;
    request.data.data32[2] = window;
    const auto sent = Clock::now();
    xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&request));
    xcb_flush(c);

    const auto deadline = sent + std::chrono::milliseconds(timeout_ms);
    for (;;) {
        while (Reply<xcb_generic_event_t> event{xcb_poll_for_event(c)}) {
            if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) {
                continue;
            }
            const auto* answer = reinterpret_cast<const xcb_client_message_event_t*>(event.get());
            if (answer->type == protocols && answer->data.data32[0] == ping &&
                answer->data.data32[1] == stamp && answer->data.data32[2] == window) {
                const auto took =
                    std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - sent);
                std::printf("%lld\n", static_cast<long long>(took.count()));
                return 0;
            }
        }
        if (xcb_connection_has_error(c)) {
            std::fprintf(stderr, "kelvoria-wm-ping: lost the display\n");
            return 2;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            std::printf("no answer within %ld ms\n", timeout_ms);
            return 1;
        }
        pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left.count()));
    }
}
