#include "platform/qt/frame_extents.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace tolvane {
namespace {

using Reply = std::unique_ptr<void, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  xcb_intern_atom_cookie_t cookie =
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
  auto* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  const Reply owner(reply, &std::free);
  return reply ? reply->atom : XCB_ATOM_NONE;
}

// The property's 32-bit values, or none when it is missing.
std::vector<std::uint32_t> CardinalProperty(xcb_connection_t* connection, xcb_window_t window,
                                            xcb_atom_t property, xcb_atom_t type,
                                            std::uint32_t count) {
  auto cookie = xcb_get_property(connection, 0, window, property, type, 0, count);
  auto* reply = xcb_get_property_reply(connection, cookie, nullptr);
  const Reply owner(reply, &std::free);
  if (reply == nullptr || reply->format != 32) return {};
  const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
  const int length = xcb_get_property_value_length(reply) / 4;
  return {values, values + length};
}

bool WindowManagerSupports(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t feature) {
  const auto supported = CardinalProperty(connection, root, Atom(connection, "_NET_SUPPORTED"),
                                          XCB_ATOM_ATOM, 1024);
  return std::find(supported.begin(), supported.end(), feature) != supported.end();
}

void SendFrameExtentsRequest(xcb_connection_t* connection, xcb_window_t root,
                             xcb_window_t window, xcb_atom_t request) {
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = request;
  xcb_send_event(connection, 0, root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection);
}

}  // namespace

QMargins RequestFrameExtents(QWidget& window) {
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || x11->connection() == nullptr) {
    // Elsewhere the platform knows its frame, if any, once the window exists.
    window.winId();
    return window.windowHandle() != nullptr ? window.windowHandle()->frameMargins() : QMargins();
  }
  xcb_connection_t* connection = x11->connection();
  const xcb_window_t native = static_cast<xcb_window_t>(window.winId());
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const xcb_atom_t request = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
  const xcb_atom_t extents = Atom(connection, "_NET_FRAME_EXTENTS");
  if (!WindowManagerSupports(connection, root, request)) return {};
  SendFrameExtentsRequest(connection, root, native, request);
  // The window manager answers by setting a property; give it a moment.
  for (int attempt = 0; attempt < 100; ++attempt) {
    const auto values = CardinalProperty(connection, native, extents, XCB_ATOM_CARDINAL, 4);
    if (values.size() == 4) {
      return QMargins(static_cast<int>(values[0]), static_cast<int>(values[2]),
                      static_cast<int>(values[1]), static_cast<int>(values[3]));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return {};
}

}  // namespace tolvane
