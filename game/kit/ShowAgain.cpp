#include "ShowAgain.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

namespace {
// The X11 window hints (ICCCM WM_HINTS): nine 32-bit words, of which the first holds the flags
// and the third the state the window manager gives the window when it is mapped.
constexpr uint32_t StateHintFlag = 1u << 1;
constexpr uint32_t NormalState = 1;
constexpr size_t HintWords = 9, FlagsWord = 0, InitialStateWord = 2;

// A window minimised by the program carries the hint "start minimised". When the window
// manager restores it by itself (its taskbar, an activation), the toolkit never learns to take
// the hint back; the window then comes back minimised every time it is hidden and shown again,
// because each showing is a new start for the window manager. Before a screen is shown again,
// its hint says "start normal".
void startNormally(QWidget* screen)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    const QWindow* window = screen->windowHandle();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection || QGuiApplication::platformName() != QLatin1String("xcb") || !window
        || !window->handle())
        return; // not on X11, or never shown yet: the hint is the toolkit's fresh one
    const auto id = xcb_window_t(screen->winId());
    const xcb_get_property_cookie_t cookie = xcb_get_property(
        connection, 0, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 0, HintWords);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
    if (!reply)
        return;
    std::array<uint32_t, HintWords> hints{};
    const int length = xcb_get_property_value_length(reply);
    const bool hinted = reply->format == 32 && length > 0;
    if (hinted)
        std::memcpy(hints.data(), xcb_get_property_value(reply),
                    std::min(size_t(length), sizeof hints));
    std::free(reply);
    if (!hinted)
        return; // no hint, nothing to take back
    hints[FlagsWord] |= StateHintFlag;
    hints[InitialStateWord] = NormalState;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_HINTS,
                        XCB_ATOM_WM_HINTS, 32, uint32_t(HintWords), hints.data());
    xcb_flush(connection);
}
} // namespace

void showAgain(QWidget* screen)
{
    screen->setWindowState(screen->windowState() & ~Qt::WindowMinimized);
    startNormally(screen);
    screen->show();
    screen->raise();
    screen->activateWindow();
}
