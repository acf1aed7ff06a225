#include "app/qt/screen_colormap.h"

#include <QApplication>
#include <QEvent>
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

void UseScreenColormap(xcb_connection_t* connection, xcb_window_t id)
{
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

// Watches every widget of the application for the moment its native window
// is made: the top-level windows, and children that Qt makes native later.
class ScreenColormapFilter : public QObject {
public:
    ScreenColormapFilter(QApplication& app, xcb_connection_t* connection) : QObject(&app), connection_(connection) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WinIdChange && watched->isWidgetType()) {
            if (const WId id = static_cast<QWidget*>(watched)->internalWinId())
                UseScreenColormap(connection_, static_cast<xcb_window_t>(id));
        }
        return false;
    }

private:
    xcb_connection_t* connection_;
};

} // namespace

void UseScreenColormapForAllWindows(QApplication& app)
{
    auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    app.installEventFilter(new ScreenColormapFilter(app, x11->connection()));
}

#else

void UseScreenColormapForAllWindows(QApplication& app)
{
    static_cast<void>(app);
}

#endif

} // namespace velmo
