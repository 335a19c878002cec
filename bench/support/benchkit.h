#pragma once
// What every benchmark shares: a headless application, a platform that never blocks on a
// message box, medians of repeated runs, and the report of figures against their targets.
// Figures are ratios of two things measured in the same run, because these machines are noisy.

#include <QAbstractButton>
#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "support/painted.h"
#include "ui/fakeplatform.h"
#include "ui/formwindow.h"

namespace tf::bench {

// Headless unless the caller chose a platform.
inline void headlessUnlessChosen() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

inline double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const size_t mid = v.size() / 2;
  return v.size() % 2 ? v[mid] : (v[mid - 1] + v[mid]) / 2;
}

inline void press(FormWindow& f, const QString& button) {
  static_cast<QAbstractButton*>(f.control(button))->click();
}

class Report {
 public:
  explicit Report(const char* title) { std::printf("== %s\n", title); }

  void figure(const char* what, double value, const char* unit) {
    std::printf("   %-58s %10.3f %s\n", what, value, unit);
  }
  // A ratio with a target: at most limit.
  void ratio(const char* what, double value, double limit) {
    const bool met = value <= limit;
    if (!met) missed_ = true;
    std::printf("   %-58s %10.2fx  target <= %.1fx  %s\n", what, value, limit,
                met ? "met" : "MISSED");
  }
  // A ratio printed for comparison only.
  void ratio(const char* what, double value) { std::printf("   %-58s %10.2fx\n", what, value); }
  void note(const char* text) { std::printf("   %s\n", text); }
  void skip(const char* why) { std::printf("   skipped: %s\n", why); }
  void fail(const char* why) {
    failed_ = true;
    std::printf("   FAILED: %s\n", why);
  }
  int exitCode() const {
    std::fflush(stdout);
    return failed_ || missed_ ? 1 : 0;
  }

 private:
  bool missed_ = false;
  bool failed_ = false;
};

}  // namespace tf::bench
