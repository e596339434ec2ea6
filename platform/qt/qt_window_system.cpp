#include "platform/qt/qt_window_system.h"

#include <QEventLoop>
#include <QFont>
#include <QMessageBox>
#include <QStyle>
#include <QStyleFactory>

#include "platform/qt/colours.h"
#include "platform/qt/qt_live_window.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/save_dialog.h"

namespace tolvane {
namespace {

class QtNestedLoop final : public NestedLoop {
 public:
  void Run() override { loop_.exec(); }
  void Exit() override { loop_.exit(0); }

 private:
  QEventLoop loop_;
};

}  // namespace

void PrepareApplication(QApplication& application) {
  QApplication::setApplicationName(QStringLiteral("Tolvane"));
  QApplication::setApplicationVersion(QStringLiteral("1.0.0.0"));
  QGuiApplication::setDesktopFileName(QStringLiteral("tolvane"));
  // The frame ends the program when its last window is gone, not Qt.
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QPalette palette = QApplication::style()->standardPalette();
  palette.setColor(QPalette::Window, FaceColour());
  palette.setColor(QPalette::Button, FaceColour());
  application.setPalette(palette);
  // Faces named by the windows that Linux desktops rarely have: the closest
  // installed relatives stand in before the generic fallback does.
  const QStringList yaheiLike{QStringLiteral("Microsoft YaHei"), QStringLiteral("Noto Sans CJK SC"),
                              QStringLiteral("Source Han Sans SC"),
                              QStringLiteral("WenQuanYi Micro Hei")};
  QFont::insertSubstitutions(QStringLiteral("微软雅黑"), yaheiLike);
}

QtWindowSystem::QtWindowSystem(int& argc, char** argv) {
  if (QApplication::instance() == nullptr) {
    ownApplication_ = std::make_unique<QApplication>(argc, argv);
  }
  PrepareApplication(*qApp);
}

QtWindowSystem::~QtWindowSystem() = default;

std::unique_ptr<LiveWindow> QtWindowSystem::CreateWindow(const WindowDescription& description,
                                                         WindowEvents& events) {
  return std::make_unique<QtLiveWindow>(description, events);
}

void QtWindowSystem::Post(std::function<void()> call) {
  QMetaObject::invokeMethod(qApp, std::move(call), Qt::QueuedConnection);
}

std::unique_ptr<NestedLoop> QtWindowSystem::MakeNestedLoop() {
  return std::make_unique<QtNestedLoop>();
}

int QtWindowSystem::RunEventLoop() {
  const int exitCode = QApplication::exec();
  // Windows closed last are deleted here rather than left to the process end.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return exitCode;
}

void QtWindowSystem::PostQuit(int exitCode) {
  QMetaObject::invokeMethod(
      qApp, [exitCode] { QCoreApplication::exit(exitCode); }, Qt::QueuedConnection);
}

void QtWindowSystem::OnEndRequested(std::function<void()> request) {
  endWatcher_ = std::make_unique<EndRequestWatcher>(std::move(request));
}

void QtWindowSystem::ShowFatalError(std::string_view message) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Tolvane"),
                  QStringLiteral("A run-time error occurred: ") + ToQString(message),
                  QMessageBox::Ok);
  box.exec();
}

void QtWindowSystem::ShowWarning(std::string_view title, std::string_view message) {
  QMessageBox box(QMessageBox::Warning, ToQString(title), ToQString(message), QMessageBox::Ok);
  box.exec();
}

std::optional<std::string> QtWindowSystem::RunSaveDialog(const SaveDialogSettings& settings) {
  return RunQtSaveDialog(settings);
}

}  // namespace tolvane
