#include "app/qt/screen_colormap.h"

#include <QGuiApplication>
#include <QWidget>

#if defined(VELMO_HAVE_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#endif

namespace velmo {

#if defined(VELMO_HAVE_XCB) && QT_CONFIG(xcb)
namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

// The screen whose root window is `root`.
const xcb_screen_t* ScreenOf(xcb_connection_t* connection, xcb_window_t root)
{
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(connection)); it.rem > 0; xcb_screen_next(&it)) {
        if (it.data->root == root)
            return it.data;
    }
    return nullptr;
}

} // namespace

void UseScreenColormap(QWidget& window)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, id), nullptr));
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr));
    if (!attributes || !geometry)
        return;
    const xcb_screen_t* screen = ScreenOf(connection, geometry->root);
    // A colormap serves only windows of its own visual.
    if (!screen || attributes->visual != screen->root_visual || attributes->colormap == screen->default_colormap)
        return;
    const std::uint32_t colormap = screen->default_colormap;
    xcb_change_window_attributes(connection, id, XCB_CW_COLORMAP, &colormap);
    xcb_flush(connection);
}

#else

void UseScreenColormap(QWidget& window)
{
    static_cast<void>(window);
}

#endif

} // namespace velmo
