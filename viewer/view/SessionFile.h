#pragma once
// The session file: every view's drawing settings, legend and window
// placement, one ini section per field kind (the kind's ini name, such as
// "Temperature"). Views of one kind in different projects share their
// section: the last one saved wins, and loading gives all of them the same
// settings.
//
// Loading never trusts the file: a value that is missing or invalid (a GL
// enum the view does not know, a threshold outside (0, 1], a colour count
// outside 1 .. 255, a non-finite number, a window size that no screen has)
// keeps the view's current value. A flag stored as false leaves the view's
// flag as it is; only flags stored as true are switched on.
#include "base/Colors.h"
#include "platform/SessionLocation.h"
#include "viewer/view/ViewModel.h"

#include <QRect>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class ProjectView;
class SessionWindow;
class TFloatIniFile;
class TfrmGLBase;

// What the session file keeps of one view.
struct ViewSessionSettings {
  std::uint8_t DrawFlags = 0;
  unsigned Shade = ViewModel::glSmooth;
  float Threshold = 1.0f;
  unsigned GridDepthTest = ViewModel::glLequal;
  unsigned MatDepthTest = ViewModel::glLequal;
  float Scale = 1.0f;  // ArrowScale
  float TransX = 0, TransY = 0, TransZ = 0;
  float AngleX = 0, AngleY = 0, AngleZ = 0;
  float ScaleX = 1, ScaleY = 1, ScaleZ = 1;
  // Colours of legend rows 1 .. nColors (keys Color0 .. ). When read, an
  // entry without a usable value keeps the row's colour, and nColors is 0
  // when the count is missing or invalid (the rows are left alone).
  int nColors = 0;
  std::vector<std::optional<base::TColor>> Colors;
  bool LinCol = false;
  double MinCol = 0, MaxCol = 1;
  QRect Bounds;
  int WindowState = 0;
  bool Active = false;
};

// The section of a kind ("Watercontent", "rel.Humidity", ...).
QString SessionSection(TDataKind kind);

// ---- one view ----
ViewSessionSettings CaptureViewSettings(const ViewModel& view, const SessionWindow& window);
void WriteViewSettings(TFloatIniFile& ini, const QString& section,
                       const ViewSessionSettings& settings);
// The settings of `section`, each defaulting to (and, when invalid, kept at)
// its value in `current`.
ViewSessionSettings ReadViewSettings(const TFloatIniFile& ini, const QString& section,
                                     const ViewSessionSettings& current);
// Applies read settings: first the window placement (so that a resize, which
// fits the scale to the window, comes before the stored zoom), then the
// drawing settings, the transform of this view alone, the legend (linear
// colours off, interval, rows and colours), and last the activation. Marks
// the view dirty, so the next paint recomputes its colours.
void ApplyViewSettings(const ViewSessionSettings& settings, ViewModel& view, SessionWindow& window);

// Writes the view's section; loads it, doing nothing when the file has no
// section of the view's kind.
void SaveViewSettings(TFloatIniFile& ini, const ViewModel& view, const SessionWindow& window);
void LoadViewSettings(const TFloatIniFile& ini, ViewModel& view, SessionWindow& window);

// ---- the session file ----

// One view of a project as the session walk sees it.
struct SessionView {
  ViewModel* Model = nullptr;
  SessionWindow* Window = nullptr;
  ProjectView* View = nullptr;  // painting suspended around loading; may be null
};

// Where the session file is read and written (the program's folder or the
// user's config folder); tests point it elsewhere.
const platform::SessionLocation& SessionFileLocation();
void SetSessionFileLocation(const platform::SessionLocation& location);

// Writes the views in order into the session file at `path` (created when
// missing, other sections kept). Raises base::EFileError when that fails.
void SaveSessionFile(const QString& path, const std::vector<SessionView>& views);
// When `path` names an existing file: suspends painting of every view,
// reads them in order, resumes painting (which repaints); true. False when
// there is no file. Raises base::EFileError when the file cannot be read.
bool LoadSessionFile(const QString& path, const std::vector<SessionView>& views);

// ---- what the project and a view's keys call ----

// All views of a project (views that are no view windows are left out of the
// file but still suspended while loading).
void SaveProjectSession(const std::vector<std::unique_ptr<ProjectView>>& views);
bool LoadProjectSession(const std::vector<std::unique_ptr<ProjectView>>& views);
// One view alone (key W).
void SaveViewSession(TfrmGLBase& view);
