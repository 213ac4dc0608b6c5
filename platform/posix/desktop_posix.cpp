#include "platform/desktop.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace platform {

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

}  // namespace

bool desktopComposited() {
    int screen = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screen);
    const std::unique_ptr<xcb_connection_t, void (*)(xcb_connection_t*)> owned(connection,
                                                                               &xcb_disconnect);
    if (xcb_connection_has_error(connection)) {
        return false;
    }
    // A compositing manager owns this selection for the screen it composites (EWMH).
    const std::string name = "_NET_WM_CM_S" + std::to_string(screen);
    const ReplyPtr<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 1, static_cast<uint16_t>(name.size()), name.c_str()), nullptr));
    if (!atom || atom->atom == XCB_ATOM_NONE) {
        return false;
    }
    const ReplyPtr<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, atom->atom), nullptr));
    return owner && owner->owner != XCB_WINDOW_NONE;
}

}  // namespace platform
