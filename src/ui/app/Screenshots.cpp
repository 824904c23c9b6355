// Taking the pictures of the --screenshot door.
#include "ui/app/Screenshots.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <memory>

namespace tavlor {
namespace {

// Windows lay out and paint within a few event-loop turns; the whole screen waits for the
// platform's compositor as well.
constexpr int kWindowDelayMs = 400;
constexpr int kScreenDelayMs = 1000;

QWidget* ShownWindow(const QString& name) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == name && window->isVisible()) return window;
  }
  return nullptr;
}

bool SaveScreenshot(const ScreenshotRequest& request) {
  QImage picture;
  QString problem;
  if (request.Windows.isEmpty()) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) picture = screen->grabWindow(0).toImage();
    if (picture.isNull()) problem = QStringLiteral("no screen to grab");
  } else {
    picture = TakeWindowScreenshot(request, &problem);
  }
  QDir().mkpath(QFileInfo(request.Path).absolutePath());
  const bool saved = !picture.isNull() && picture.save(request.Path);
  if (saved) {
    std::fprintf(stderr, "Screenshot written to %s\n", qUtf8Printable(request.Path));
  } else {
    std::fprintf(stderr, "Could not write the screenshot %s%s%s\n", qUtf8Printable(request.Path),
                 problem.isEmpty() ? "" : ": ", qUtf8Printable(problem));
  }
  return saved;
}

}  // namespace

std::optional<ScreenshotRequest> ParseScreenshotRequest(const QString& text) {
  static const QRegularExpression windowForm(QStringLiteral(
      "^(\\w+(?:,\\w+)*)(?:/(\\w+(?:\\+\\w+)*)(?:/(\\d{1,4}(?:,\\d{1,4}){3}|\\d{1,4}))?)?=(.+)$"));
  const QRegularExpressionMatch match = windowForm.match(text);
  if (!match.hasMatch()) {
    if (text.isEmpty()) return std::nullopt;
    ScreenshotRequest screen;
    screen.Path = text;
    return screen;
  }
  ScreenshotRequest request;
  request.Windows = match.captured(1).split(QLatin1Char(','));
  if (!match.captured(2).isEmpty()) request.Controls = match.captured(2).split(QLatin1Char('+'));
  if (!match.captured(3).isEmpty()) {
    const QStringList sides = match.captured(3).split(QLatin1Char(','));
    const auto side = [&sides](int i) { return sides[sides.size() == 4 ? i : 0].toInt(); };
    request.Margin = QMargins(side(0), side(1), side(2), side(3));
  }
  request.Path = match.captured(4);
  // Controls belong to one window.
  if (request.Windows.size() > 1 && !request.Controls.isEmpty()) return std::nullopt;
  return request;
}

QImage TakeWindowScreenshot(const ScreenshotRequest& request, QString* problem) {
  QList<QWidget*> windows;
  QRect whole;
  for (const QString& name : request.Windows) {
    QWidget* window = ShownWindow(name);
    if (window == nullptr) {
      if (problem) *problem = QStringLiteral("no shown window named %1").arg(name);
      return QImage();
    }
    windows << window;
    whole |= window->geometry();
  }
  if (windows.isEmpty()) return QImage();

  if (windows.size() > 1) {
    // Side by side as they stand, on the dark of the lacquer.
    QImage picture(whole.size(), QImage::Format_RGB32);
    picture.fill(QColor(22, 14, 11));
    QPainter painter(&picture);
    for (QWidget* window : windows)
      painter.drawPixmap(window->geometry().topLeft() - whole.topLeft(), window->grab());
    return picture;
  }

  QWidget* window = windows.front();
  QRect area;
  for (const QString& name : request.Controls) {
    const QWidget* control = window->findChild<QWidget*>(name);
    if (control == nullptr) {
      if (problem) *problem = QStringLiteral("%1 has no control named %2").arg(window->objectName(), name);
      return QImage();
    }
    area |= QRect(control->mapTo(window, QPoint(0, 0)), control->size());
  }
  area = request.Controls.isEmpty() ? window->rect() : area.marginsAdded(request.Margin) & window->rect();
  return window->grab(area).toImage();
}

namespace {

// The shots in turn: the windows a shot needs are opened just before it, so a window shot earlier
// is pictured as it stood before a later one (a picker that takes the editor over) was opened.
struct ShotRun {
  QList<ScreenshotRequest> Requests;
  std::function<void(const QString&)> OpenWindow;
  QStringList Opened;
  bool AllSaved = true;
};

void TakeShot(const std::shared_ptr<ShotRun>& run, qsizetype next);

void PrepareShot(const std::shared_ptr<ShotRun>& run, qsizetype next) {
  if (next >= run->Requests.size()) {
    QCoreApplication::exit(run->AllSaved ? 0 : 1);
    return;
  }
  const ScreenshotRequest& request = run->Requests[next];
  bool opening = false;
  for (const QString& window : request.Windows) {
    if (run->Opened.contains(window)) continue;
    run->Opened << window;
    opening = true;
    if (run->OpenWindow) run->OpenWindow(window);
  }
  const int delay = request.Windows.isEmpty() ? kScreenDelayMs : (opening || next == 0 ? kWindowDelayMs : 0);
  QTimer::singleShot(delay, qApp, [run, next] { TakeShot(run, next); });
}

void TakeShot(const std::shared_ptr<ShotRun>& run, qsizetype next) {
  // Pictures of a guide show no caret or focus frame.
  if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
  run->AllSaved = SaveScreenshot(run->Requests[next]) && run->AllSaved;
  PrepareShot(run, next + 1);
}

}  // namespace

void ScheduleScreenshots(const QList<ScreenshotRequest>& requests,
                         const std::function<void(const QString& window)>& openWindow) {
  auto run = std::make_shared<ShotRun>();
  run->Requests = requests;
  run->OpenWindow = openWindow;
  PrepareShot(run, 0);
}

}  // namespace tavlor
