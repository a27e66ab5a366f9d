#include "viewer/view/ViewPopupMenus.h"

#include "base/Convert.h"
#include "base/Format.h"
#include "base/FormatFloat.h"
#include "platform/TApplication.h"
#include "resultdata/InputQuery.h"
#include "viewer/view/InitialConditionsExport.h"
#include "viewer/view/LegendFile.h"
#include "viewer/view/TfrmData1D.h"
#include "viewer/view/TfrmGLBase.h"
#include "viewer/view/ViewHost.h"
#include "viewer/widgets/ColorLegendModel.h"
#include "viewer/widgets/TColorScrollBox.h"

#include <QAction>
#include <QMenu>
#include <QOpenGLWidget>

#include <cmath>
#include <limits>

namespace {

constexpr unsigned glEqual = 0x0202, glGreater = 0x0204, glGequal = 0x0206;

// The depth functions of the (hidden) "detail" submenus, with their entries.
struct DepthEntry {
  const char* stem;
  const char* caption;
  unsigned func;
};
constexpr DepthEntry DepthEntries[] = {
    {"less", "&less", ViewModel::glLess}, {"lequal", "leq&ual", ViewModel::glLequal},
    {"equal", "&equal", glEqual},         {"gequal", "ge&qual", glGequal},
    {"greater", "&greater", glGreater},   {"always", "&always", ViewModel::glAlways},
};

// Zoom in and out by the increment 1.25: the factor 1 + 1.25 / 10.
constexpr float ZoomMenuIncrement = 1.25f;

// A value a single can hold and a drawing can use.
bool IsUsableSingle(double v) {
  return std::isfinite(v) && std::fabs(v) <= double(std::numeric_limits<float>::max());
}

}  // namespace

const QString ViewPopupMenus::LegendFilter = QStringLiteral("Norbex Legend|*.leg");
const QString ViewPopupMenus::TextFilter = QStringLiteral("Textfiles (*.txt)|*.txt|All Files|*.*");

ViewPopupMenus::ViewPopupMenus(TfrmGLBase& view)
    : QObject(&view),
      view_(view),
      legend_(view.csb),
      dialogs_(std::make_unique<QtViewDialogs>(&view)) {
  setObjectName(QStringLiteral("ViewPopupMenus"));
  buildPopupMenu1();
  buildPmcsb();

  RereadStep = [this] { view_.Project().RereadStep(); };

  // Right-clicks anywhere on the window open PopupMenu1, on the legend pmcsb.
  view_.setContextMenuPolicy(Qt::CustomContextMenu);
  connect(&view_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { showMenu(popupMenu1_, view_.mapToGlobal(pos)); });
  view_.csb->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(view_.csb, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { showMenu(pmcsb_, view_.csb->mapToGlobal(pos)); });
  connect(popupMenu1_, &QMenu::aboutToShow, this, [this] { PopupMenu1Popup(); });
  connect(pmcsb_, &QMenu::aboutToShow, this, [this] { pmcsbPopup(); });

  view_.csb->Model().OnColorBoxClick = [this](int index, base::TColor& color, QStringList& custom) {
    csbColorBoxClick(index, color, custom);
  };
}

ViewPopupMenus::~ViewPopupMenus() {
  // The window destroys its children in creation order: the legend may be
  // gone already.
  if (legend_) legend_->Model().OnColorBoxClick = nullptr;
}

void ViewPopupMenus::SetDialogs(std::unique_ptr<ViewDialogs> dialogs) {
  if (dialogs) dialogs_ = std::move(dialogs);
}

void ViewPopupMenus::showMenu(QMenu* menu, const QPoint& globalPos) {
  // popup() does not run a local event loop; aboutToShow sets the entries.
  menu->popup(globalPos);
}

// ---- building ----

QAction* ViewPopupMenus::addItem(QMenu* menu, const char* name, const QString& caption,
                                 std::function<void()> handler, bool checkable) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  action->setCheckable(checkable);
  if (handler)
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] {
      TApplication::Guarded([&] {
        handler();
        return true;
      });
    });
  return action;
}

QMenu* ViewPopupMenus::addSubmenu(QMenu* menu, const char* name, const QString& caption) {
  QMenu* sub = menu->addMenu(caption);
  sub->setObjectName(QString::fromLatin1(name));
  sub->menuAction()->setObjectName(QString::fromLatin1(name));
  return sub;
}

void ViewPopupMenus::buildPopupMenu1() {
  popupMenu1_ = new QMenu(&view_);
  popupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
  QMenu* m = popupMenu1_;

  QMenu* drawing = addSubmenu(m, "drawingmode1", QStringLiteral("&drawing mode"));
  addItem(
      drawing, "normalized1", QStringLiteral("&normalized"), [this] { normalized1Click(); }, true);
  addItem(drawing, "threshold1", QStringLiteral("&threshold"), [this] { threshold1Click(); });
  addItem(
      drawing, "logarithmic2", QStringLiteral("&logarithmic"), [this] { logarithmic2Click(); },
      true);
  addItem(drawing, "scaling1", QStringLiteral("&scaling..."), [this] { scaling1Click(); });
  addItem(
      drawing, "fill1", QStringLiteral("&wireframe"), [this] { fill1Click(); }, true);

  QMenu* shade = addSubmenu(m, "shademodel1", QStringLiteral("&shade model"));
  addItem(
      shade, "flat1", QStringLiteral("&flat"), [this] { ShadeModelClick(ViewModel::glFlat); },
      true);
  addItem(
      shade, "smooth1", QStringLiteral("&smooth"), [this] { ShadeModelClick(ViewModel::glSmooth); },
      true);

  QMenu* grid = addSubmenu(m, "grid2", QStringLiteral("&grid"));
  addItem(
      grid, "Grid1", QStringLiteral("&visible"), [this] { Grid1Click(); }, true);
  addItem(
      grid, "depthtest1", QStringLiteral("&depth test"), [this] { depthtest1Click(); }, true);
  QMenu* gridDetail = addSubmenu(grid, "detail1", QStringLiteral("detail"));
  gridDetail->menuAction()->setVisible(false);

  QMenu* borders = addSubmenu(m, "materialborders1", QStringLiteral("&material borders"));
  addItem(
      borders, "visible2", QStringLiteral("&visible"), [this] { visible2Click(); }, true);
  addItem(
      borders, "depthtest2", QStringLiteral("&depth test"), [this] { depthtest2Click(); }, true);
  QMenu* matDetail = addSubmenu(borders, "detail2", QStringLiteral("detail"));
  matDetail->menuAction()->setVisible(false);

  for (const DepthEntry& e : DepthEntries) {
    const QByteArray gridName = QByteArray(e.stem) + "1";
    const QByteArray matName = QByteArray(e.stem) + "2";
    const unsigned func = e.func;
    addItem(
        gridDetail, gridName.constData(), QString::fromLatin1(e.caption),
        [this, func] { GridDepthClick(func); }, true);
    addItem(
        matDetail, matName.constData(), QString::fromLatin1(e.caption),
        [this, func] { MatDepthClick(func); }, true);
  }

  QMenu* side = addSubmenu(m, "sidepanel1", QStringLiteral("side &panel"));
  addItem(
      side, "visible1", QStringLiteral("&visible"), [this] { visible1Click(); }, true);
  addItem(
      side, "lighted1", QStringLiteral("&lighted"), [this] { lighted1Click(); }, true);
  QMenu* numbering = addSubmenu(side, "numbering1", QStringLiteral("&numbering"));
  addItem(
      numbering, "enabled1", QStringLiteral("&enabled"), [this] { enabled1Click(); }, true);
  addItem(numbering, "format1", QStringLiteral("&format"), [this] { format1Click(); });

  QMenu* bounds = addSubmenu(m, "boundaries1", QStringLiteral("&boundaries"));
  addItem(
      bounds, "top1", QStringLiteral("&top"), [this] { BoundaryClick(bsTop); }, true);
  addItem(
      bounds, "left1", QStringLiteral("&left"), [this] { BoundaryClick(bsLeft); }, true);
  addItem(
      bounds, "bottom1", QStringLiteral("&bottom"), [this] { BoundaryClick(bsBottom); }, true);
  addItem(
      bounds, "right1", QStringLiteral("&right"), [this] { BoundaryClick(bsRight); }, true);

  QMenu* zoom = addSubmenu(m, "zoom1", QStringLiteral("&zoom"));
  QMenu* factor = addSubmenu(zoom, "factor1", QStringLiteral("&factor"));
  addItem(factor, "x1", QStringLiteral("&x"), [this] { ZoomFactorClick(0); });
  addItem(factor, "y1", QStringLiteral("&y"), [this] { ZoomFactorClick(1); });
  addItem(factor, "z1", QStringLiteral("&z"), [this] { ZoomFactorClick(2); });
  addItem(zoom, "in1", QStringLiteral("&in"), [this] { ZoomClick(false); });
  addItem(zoom, "out1", QStringLiteral("&out"), [this] { ZoomClick(true); });

  QMenu* extract = addSubmenu(m, "extract1", QStringLiteral("&extract"));
  QAction* initial = addItem(extract, "initialconditions1", QStringLiteral("initial conditions"),
                             [this] { initialconditions1Click(); });
  initial->setVisible(HasInitialConditions(view_.Kind()));
  addItem(extract, "Data1", QStringLiteral("&data"), [this] { Data1Click(); });
  addItem(extract, "image1", QStringLiteral("&image"), nullptr)->setVisible(false);
}

void ViewPopupMenus::buildPmcsb() {
  pmcsb_ = new QMenu(&view_);
  pmcsb_->setObjectName(QStringLiteral("pmcsb"));
  QMenu* m = pmcsb_;
  addItem(m, "numberofcolors1", QStringLiteral("&number of colors"),
          [this] { numberofcolors1Click(); });
  addItem(m, "deletecolor1", QStringLiteral("&delete color"), [this] {
    deletecolor1Click();
  })->setVisible(false);
  addItem(
      m, "linearizecolors1", QStringLiteral("&linearize colors"),
      [this] { linearizecolors1Click(); }, true);
  QMenu* interval = addSubmenu(m, "interval1", QStringLiteral("&interval"));
  addItem(interval, "lowerbound1", QStringLiteral("&lowerbound"), [this] { lowerbound1Click(); });
  addItem(interval, "upperbound1", QStringLiteral("&upperbound"), [this] { upperbound1Click(); });
  addItem(m, "copytoclipboard1", QStringLiteral("&copy to clipboard"),
          [this] { copytoclipboard1Click(); });
  addItem(m, "export1", QStringLiteral("export..."), [this] { export1Click(); });
  addItem(m, "import1", QStringLiteral("import..."), [this] { import1Click(); });
}

QAction* ViewPopupMenus::Item(const QString& name) const {
  for (QMenu* menu : {popupMenu1_, pmcsb_}) {
    // Entries and submenus are children of the menu they were added to.
    const QList<QAction*> found = menu->findChildren<QAction*>(name);
    if (!found.isEmpty()) return found.constFirst();
  }
  return nullptr;
}

void ViewPopupMenus::setCheck(const char* name, bool checked) {
  if (QAction* a = Item(QString::fromLatin1(name))) a->setChecked(checked);
}

void ViewPopupMenus::setVisible(const char* name, bool visible) {
  if (QAction* a = Item(QString::fromLatin1(name))) a->setVisible(visible);
}

// ---- on opening ----

void ViewPopupMenus::PopupMenu1Popup() {
  view_.Project().Pause();
  const ViewModel& m = view_.Model();
  const bool arrow = m.HasFlag(dfArrow);

  setCheck("normalized1", m.HasFlag(dfArrowNorm));
  setVisible("normalized1", arrow);
  setVisible("threshold1", Item(QStringLiteral("normalized1"))->isChecked());
  setCheck("logarithmic2", m.HasFlag(dfArrowLog));
  setVisible("logarithmic2", arrow);
  setVisible("scaling1", arrow);
  setCheck("fill1", m.HasFlag(dfWireFrame));
  setVisible("fill1", !arrow);

  setVisible("shademodel1", !arrow);
  setCheck("flat1", m.ShadeModel() == ViewModel::glFlat);
  setCheck("smooth1", m.ShadeModel() == ViewModel::glSmooth);

  setCheck("Grid1", m.HasFlag(dfOutline));
  setCheck("depthtest1", m.GridDepthFunc() != ViewModel::glAlways);
  Item(QStringLiteral("depthtest1"))->setEnabled(m.HasFlag(dfOutline));
  setCheck("visible2", m.HasFlag(dfMaterialBorders));
  setCheck("depthtest2", m.MatDepthFunc() != ViewModel::glAlways);
  Item(QStringLiteral("depthtest2"))->setEnabled(m.HasFlag(dfMaterialBorders));
  for (const DepthEntry& e : DepthEntries) {
    setCheck((QByteArray(e.stem) + "1").constData(), m.GridDepthFunc() == e.func);
    setCheck((QByteArray(e.stem) + "2").constData(), m.MatDepthFunc() == e.func);
  }

  setVisible("sidepanel1", !arrow);
  setCheck("visible1", m.HasFlag(dfSidePanel));
  setCheck("lighted1", m.SidePanelLighted());
  setCheck("enabled1", m.NumberingEnabled());

  setVisible("boundaries1", m.Kind() == dkRelHumidity || m.Kind() == dkTemperature);
  setCheck("top1", (m.BoundarySides() & bsTop) != 0);
  setCheck("left1", (m.BoundarySides() & bsLeft) != 0);
  setCheck("bottom1", (m.BoundarySides() & bsBottom) != 0);
  setCheck("right1", (m.BoundarySides() & bsRight) != 0);

  setVisible("initialconditions1", HasInitialConditions(m.Kind()));
}

void ViewPopupMenus::pmcsbPopup() {
  setCheck("linearizecolors1", view_.csb->Model().ColorsLinear());
}

// ---- helpers ----

void ViewPopupMenus::repaint() {
  view_.FormPaint();
}

bool ViewPopupMenus::querySingle(const QString& caption, const QString& prompt, float& value) {
  const std::optional<QString> text = dialogs_->AskText(caption, prompt, SingleToInputText(value));
  if (!text) return false;
  value = InputTextToSingle(*text);  // raises the conversion error for a text that is no number
  return true;
}

// ---- PopupMenu1 ----

void ViewPopupMenus::normalized1Click() {
  ViewModel& m = view_.Model();
  if (!m.HasFlag(dfArrow)) return;
  m.SetFlag(dfArrowNorm, !m.HasFlag(dfArrowNorm));
  repaint();
}

void ViewPopupMenus::threshold1Click() {
  float value = view_.Model().Threshold();
  // Values outside (0, 1] are ignored by the model.
  if (querySingle(QStringLiteral("Random threshold"), QStringLiteral("Enter threshold value"),
                  value))
    view_.Model().SetThreshold(value);
}

void ViewPopupMenus::logarithmic2Click() {
  ViewModel& m = view_.Model();
  m.SetFlag(dfArrowLog, !m.HasFlag(dfArrowLog));
  repaint();
  if (QAction* a = Item(QStringLiteral("logarithmic2"))) a->setChecked(m.HasFlag(dfArrowLog));
}

void ViewPopupMenus::scaling1Click() {
  ViewModel& m = view_.Model();
  const QString shown = base::FloatToStrF(double(m.ArrowScale()), base::ffGeneral, 4, 8);
  for (;;) {
    const std::optional<QString> text = dialogs_->AskText(
        QStringLiteral("drawing mode:scaling"), QStringLiteral("Enter factor of scaling"), shown);
    if (!text) return;
    double value = 0;
    if (base::TryStrToFloat(*text, value) && IsUsableSingle(value)) {
      m.SetArrowScale(float(value));
      return;
    }
  }
}

void ViewPopupMenus::fill1Click() {
  ViewModel& m = view_.Model();
  m.SetFlag(dfWireFrame, !m.HasFlag(dfWireFrame));
  repaint();
}

void ViewPopupMenus::ShadeModelClick(unsigned shadeModel) {
  view_.Model().SetShadeModel(shadeModel);
  repaint();
}

void ViewPopupMenus::Grid1Click() {
  ViewModel& m = view_.Model();
  m.SetFlag(dfOutline, !m.HasFlag(dfOutline));
  repaint();
}

void ViewPopupMenus::depthtest1Click() {
  ViewModel& m = view_.Model();
  m.SetGridDepthFunc(m.GridDepthFunc() != ViewModel::glLequal ? ViewModel::glLequal
                                                              : ViewModel::glAlways);
  repaint();
}

void ViewPopupMenus::visible2Click() {
  ViewModel& m = view_.Model();
  m.SetFlag(dfMaterialBorders, !m.HasFlag(dfMaterialBorders));
  repaint();
}

void ViewPopupMenus::depthtest2Click() {
  ViewModel& m = view_.Model();
  m.SetMatDepthFunc(m.MatDepthFunc() != ViewModel::glLequal ? ViewModel::glLequal
                                                            : ViewModel::glAlways);
  repaint();
}

void ViewPopupMenus::GridDepthClick(unsigned depthFunc) {
  view_.Model().SetGridDepthFunc(depthFunc);
  repaint();
}

void ViewPopupMenus::MatDepthClick(unsigned depthFunc) {
  view_.Model().SetMatDepthFunc(depthFunc);
  repaint();
}

void ViewPopupMenus::visible1Click() {
  ViewModel& m = view_.Model();
  m.SetFlag(dfSidePanel, !m.HasFlag(dfSidePanel));
  repaint();
}

void ViewPopupMenus::lighted1Click() {
  ViewModel& m = view_.Model();
  m.SetSidePanelLighted(!m.SidePanelLighted());
  repaint();
}

void ViewPopupMenus::enabled1Click() {
  ViewModel& m = view_.Model();
  m.SetNumberingEnabled(!m.NumberingEnabled());
  repaint();
}

void ViewPopupMenus::format1Click() {
  ViewModel& m = view_.Model();
  const std::optional<QString> answer = dialogs_->AskText(
      QStringLiteral("Change number format"), QStringLiteral("Format specifier"), m.NumberFormat());
  if (!answer) return;
  // The side panel formats one number with it: exactly one float conversion
  // and literal text, nothing that reads a second argument.
  if (!base::IsSingleFloatFormat(*answer)) {
    dialogs_->ShowMessage(QStringLiteral("Error"), QStringLiteral("Invalid format spezifier"));
    return;
  }
  m.SetNumberFormat(*answer);
}

void ViewPopupMenus::BoundaryClick(int bit) {
  ViewModel& m = view_.Model();
  m.SetBoundarySides(std::uint8_t(m.BoundarySides() ^ bit));
  repaint();
}

void ViewPopupMenus::ZoomFactorClick(int axis) {
  ViewModel& m = view_.Model();
  const ViewTransform& t = m.Transform();
  const float current = axis == 0 ? t.ScaleX : axis == 1 ? t.ScaleY : t.ScaleZ;
  static const char* const prompts[] = {"x-zoom", "y-zoom", "z-zoom"};
  const std::optional<QString> answer =
      dialogs_->AskText(QStringLiteral("Change zoom factor"), QString::fromLatin1(prompts[axis]),
                        base::FloatToStr(double(current)));
  if (!answer) return;
  double value = 0;
  // A zero or infinite scale would leave nothing to see and nothing to pick.
  if (!base::TryStrToFloat(*answer, value) || !IsUsableSingle(value) || value == 0.0) {
    dialogs_->ShowMessage(QStringLiteral("Error"), QStringLiteral("Invalid zoom factor"));
    return;
  }
  if (axis == 0) m.SetScaleX(float(value));
  if (axis == 1) m.SetScaleY(float(value));
  if (axis == 2) m.SetScaleZ(float(value));
}

void ViewPopupMenus::ZoomClick(bool out) {
  ViewModel& m = view_.Model();
  float f = ZoomMenuIncrement / 10.0f + 1.0f;
  if (out) f = 1.0f / f;
  const ViewTransform t = m.Transform();
  m.SetScaleX(t.ScaleX * f);
  m.SetScaleY(t.ScaleY * f);
  m.SetScaleZ(t.ScaleZ * f);
  repaint();
}

void ViewPopupMenus::Data1Click() {
  auto* window = new TfrmData1D(view_.Project(), view_.Kind(), view_.window());
  window->setWindowModality(Qt::ApplicationModal);
  window->show();
}

void ViewPopupMenus::initialconditions1Click() {
  const bool written = RunInitialConditionsExport(view_.Project(), view_.Kind(), [this] {
    return dialogs_->SaveFileName(TextFilter, QStringLiteral("txt"));
  });
  if (written && RereadStep) RereadStep();
}

// ---- pmcsb ----

void ViewPopupMenus::numberofcolors1Click() {
  ColorLegendModel& legend = view_.csb->Model();
  const std::optional<QString> text =
      dialogs_->AskText(QStringLiteral("colors"), QStringLiteral("Enter number of colors"),
                        IntegerToInputText(legend.BoxCount()));
  if (!text) return;
  const int n = InputTextToInteger(*text);
  // A legend has 1 to 255 rows; other counts are ignored.
  if (n < 1 || n > ColorLegendModel::MaxBoxCount) return;
  legend.SetBoxCount(n);
  view_.Project().UpdateViews();
}

void ViewPopupMenus::deletecolor1Click() {
  view_.csb->Model().DeleteSelectedColor();
  view_.Project().UpdateViews();
}

void ViewPopupMenus::linearizecolors1Click() {
  ColorLegendModel& legend = view_.csb->Model();
  legend.SetColorsLinear(!legend.ColorsLinear());
  view_.Project().UpdateViews();
}

void ViewPopupMenus::lowerbound1Click() {
  ColorLegendModel& legend = view_.csb->Model();
  float value = float(legend.MinValAct());
  if (!querySingle(QStringLiteral("interval:lowerbound"),
                   QStringLiteral("Enter lowerbound of interval"), value))
    return;
  legend.SetMinValAct(double(value));
  view_.Model().SetDirty();
  repaint();
}

void ViewPopupMenus::upperbound1Click() {
  ColorLegendModel& legend = view_.csb->Model();
  float value = float(legend.MaxValAct());
  if (!querySingle(QStringLiteral("interval:upperbound"),
                   QStringLiteral("Enter upperbound of interval"), value))
    return;
  legend.SetMaxValAct(double(value));
  view_.Model().SetDirty();
  repaint();
}

void ViewPopupMenus::copytoclipboard1Click() {
  view_.csb->CopyToClipboard();
}

void ViewPopupMenus::export1Click() {
  const QString path = dialogs_->SaveFileName(LegendFilter, QStringLiteral("leg"));
  if (path.isEmpty()) return;
  ExportLegendFile(view_.csb->Model(), path);
}

void ViewPopupMenus::import1Click() {
  const QString path = dialogs_->OpenFileName(LegendFilter, QStringLiteral("leg"));
  if (path.isEmpty()) return;
  ColorLegendModel& legend = view_.csb->Model();
  ImportLegendFile(legend, path);
  // As a change of the legend's colours: recompute and repaint.
  if (legend.OnColorChanged) legend.OnColorChanged();
}

void ViewPopupMenus::csbColorBoxClick(int, base::TColor& color, QStringList& customColors) {
  TColorScrollBox* csb = view_.csb;
  if (!csb->ChooseColor) return;
  base::TColor chosen = color;
  QStringList custom = customColors;
  if (!csb->ChooseColor(chosen, custom)) return;
  color = chosen;
  customColors = custom;
}

// ---- installation ----

ViewPopupMenus& InstallViewPopupMenus(TfrmGLBase& view) {
  if (ViewPopupMenus* existing = ViewPopupMenusOf(view)) return *existing;
  return *new ViewPopupMenus(view);
}

ViewPopupMenus* ViewPopupMenusOf(const TfrmGLBase& view) {
  return view.findChild<ViewPopupMenus*>(QStringLiteral("ViewPopupMenus"),
                                         Qt::FindDirectChildrenOnly);
}
