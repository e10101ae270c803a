#include "ui/qt/window/FrameWatch.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace kestrova::qt {

namespace {

xcb_connection_t* Connection() {
  const auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 != nullptr ? x11->connection() : nullptr;
}

template <class Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

std::optional<QMargins>& LastFrame() {
  static std::optional<QMargins> frame;
  return frame;
}

xcb_atom_t Atom(xcb_connection_t* c, std::string_view name) {
  const ReplyPtr<xcb_intern_atom_reply_t> reply(
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(name.size()), name.data()), nullptr),
      &std::free);
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

}  // namespace

bool FrameWatch::Available() { return Connection() != nullptr; }

std::optional<QMargins> FrameWatch::LastTold() { return LastFrame(); }

bool FrameWatch::MaximisedNow(const QWindow& window) {
  xcb_connection_t* c = Connection();
  if (c == nullptr) return false;
  const xcb_atom_t state = Atom(c, "_NET_WM_STATE");
  const xcb_atom_t vertical = Atom(c, "_NET_WM_STATE_MAXIMIZED_VERT");
  const auto w = static_cast<xcb_window_t>(window.winId());
  const ReplyPtr<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(c, xcb_get_property(c, 0, w, state, XCB_ATOM_ATOM, 0, 32), nullptr), &std::free);
  if (!reply || reply->format != 32) return false;
  const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
  const int count = xcb_get_property_value_length(reply.get()) / 4;
  return std::find(atoms, atoms + count, vertical) != atoms + count;
}

FrameWatch::FrameWatch(QWindow* window, std::function<void(const QMargins&)> known, TTelling telling)
    : QObject(window), window_(window), known_(std::move(known)), telling_(telling) {
  xcb_connection_t* c = Connection();
  if (c == nullptr) return;
  atom_ = Atom(c, "_NET_FRAME_EXTENTS");
  QCoreApplication::instance()->installNativeEventFilter(this);
  ReadFrame();
}

FrameWatch::~FrameWatch() {
  if (QCoreApplication::instance() != nullptr) QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool FrameWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t" || !known_) return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) return false;
  const auto* change = static_cast<const xcb_property_notify_event_t*>(message);
  if (change->window == window_->winId() && change->atom == atom_) ReadFrame();
  return false;
}

void FrameWatch::ReadFrame() {
  xcb_connection_t* c = Connection();
  if (c == nullptr || atom_ == XCB_ATOM_NONE || !known_) return;
  const auto window = static_cast<xcb_window_t>(window_->winId());
  const ReplyPtr<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(c, xcb_get_property(c, 0, window, atom_, XCB_ATOM_CARDINAL, 0, 4), nullptr), &std::free);
  if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16) return;
  // left, right, top, bottom; no side of a frame is longer than a screen can be
  const auto* sides = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
  constexpr std::uint32_t kLongest = 32767;
  if (sides[0] > kLongest || sides[1] > kLongest || sides[2] > kLongest || sides[3] > kLongest) return;
  const QMargins frame(static_cast<int>(sides[0]), static_cast<int>(sides[2]), static_cast<int>(sides[1]),
                       static_cast<int>(sides[3]));
  if (frame.isNull()) return;
  LastFrame() = frame;
  if (telling_ == TTelling::Each) {
    known_(frame);
    return;
  }
  const std::function<void(const QMargins&)> known = std::move(known_);
  known_ = nullptr;
  QCoreApplication::instance()->removeNativeEventFilter(this);
  deleteLater();
  known(frame);
}

}  // namespace kestrova::qt
