#include "platform/qt/end_request_watcher.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <array>
#include <cerrno>

namespace tolvane {
namespace {

constexpr std::array kEndSignals{SIGTERM, SIGHUP, SIGINT};

// A signal handler may do next to nothing; it writes one byte that the event
// loop reads. This is the one place that must be reachable from it.
volatile sig_atomic_t signalSocket = -1;

extern "C" void OnEndSignal(int) {
  const int saved = errno;
  const char byte = 1;
  if (signalSocket >= 0) [[maybe_unused]]
    auto written = write(signalSocket, &byte, 1);
  errno = saved;
}

void SetSignalHandler(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : kEndSignals) sigaction(signal, &action, nullptr);
}

}  // namespace

EndRequestWatcher::EndRequestWatcher(std::function<void()> request) : request_(std::move(request)) {
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, sockets_) == 0) {
    signalSocket = sockets_[0];
    notifier_ = new QSocketNotifier(sockets_[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { DrainSignalBytes(); });
    SetSignalHandler(&OnEndSignal);
  }
#ifndef QT_NO_SESSIONMANAGER
  connect(qApp, &QGuiApplication::commitDataRequest, this,
          [this](QSessionManager&) { request_(); });
#endif
}

EndRequestWatcher::~EndRequestWatcher() {
  if (sockets_[0] < 0) return;
  SetSignalHandler(SIG_DFL);
  signalSocket = -1;
  close(sockets_[0]);
  close(sockets_[1]);
}

void EndRequestWatcher::DrainSignalBytes() {
  char bytes[64];
  while (read(sockets_[1], bytes, sizeof bytes) > 0) {
  }
  request_();
}

}  // namespace tolvane
