#include "screenpick/xserver.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <bit>
#include <cstdlib>
#include <memory>

namespace {

xcb_connection_t *connection()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPtr<Reply> owned(Reply *reply)
{
    return ReplyPtr<Reply>(reply, &std::free);
}

const xcb_visualtype_t *visualType(const xcb_setup_t *setup, xcb_visualid_t id)
{
    for (auto screens = xcb_setup_roots_iterator(setup); screens.rem; xcb_screen_next(&screens))
        for (auto depths = xcb_screen_allowed_depths_iterator(screens.data); depths.rem;
             xcb_depth_next(&depths))
            for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem;
                 xcb_visualtype_next(&visuals))
                if (visuals.data->visual_id == id)
                    return visuals.data;
    return nullptr;
}

int bitsPerPixel(const xcb_setup_t *setup, std::uint8_t depth)
{
    for (auto formats = xcb_setup_pixmap_formats_iterator(setup); formats.rem;
         xcb_format_next(&formats))
        if (formats.data->depth == depth)
            return formats.data->bits_per_pixel;
    return 0;
}

// One channel of a pixel, from the bits its mask selects, as 0 to 255.
int channel(std::uint32_t pixel, std::uint32_t mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const std::uint32_t full = mask >> shift;
    return int(((pixel & mask) >> shift) * 255 / full);
}

// The colour of a one-pixel image as the server sent it.
std::optional<cSpace::TColor> colorOf(const xcb_setup_t *setup, const xcb_get_image_reply_t *image)
{
    const xcb_visualtype_t *visual = visualType(setup, image->visual);
    if (!visual || (visual->_class != XCB_VISUAL_CLASS_TRUE_COLOR &&
                    visual->_class != XCB_VISUAL_CLASS_DIRECT_COLOR))
        return std::nullopt;
    const int bytes = bitsPerPixel(setup, image->depth) / 8;
    const std::uint8_t *data = xcb_get_image_data(image);
    if (bytes < 1 || bytes > 4 || xcb_get_image_data_length(image) < bytes)
        return std::nullopt;
    const bool leastFirst = setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
    std::uint32_t pixel = 0;
    for (int i = 0; i < bytes; ++i)
        pixel |= std::uint32_t(data[i]) << (8 * (leastFirst ? i : bytes - 1 - i));
    return cSpace::MakeColor(channel(pixel, visual->red_mask), channel(pixel, visual->green_mask),
                             channel(pixel, visual->blue_mask));
}

} // namespace

bool XServer::pointerIsFree(std::uintptr_t window)
{
    xcb_connection_t *server = connection();
    if (!server)
        return true;
    const auto grab = owned(xcb_grab_pointer_reply(
        server,
        xcb_grab_pointer(server, false, xcb_window_t(window), 0, XCB_GRAB_MODE_ASYNC,
                         XCB_GRAB_MODE_ASYNC, XCB_NONE, XCB_NONE, XCB_CURRENT_TIME),
        nullptr));
    const bool granted = grab && grab->status == XCB_GRAB_STATUS_SUCCESS;
    if (granted)
        xcb_ungrab_pointer(server, XCB_CURRENT_TIME);
    return granted;
}

std::optional<cSpace::TColor> XServer::pixelUnderPointer(std::uintptr_t window)
{
    xcb_connection_t *server = connection();
    if (!server)
        return std::nullopt;
    const auto pointer = owned(
        xcb_query_pointer_reply(server, xcb_query_pointer(server, xcb_window_t(window)), nullptr));
    if (!pointer)
        return std::nullopt;
    const auto image =
        owned(xcb_get_image_reply(server,
                                  xcb_get_image(server, XCB_IMAGE_FORMAT_Z_PIXMAP, pointer->root,
                                                pointer->root_x, pointer->root_y, 1, 1, ~0u),
                                  nullptr));
    if (!image)
        return std::nullopt;
    return colorOf(xcb_get_setup(server), image.get());
}

void XServer::movePointer(int dx, int dy)
{
    if (xcb_connection_t *server = connection()) {
        xcb_warp_pointer(server, XCB_NONE, XCB_NONE, 0, 0, 0, 0, std::int16_t(dx),
                         std::int16_t(dy));
        xcb_flush(server);
    }
}
