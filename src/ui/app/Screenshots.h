// The --screenshot door: after start-up the program saves pictures of the whole screen or of single
// windows (whole, or cut to some of their controls) and quits. The build uses it to picture the
// guide's windows; a developer uses it to look at the program without a display.
#pragma once

#include <QImage>
#include <QList>
#include <QMargins>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace tavlor {

struct ScreenshotRequest {
  QString Path;
  QStringList Windows;              // object names of top-level windows; none for the whole screen
  QStringList Controls;             // object names inside the one window; the picture is cut to them
  QMargins Margin{12, 12, 12, 12};  // room kept around the controls, so a cut-out shows where they sit
};

// "PATH" for the whole screen; "WINDOW=PATH" for one window; "WINDOW,WINDOW=PATH" for windows
// together as they stand on the screen; "WINDOW/CONTROL+CONTROL=PATH" for the part of a window
// around the named controls, optionally with the room around them: "/MARGIN" on every side or
// "/LEFT,TOP,RIGHT,BOTTOM" ("WINDOW/CONTROL+CONTROL/20,6,6,6=PATH"). Nothing when the text is none
// of these.
std::optional<ScreenshotRequest> ParseScreenshotRequest(const QString& text);

// The picture a window request asks for: the windows' client areas, or the part of the one window
// around the controls. Empty when a window is not shown or a control is missing (`problem` then
// says which).
QImage TakeWindowScreenshot(const ScreenshotRequest& request, QString* problem);

// Saves the pictures in turn, opening the windows each one names just before it (through
// `openWindow`, given each name once) and letting them paint, then quits the program: 0 when all
// were written, 1 otherwise.
void ScheduleScreenshots(const QList<ScreenshotRequest>& requests,
                         const std::function<void(const QString& window)>& openWindow);

}  // namespace tavlor
