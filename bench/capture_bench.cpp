// How much the export's capture and BMP encoding cost on top of the toolkit
// drawing the same window: both are timed in turns on the real main window,
// and the medians are compared. The goal is a ratio of at most 1.25. The two
// halves of the capture are timed apart as well, to show where time goes.
//
// Usage: capture_bench [runs]   (offscreen unless QT_QPA_PLATFORM says else)
#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "about/about_window.h"
#include "app/frame.h"
#include "export/bmp_file.h"
#include "export/capture_window.h"
#include "export/save_file_window.h"
#include "map/main_window.h"
#include "platform/qt/qt_window_system.h"
#include "platform/screen_capture.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultRuns = 301;
constexpr int kWarmUpRuns = 20;
constexpr double kTargetRatio = 1.25;

template <typename Work>
double MillisecondsOf(Work work) {
  const Clock::time_point start = Clock::now();
  work();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> samples) {
  const auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
  std::nth_element(samples.begin(), middle, samples.end());
  return *middle;
}

int RunsFrom(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : kDefaultRuns;
  return runs > 0 ? runs : kDefaultRuns;
}

struct Samples {
  std::vector<double> grab;
  std::vector<double> capture;
  std::vector<double> pixels;
  std::vector<double> encoding;
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const int runs = RunsFrom(argc, argv);
  tolvane::QtWindowSystem system(argc, argv);
  // The main window keeps its texts in the run directory; keep them apart.
  QTemporaryDir runDirectory;
  constexpr std::array<const tolvane::WindowDescription*, 3> windows{
      &tolvane::MainWindow, &tolvane::AboutWindow, &tolvane::SaveFileWindow};
  tolvane::AppFrame frame(system, windows, runDirectory.path().toStdString());
  if (!frame.LoadWindow(tolvane::MainWindow, false)) {
    std::fputs("the main window could not be loaded\n", stderr);
    return 1;
  }
  tolvane::LiveWindow& window = *frame.Instance(tolvane::MainWindow);
  QWidget* widget = reinterpret_cast<QWidget*>(window.Handle());
  QCoreApplication::processEvents();
  const tolvane::OuterRect outer = window.OuterGeometry();

  std::size_t bytes = 0;
  Samples samples;
  for (int run = -kWarmUpRuns; run < runs; ++run) {
    const double grab = MillisecondsOf([&] { widget->grab(); });
    const double capture = MillisecondsOf(
        [&] { bytes = tolvane::CaptureWindow(window.Handle(), outer.width, outer.height).size(); });
    std::optional<tolvane::BgraImage> picture;
    const double pixels =
        MillisecondsOf([&] { picture = tolvane::CaptureWindowPixels(window.Handle()); });
    const double encoding = MillisecondsOf([&] { tolvane::MakeBmpFile(*picture); });
    if (run < 0) continue;
    samples.grab.push_back(grab);
    samples.capture.push_back(capture);
    samples.pixels.push_back(pixels);
    samples.encoding.push_back(encoding);
  }

  const double grab = Median(samples.grab);
  const double capture = Median(samples.capture);
  const double ratio = capture / grab;
  std::printf("platform %s, %s build, window %d x %d, picture %zu bytes, median of %d runs\n",
              qPrintable(QGuiApplication::platformName()), TOLVANE_BUILD_TYPE, outer.width,
              outer.height, bytes, runs);
  std::printf("toolkit's rendering (QWidget::grab): %8.3f ms\n", grab);
  std::printf("capture and BMP encoding:            %8.3f ms\n", capture);
  std::printf("  window pixels alone:               %8.3f ms\n", Median(samples.pixels));
  std::printf("  BMP encoding alone:                %8.3f ms\n", Median(samples.encoding));
  std::printf("ratio %.3f, target at most %.2f: %s\n", ratio, kTargetRatio,
              ratio <= kTargetRatio ? "met" : "missed");
  frame.CloseAllWindows();
  return 0;
}
