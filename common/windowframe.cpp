#include "windowframe.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

#if QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

namespace common {

namespace {

#if QT_CONFIG(xcb)

template <typename Reply> using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    const XcbReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
            nullptr),
        &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

XcbReply<xcb_get_property_reply_t> readProperty(xcb_connection_t* connection, xcb_window_t window,
                                                xcb_atom_t property, xcb_atom_t type,
                                                uint32_t length)
{
    return XcbReply<xcb_get_property_reply_t>(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, window, property, type, 0, length),
                               nullptr),
        &std::free);
}

bool windowManagerAnswersFrameRequests(xcb_connection_t* connection, xcb_window_t root,
                                       xcb_atom_t request)
{
    const auto supported = readProperty(connection, root, internAtom(connection, "_NET_SUPPORTED"),
                                        XCB_ATOM_ATOM, 4096);
    if (!supported || supported->format != 32)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(supported.get()));
    const int count = xcb_get_property_value_length(supported.get()) / 4;
    return std::find(atoms, atoms + count, request) != atoms + count;
}

std::optional<QMargins> frameExtents(xcb_connection_t* connection, xcb_window_t window,
                                     xcb_atom_t extents)
{
    const auto reply = readProperty(connection, window, extents, XCB_ATOM_CARDINAL, 4);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    const auto* value = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    // Left, right, top, bottom.
    return QMargins(static_cast<int>(value[0]), static_cast<int>(value[2]),
                    static_cast<int>(value[1]), static_cast<int>(value[3]));
}

// Asks the window manager for the frame it will give the unmapped window, as
// the window-manager hints specify (_NET_REQUEST_FRAME_EXTENTS), and waits a
// little for the answer.
std::optional<QMargins> requestedFrame(QWidget* window)
{
    // The offscreen platform answers for X11 too, without a connection.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return std::nullopt;
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (connection == nullptr)
        return std::nullopt;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const XcbReply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr), &std::free);
    if (!geometry)
        return std::nullopt;
    const xcb_atom_t request = internAtom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = internAtom(connection, "_NET_FRAME_EXTENTS");
    if (!windowManagerAnswersFrameRequests(connection, geometry->root, request))
        return std::nullopt;

    // An answer to an earlier request, or the frame of an earlier showing,
    // may still be there; only a fresh one counts.
    xcb_delete_property(connection, id, extents);
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, geometry->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);

    QElapsedTimer waited;
    waited.start();
    do {
        if (const auto frame = frameExtents(connection, id, extents))
            return frame;
        QThread::msleep(2);
    } while (waited.elapsed() < 500);
    return std::nullopt;
}

#else

std::optional<QMargins> requestedFrame(QWidget*)
{
    return std::nullopt;
}

#endif

// Centres its window when the window is shown for the first time: the show
// event comes before the window system sees the window, so it is placed with
// the frame it is about to get.
class FirstShowing : public QObject
{
public:
    explicit FirstShowing(QWidget* window) : QObject(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched == parent()) {
            auto* window = static_cast<QWidget*>(watched);
            centreOnScreen(window, windowFrame(window));
            window->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

QMargins windowFrame(QWidget* window)
{
    // While its show event runs the widget counts as visible, its window not.
    window->winId();
    const QWindow* handle = window->windowHandle();
    if (handle == nullptr || !handle->isVisible()) {
        if (const auto frame = requestedFrame(window))
            return *frame;
    }
    return handle ? handle->frameMargins() : QMargins();
}

void centreOnScreen(QWidget* window, const QMargins& frame)
{
    const QScreen* screen = window->screen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    const QSize outer = window->size().grownBy(frame);
    // A window larger than the area keeps its title bar on the screen.
    const QPoint outerTopLeft(area.x() + std::max(0, (area.width() - outer.width()) / 2),
                              area.y() + std::max(0, (area.height() - outer.height()) / 2));
    window->setGeometry(QRect(outerTopLeft + QPoint(frame.left(), frame.top()), window->size()));
}

void centreWhenFirstShown(QWidget* window)
{
    window->installEventFilter(new FirstShowing(window));
}

void showInFront(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace common
