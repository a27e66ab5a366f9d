#include "viewer/view/SessionFile.h"

#include "base/Convert.h"
#include "viewer/view/ProjectView.h"
#include "viewer/view/SessionWindow.h"
#include "viewer/view/TFloatIniFile.h"
#include "viewer/view/TfrmGLBase.h"
#include "viewer/widgets/ColorLegendModel.h"

#include <QFileInfo>

#include <cmath>

namespace {

// Window coordinates and sizes a screen can have; anything else in a file is
// garbage.
constexpr int MaxCoordinate = 32767;

struct FlagKey {
  const char* key;
  TDrawFlag flag;
};
constexpr FlagKey FlagKeys[] = {
    {"Colorized", dfColorized}, {"WireFrame", dfWireFrame}, {"Outline", dfOutline},
    {"Arrow", dfArrow},         {"ArrowNorm", dfArrowNorm}, {"ArrowLog", dfArrowLog},
};

// The nine transform values, in the order they are written. Scales are
// zoom factors: 0 would collapse the drawing, so a stored 0 is refused.
struct TransformKey {
  const char* key;
  float ViewSessionSettings::*setting;
  float ViewTransform::*transform;
  bool isScale;
};
constexpr TransformKey TransformKeys[] = {
    {"TransX", &ViewSessionSettings::TransX, &ViewTransform::TranX, false},
    {"TransY", &ViewSessionSettings::TransY, &ViewTransform::TranY, false},
    {"TransZ", &ViewSessionSettings::TransZ, &ViewTransform::TranZ, false},
    {"AngleX", &ViewSessionSettings::AngleX, &ViewTransform::AngleX, false},
    {"AngleY", &ViewSessionSettings::AngleY, &ViewTransform::AngleY, false},
    {"AngleZ", &ViewSessionSettings::AngleZ, &ViewTransform::AngleZ, false},
    {"ScaleX", &ViewSessionSettings::ScaleX, &ViewTransform::ScaleX, true},
    {"ScaleY", &ViewSessionSettings::ScaleY, &ViewTransform::ScaleY, true},
    {"ScaleZ", &ViewSessionSettings::ScaleZ, &ViewTransform::ScaleZ, true},
};

QString Key(const char* key) {
  return QString::fromLatin1(key);
}

QString ColorKey(int i) {
  return QStringLiteral("Color%1").arg(i);
}

bool IsDepthFunc(unsigned f) {
  return f >= 0x0200 && f <= 0x0207;  // GL_NEVER .. GL_ALWAYS
}

bool IsShadeModel(unsigned m) {
  return m == ViewModel::glFlat || m == ViewModel::glSmooth;
}

bool IsColor(base::TColor c) {
  const unsigned top = c >> 24;
  return top == 0 || top == 0xFF;  // RGB or a system colour
}

// The integer of `key` when it passes `valid`, else `current`.
template <class Valid>
int ReadChecked(const TFloatIniFile& ini, const QString& section, const char* key, int current,
                Valid valid) {
  const int v = ini.ReadInteger(section, Key(key), current);
  return valid(v) ? v : current;
}

float ReadSingle(const TFloatIniFile& ini, const QString& section, const char* key, float current) {
  return ini.ReadSingle(section, Key(key), current);
}

std::optional<base::TColor> ReadColor(const TFloatIniFile& ini, const QString& section,
                                      const QString& key) {
  int v = 0;
  if (!base::TryStrToInt(ini.ReadString(section, key, QString()), v)) return std::nullopt;
  const auto c = base::TColor(v);
  if (!IsColor(c)) return std::nullopt;
  return c;
}

void SetLoading(const SessionView& view, bool loading) {
  if (view.View != nullptr)
    view.View->SetLoading(loading);
  else if (view.Model != nullptr)
    view.Model->SetLoading(loading);
}

// Session views of a project's view windows; other views come without model.
struct ProjectSessionViews {
  std::vector<std::unique_ptr<WidgetSessionWindow>> windows;
  std::vector<SessionView> views;

  explicit ProjectSessionViews(const std::vector<std::unique_ptr<ProjectView>>& projectViews) {
    for (const auto& pv : projectViews) {
      SessionView entry;
      entry.View = pv.get();
      if (auto* view = dynamic_cast<TfrmGLBase*>(pv.get())) {
        windows.push_back(std::make_unique<WidgetSessionWindow>(*view));
        entry.Model = &view->Model();
        entry.Window = windows.back().get();
      }
      views.push_back(entry);
    }
  }
};

platform::SessionLocation& LocationStore() {
  static platform::SessionLocation location = platform::SessionLocation::Default();
  return location;
}

}  // namespace

QString SessionSection(TDataKind kind) {
  return DataKindIniName(kind);
}

// ---- one view ----

ViewSessionSettings CaptureViewSettings(const ViewModel& view, const SessionWindow& window) {
  ViewSessionSettings s;
  s.DrawFlags = view.DrawFlags();
  s.Shade = view.ShadeModel();
  s.Threshold = view.Threshold();
  s.GridDepthTest = view.GridDepthFunc();
  s.MatDepthTest = view.MatDepthFunc();
  s.Scale = view.ArrowScale();
  for (const TransformKey& k : TransformKeys) s.*k.setting = view.Transform().*k.transform;
  const ColorLegendModel& legend = view.Legend();
  s.nColors = legend.BoxCount();
  for (int i = 1; i <= s.nColors; ++i) s.Colors.emplace_back(legend.GetBoxColor(i));
  s.LinCol = legend.ColorsLinear();
  s.MinCol = legend.MinValAct();
  s.MaxCol = legend.MaxValAct();
  s.Bounds = window.Bounds();
  s.WindowState = window.WindowState();
  s.Active = window.IsActive();
  return s;
}

void WriteViewSettings(TFloatIniFile& ini, const QString& section, const ViewSessionSettings& s) {
  for (const FlagKey& f : FlagKeys) ini.WriteBool(section, Key(f.key), (s.DrawFlags & f.flag) != 0);
  ini.WriteInteger(section, Key("Shade"), int(s.Shade));
  ini.WriteSingle(section, Key("Threshold"), s.Threshold);
  ini.WriteInteger(section, Key("GridDepthTest"), int(s.GridDepthTest));
  ini.WriteInteger(section, Key("MatDepthTest"), int(s.MatDepthTest));
  ini.WriteSingle(section, Key("Scale"), s.Scale);
  for (const TransformKey& k : TransformKeys) ini.WriteSingle(section, Key(k.key), s.*k.setting);
  ini.WriteInteger(section, Key("nColors"), s.nColors);
  // Key numbers start at 0: Color0 is the colour of row 1.
  for (int i = 0; i < s.nColors && i < int(s.Colors.size()); ++i)
    ini.WriteInteger(section, ColorKey(i), int(s.Colors[std::size_t(i)].value_or(0)));
  ini.WriteBool(section, Key("LinCol"), s.LinCol);
  ini.WriteFloat(section, Key("MinCol"), s.MinCol);
  ini.WriteFloat(section, Key("MaxCol"), s.MaxCol);
  ini.WriteInteger(section, Key("Left"), s.Bounds.left());
  ini.WriteInteger(section, Key("Top"), s.Bounds.top());
  ini.WriteInteger(section, Key("Width"), s.Bounds.width());
  ini.WriteInteger(section, Key("Height"), s.Bounds.height());
  ini.WriteInteger(section, Key("WindowState"), s.WindowState);
  ini.WriteBool(section, Key("Active"), s.Active);
}

ViewSessionSettings ReadViewSettings(const TFloatIniFile& ini, const QString& section,
                                     const ViewSessionSettings& current) {
  ViewSessionSettings s = current;
  for (const FlagKey& f : FlagKeys)
    if (ini.ReadBool(section, Key(f.key), false)) s.DrawFlags |= f.flag;

  s.Shade = unsigned(ReadChecked(ini, section, "Shade", int(current.Shade),
                                 [](int v) { return IsShadeModel(unsigned(v)); }));
  const float threshold = ReadSingle(ini, section, "Threshold", current.Threshold);
  if (threshold > 0.0f && threshold <= 1.0f) s.Threshold = threshold;
  s.GridDepthTest = unsigned(ReadChecked(ini, section, "GridDepthTest", int(current.GridDepthTest),
                                         [](int v) { return IsDepthFunc(unsigned(v)); }));
  s.MatDepthTest = unsigned(ReadChecked(ini, section, "MatDepthTest", int(current.MatDepthTest),
                                        [](int v) { return IsDepthFunc(unsigned(v)); }));
  s.Scale = ReadSingle(ini, section, "Scale", current.Scale);

  for (const TransformKey& k : TransformKeys) {
    const float v = ReadSingle(ini, section, k.key, current.*k.setting);
    if (!(k.isScale && v == 0.0f)) s.*k.setting = v;
  }

  // "LinCol" is written but not read: loaded colours are set row by row.
  s.LinCol = false;
  s.MinCol = ini.ReadFloat(section, Key("MinCol"), current.MinCol);
  s.MaxCol = ini.ReadFloat(section, Key("MaxCol"), current.MaxCol);
  s.nColors = ReadChecked(ini, section, "nColors", 0,
                          [](int v) { return v >= 1 && v <= ColorLegendModel::MaxBoxCount; });
  s.Colors.clear();
  for (int i = 0; i < s.nColors; ++i) s.Colors.push_back(ReadColor(ini, section, ColorKey(i)));

  const auto coordinate = [](int v) { return v >= -MaxCoordinate - 1 && v <= MaxCoordinate; };
  const auto extent = [](int v) { return v >= 1 && v <= MaxCoordinate; };
  s.Bounds = QRect(ReadChecked(ini, section, "Left", current.Bounds.left(), coordinate),
                   ReadChecked(ini, section, "Top", current.Bounds.top(), coordinate),
                   ReadChecked(ini, section, "Width", current.Bounds.width(), extent),
                   ReadChecked(ini, section, "Height", current.Bounds.height(), extent));
  s.WindowState = ReadChecked(ini, section, "WindowState", current.WindowState,
                              [](int v) { return v >= 0 && v <= 2; });
  s.Active = ini.ReadBool(section, Key("Active"), false);
  return s;
}

void ApplyViewSettings(const ViewSessionSettings& s, ViewModel& view, SessionWindow& window) {
  // Placement first: the view fits its scale to the window on every resize,
  // and the stored zoom must win over that fit.
  if (window.WindowState() != SessionWindow::Normal) window.SetWindowState(SessionWindow::Normal);
  if (s.Bounds.isValid() && s.Bounds != window.Bounds()) window.SetBounds(s.Bounds);
  if (s.WindowState != SessionWindow::Normal) window.SetWindowState(s.WindowState);

  view.SetDrawFlags(s.DrawFlags);
  view.SetShadeModel(s.Shade);
  view.SetThreshold(s.Threshold);
  view.SetGridDepthFunc(s.GridDepthTest);
  view.SetMatDepthFunc(s.MatDepthTest);
  view.SetArrowScale(s.Scale);

  // This view alone, not through the setters shared by the scalar views.
  ViewTransform& t = view.TransformForUpdate();
  for (const TransformKey& k : TransformKeys) t.*k.transform = s.*k.setting;

  ColorLegendModel& legend = view.Legend();
  legend.SetColorsLinear(false);
  legend.SetMinValAct(s.MinCol);
  legend.SetMaxValAct(s.MaxCol);
  if (s.nColors >= 1 && s.nColors <= ColorLegendModel::MaxBoxCount) {
    legend.SetBoxCount(s.nColors);
    for (int i = 0; i < s.nColors && i < int(s.Colors.size()); ++i)
      if (const auto& c = s.Colors[std::size_t(i)]) legend.SetBoxColor(i + 1, *c);
  }
  // Legend changes are not followed while painting is suspended.
  view.SetDirty();

  if (s.Active) window.Activate();
}

void SaveViewSettings(TFloatIniFile& ini, const ViewModel& view, const SessionWindow& window) {
  WriteViewSettings(ini, SessionSection(view.Kind()), CaptureViewSettings(view, window));
}

void LoadViewSettings(const TFloatIniFile& ini, ViewModel& view, SessionWindow& window) {
  const QString section = SessionSection(view.Kind());
  if (!ini.SectionExists(section)) return;
  ApplyViewSettings(ReadViewSettings(ini, section, CaptureViewSettings(view, window)), view,
                    window);
}

// ---- the session file ----

const platform::SessionLocation& SessionFileLocation() {
  return LocationStore();
}

void SetSessionFileLocation(const platform::SessionLocation& location) {
  LocationStore() = location;
}

void SaveSessionFile(const QString& path, const std::vector<SessionView>& views) {
  TFloatIniFile ini(path);
  for (const SessionView& v : views)
    if (v.Model != nullptr && v.Window != nullptr) SaveViewSettings(ini, *v.Model, *v.Window);
  ini.UpdateFile();
}

bool LoadSessionFile(const QString& path, const std::vector<SessionView>& views) {
  if (path.isEmpty() || !QFileInfo(path).isFile()) return false;
  const TFloatIniFile ini(path);

  for (const SessionView& v : views) SetLoading(v, true);
  struct Resume {
    const std::vector<SessionView>& views;
    ~Resume() {
      for (const SessionView& v : views) SetLoading(v, false);
    }
  } resume{views};

  for (const SessionView& v : views)
    if (v.Model != nullptr && v.Window != nullptr) LoadViewSettings(ini, *v.Model, *v.Window);
  return true;
}

// ---- project and keys ----

void SaveProjectSession(const std::vector<std::unique_ptr<ProjectView>>& views) {
  const ProjectSessionViews session(views);
  SaveSessionFile(SessionFileLocation().ForWriting(), session.views);
}

bool LoadProjectSession(const std::vector<std::unique_ptr<ProjectView>>& views) {
  const ProjectSessionViews session(views);
  return LoadSessionFile(SessionFileLocation().ForReading(), session.views);
}

void SaveViewSession(TfrmGLBase& view) {
  WidgetSessionWindow window(view);
  SaveSessionFile(SessionFileLocation().ForWriting(), {SessionView{&view.Model(), &window, &view}});
}
