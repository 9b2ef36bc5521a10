#include "platform/linux/X11ForegroundApp.h"

#include <xcb/xcb.h>

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

#include "platform/linux/ProcessExecutable.h"

namespace quillon {

struct X11ForegroundApp::Connection {
    xcb_connection_t* xcb = nullptr;
    xcb_window_t root = 0;
    xcb_atom_t activeWindow = XCB_ATOM_NONE;
    xcb_atom_t wmPid = XCB_ATOM_NONE;

    ~Connection() {
        if (xcb != nullptr) {
            xcb_disconnect(xcb);
        }
    }
};

namespace {

xcb_atom_t internAtom(xcb_connection_t* xcb, const char* name) {
    const auto cookie =
        xcb_intern_atom(xcb, 1, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(xcb, cookie, nullptr);
    if (reply == nullptr) {
        return XCB_ATOM_NONE;
    }
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}

// The first 32-bit value of a window property of the given type; nothing when the window has
// no such property or it holds something else.
std::optional<std::uint32_t> readCard32(xcb_connection_t* xcb, xcb_window_t window,
                                        xcb_atom_t property, xcb_atom_t type) {
    if (property == XCB_ATOM_NONE) {
        return std::nullopt;
    }
    const auto cookie = xcb_get_property(xcb, 0, window, property, type, 0, 1);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(xcb, cookie, nullptr);
    if (reply == nullptr) {
        return std::nullopt;
    }
    std::optional<std::uint32_t> value;
    if (reply->type == type && reply->format == 32 && xcb_get_property_value_length(reply) >= 4) {
        std::uint32_t v = 0;
        std::memcpy(&v, xcb_get_property_value(reply), sizeof v);
        value = v;
    }
    std::free(reply);
    return value;
}

// Whether a window's program runs on this machine: a program shown from another host (ssh -X)
// names a process id of that host. A window that names no machine is taken as local.
bool runsHere(xcb_connection_t* xcb, xcb_window_t window) {
    const auto cookie =
        xcb_get_property(xcb, 0, window, XCB_ATOM_WM_CLIENT_MACHINE, XCB_ATOM_STRING, 0, 64);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(xcb, cookie, nullptr);
    if (reply == nullptr) {
        return true;
    }
    bool here = true;
    if (reply->type == XCB_ATOM_STRING && reply->format == 8) {
        const int length = xcb_get_property_value_length(reply);
        std::string machine(static_cast<const char*>(xcb_get_property_value(reply)),
                            static_cast<std::size_t>(std::max(length, 0)));
        while (!machine.empty() && machine.back() == '\0') {
            machine.pop_back();
        }
        std::array<char, 256> host{};
        if (!machine.empty() && ::gethostname(host.data(), host.size() - 1) == 0) {
            here = machine == host.data();
        }
    }
    std::free(reply);
    return here;
}

}  // namespace

X11ForegroundApp::X11ForegroundApp(std::string display) : display_(std::move(display)) {}

X11ForegroundApp::~X11ForegroundApp() = default;

X11ForegroundApp::Connection* X11ForegroundApp::connection() {
    if (connection_ && xcb_connection_has_error(connection_->xcb) == 0) {
        return connection_.get();
    }
    connection_.reset();
    auto c = std::make_unique<Connection>();
    int screenNumber = 0;
    c->xcb = xcb_connect(display_.empty() ? nullptr : display_.c_str(), &screenNumber);
    if (c->xcb == nullptr || xcb_connection_has_error(c->xcb) != 0) {
        return nullptr;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c->xcb));
    for (int i = 0; it.rem > 0 && i < screenNumber; ++i) {
        xcb_screen_next(&it);
    }
    if (it.rem == 0) {
        return nullptr;
    }
    c->root = it.data->root;
    c->activeWindow = internAtom(c->xcb, "_NET_ACTIVE_WINDOW");
    c->wmPid = internAtom(c->xcb, "_NET_WM_PID");
    connection_ = std::move(c);
    return connection_.get();
}

std::optional<std::uint32_t> X11ForegroundApp::activeWindow() {
    std::lock_guard lock(mutex_);
    Connection* c = connection();
    if (c == nullptr) {
        return std::nullopt;
    }
    const auto window = readCard32(c->xcb, c->root, c->activeWindow, XCB_ATOM_WINDOW);
    if (!window || *window == XCB_WINDOW_NONE) {
        return std::nullopt;
    }
    return window;
}

std::optional<int> X11ForegroundApp::processOf(std::uint32_t window) {
    std::lock_guard lock(mutex_);
    Connection* c = connection();
    if (c == nullptr) {
        return std::nullopt;
    }
    const auto pid = readCard32(c->xcb, window, c->wmPid, XCB_ATOM_CARDINAL);
    if (!pid || *pid == 0 || *pid > 0x7FFFFFFFu || !runsHere(c->xcb, window)) {
        return std::nullopt;
    }
    return static_cast<int>(*pid);
}

std::optional<std::string> X11ForegroundApp::executablePath() {
    {
        std::lock_guard lock(mutex_);
        if (connection() == nullptr) {
            return std::nullopt;
        }
    }
    const auto window = activeWindow();
    if (!window) {
        return std::string();  // the desktop itself, or nothing, has the focus
    }
    const auto pid = processOf(*window);
    if (!pid) {
        return std::nullopt;
    }
    return processExecutable(*pid);
}

}  // namespace quillon
