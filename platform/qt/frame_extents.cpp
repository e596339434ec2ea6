#include "platform/qt/frame_extents.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace tolvane {
namespace {

using Reply = std::unique_ptr<void, decltype(&std::free)>;

xcb_connection_t* X11Connection() {
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 != nullptr ? x11->connection() : nullptr;
}

// Interns the names in one round trip.
template <std::size_t N>
std::array<xcb_atom_t, N> Atoms(xcb_connection_t* connection,
                                const std::array<const char*, N>& names) {
  std::array<xcb_intern_atom_cookie_t, N> cookies{};
  for (std::size_t i = 0; i < N; ++i) {
    cookies[i] =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(names[i])), names[i]);
  }
  std::array<xcb_atom_t, N> atoms{};
  for (std::size_t i = 0; i < N; ++i) {
    auto* reply = xcb_intern_atom_reply(connection, cookies[i], nullptr);
    const Reply owner(reply, &std::free);
    atoms[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  }
  return atoms;
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

bool WindowManagerSupports(xcb_connection_t* connection, xcb_window_t root,
                           xcb_atom_t supportedAtom, xcb_atom_t feature) {
  const auto supported = CardinalProperty(connection, root, supportedAtom, XCB_ATOM_ATOM, 1024);
  return std::find(supported.begin(), supported.end(), feature) != supported.end();
}

void SendFrameExtentsRequest(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window,
                             xcb_atom_t request) {
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

FrameExtentsRequest::FrameExtentsRequest(QWidget& window) : window_(window) {
  xcb_connection_t* connection = X11Connection();
  if (connection == nullptr) return;
  const xcb_window_t native = static_cast<xcb_window_t>(window.winId());
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const auto [supported, request, extents] =
      Atoms<3>(connection, {"_NET_SUPPORTED", "_NET_REQUEST_FRAME_EXTENTS", "_NET_FRAME_EXTENTS"});
  if (!WindowManagerSupports(connection, root, supported, request)) return;
  SendFrameExtentsRequest(connection, root, native, request);
  extentsAtom_ = extents;
}

QMargins FrameExtentsRequest::Answer() {
  xcb_connection_t* connection = X11Connection();
  if (connection == nullptr) {
    // Elsewhere the platform knows its frame, if any, once the window exists.
    window_.winId();
    return window_.windowHandle() != nullptr ? window_.windowHandle()->frameMargins() : QMargins();
  }
  if (extentsAtom_ == 0) return {};
  const xcb_window_t native = static_cast<xcb_window_t>(window_.winId());
  // The window manager answers by setting a property; give it a moment.
  for (int attempt = 0; attempt < 200; ++attempt) {
    const auto values = CardinalProperty(connection, native, extentsAtom_, XCB_ATOM_CARDINAL, 4);
    if (values.size() == 4) {
      return QMargins(static_cast<int>(values[0]), static_cast<int>(values[2]),
                      static_cast<int>(values[1]), static_cast<int>(values[3]));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return {};
}

}  // namespace tolvane
