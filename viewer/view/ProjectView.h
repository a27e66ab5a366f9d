#pragma once
// What a view window offers the project (TZolProject) that owns it. The
// project owns its views through this interface and never sees a widget type,
// so its logic runs headless in tests with fake views; the real view is
// TfrmGLBase. It lives with the views so that they need nothing of the project.
//
// Every call arrives on the GUI thread. None of them may run an event loop
// (no processEvents, no modal dialog): the project calls them in the middle
// of a playback step.
#include "resultdata/TDataKind.h"

#include <QString>

class QWidget;

class ProjectView {
 public:
  virtual ~ProjectView() = default;

  // The field kind this view shows.
  virtual TDataKind Kind() const = 0;

  // The window the main window shows as an MDI child (the view's own form).
  // The project's view factory puts it into the MDI area. Destroying the view
  // destroys this widget; the factory takes the MDI frame away with it.
  virtual QWidget* Widget() = 0;

  // Scale to fit the grid and zero the translations.
  virtual void ResetView() = 0;

  // Window caption := trimmed name + " (" + the project's file name + ")";
  // legend caption := name as given.
  virtual void SetViewCaption(const QString& name) = 0;

  // Calendar span of the date strip, in days since 30 December 1899: the
  // file's start date and start date + the last step's time. Setting the
  // start also makes it the current date.
  virtual void SetDateRange(double startDate, double endDate) = 0;

  // A new step is in the reader's buffer: set the date strip's current date,
  // mark heights and colours for recomputation and repaint now (directly, not
  // through the event loop).
  virtual void ShowStep(double currentDate) = 0;

  // Suspends painting while a session is read into the views; SetLoading(false)
  // repaints.
  virtual void SetLoading(bool loading) = 0;

  // Shown as an icon in the MDI area (the project minimises before it frees).
  virtual void Minimize() = 0;
};
