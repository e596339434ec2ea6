// Turns the ways a desktop session ends a program (SIGTERM, SIGHUP, SIGINT,
// the session manager's logout) into one ordinary call from the event loop.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace tolvane {

class EndRequestWatcher final : public QObject {
 public:
  explicit EndRequestWatcher(std::function<void()> request);
  ~EndRequestWatcher() override;
  EndRequestWatcher(const EndRequestWatcher&) = delete;
  EndRequestWatcher& operator=(const EndRequestWatcher&) = delete;

 private:
  void DrainSignalBytes();

  std::function<void()> request_;
  int sockets_[2] = {-1, -1};
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tolvane
