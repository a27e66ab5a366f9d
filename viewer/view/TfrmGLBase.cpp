#include "viewer/view/TfrmGLBase.h"

#include "base/Colors.h"
#include "gl/TTransformationManager.h"
#include "viewer/view/ViewHost.h"
#include "viewer/view/ViewNavigationInput.h"
#include "viewer/view/ViewPopupMenus.h"
#include "viewer/widgets/TColorScrollBox.h"
#include "viewer/widgets/TQuroProgress.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QOpenGLWidget>
#include <QPointer>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace {

// Width of the right panel in logical pixels. It grows to the widest legend
// text, up to the cap and to half the window, so that the drawing keeps at
// least the panel's width.
constexpr int PanelWidth = 160;
constexpr int MaxPanelWidth = 320;
// Height of the drawing a new window asks for when cascaded.
constexpr int HintHeight = 300;
// The date strip's height, which the splitter keeps when the window is small.
constexpr int DateStripHeight = 100;

}  // namespace

TfrmGLBase::TfrmGLBase(ViewHost& project, TDataKind kind, QWidget* parent)
    : QWidget(parent), OpenGL1(this), project_(project) {
  setObjectName(QStringLiteral("frmGLBase"));
  setFocusPolicy(Qt::StrongFocus);
  setUpComponents();
  buildLayout();
  TransformationManager().Register(this);

  model_ = std::make_unique<ViewModel>(project, kind, csb->Model());
  painter_ =
      std::make_unique<ViewPainter>(*model_, ViewLighting{GLMaterial1, GLMaterial2, GLLight1});
  model_->OnRepaint = [this] { FormPaint(); };
  csb->Model().OnColorChanged = [this] { colorChanged(); };
  setWindowTitle(model_->WindowCaption());
  ViewPainter::LoadTransform(model_->Transform(), Transform1);
  connect(csb, &TColorScrollBox::TextsChanged, this, [this] { fitPanelWidth(); });
  fitPanelWidth();
  // The drawing and legend popup menus (viewer/ViewPopupMenus).
  InstallViewPopupMenus(*this);
  // Keys, mouse and the hover status (viewer/ViewNavigationInput).
  InstallViewNavigation(*this);
  creating_ = false;
}

TfrmGLBase::~TfrmGLBase() {
  TransformationManager().Unregister(this);
  csb->Model().OnColorChanged = nullptr;
  model_->OnRepaint = nullptr;
  // Helpers that hang off the form as plain objects (its menus' controller,
  // input handlers) may refer to the form's parts when they go; free them
  // while those parts still exist, before QWidget frees the child widgets.
  // Each deletion shrinks the live child list, and a helper may take another
  // with it: walk a copy, skipping whatever is already gone.
  std::vector<QPointer<QObject>> helpers;
  for (QObject* child : children())
    if (!child->isWidgetType() && child != layout()) helpers.emplace_back(child);
  for (const QPointer<QObject>& helper : helpers) delete helper.data();
}

void TfrmGLBase::setUpComponents() {
  OpenGL1.setpfdFlags(TPFDFlag::DoubleBuffer | TPFDFlag::Draw_To_Window | TPFDFlag::Support_OPENGL);
  OpenGL1.setPixelType(TPFDPixelType::RGBA);
  OpenGL1.setProjection(TProjection::Orthographic);
  OpenGL1.setprxLeft(-1);
  OpenGL1.setprxRight(1);
  OpenGL1.setprxBottom(-1);
  OpenGL1.setprxTop(1);
  OpenGL1.setprxNear(-50);
  OpenGL1.setprxFar(100);
  OpenGL1.setEnable(TEnable::depthTest);
  OpenGL1.setColorBits(8);
  OpenGL1.setStencilBits(0);
  OpenGL1.setClearRed(0.9f);
  OpenGL1.setClearGreen(0.9f);
  OpenGL1.setClearBlue(0.88f);

  for (TGLTransform* t : {&Transform1, &GLTransform1}) {
    t->setTranX(-0.1f);
    t->setTranY(-0.07f);
    t->setTranZ(-1);
    t->setAxisX(1);
    t->setAxisY(-0.5f);
    t->setAxisZ(-0.2f);
  }

  GLMaterial1.setaFace(TFace::faFront);
  GLMaterial1.setdFace(TFace::faFront);
  GLMaterial1.setsFace(TFace::faFront);
  GLMaterial1.setambRed(0.2f);
  GLMaterial1.setambGreen(0.2f);
  GLMaterial1.setambBlue(0.2f);
  GLMaterial1.setdifRed(0.57f);
  GLMaterial1.setdifGreen(0.83f);
  GLMaterial1.setdifBlue(0.2f);
  GLMaterial1.setmShine(1);

  GLMaterial2.setaFace(TFace::faBack);
  GLMaterial2.setdFace(TFace::faBack);
  GLMaterial2.setsFace(TFace::faBack);
  GLMaterial2.setambRed(0.1f);
  GLMaterial2.setambGreen(0.1f);
  GLMaterial2.setambBlue(0.1f);
  GLMaterial2.setambAlpha(0.5f);
  GLMaterial2.setdifRed(0.57f);
  GLMaterial2.setdifGreen(0.83f);
  GLMaterial2.setdifBlue(0.2f);
  GLMaterial2.setdifAlpha(0.5f);
  GLMaterial2.setmShine(1);

  // Kept with the form; the drawing does not use them.
  GLMaterial3.setambRed(0.1f);
  GLMaterial3.setambGreen(0.1f);
  GLMaterial3.setambBlue(0.1f);
  GLMaterial3.setdifRed(0.1f);
  GLMaterial3.setdifGreen(0.3f);
  GLMaterial3.setdifBlue(0.2f);
  GLMaterial4.setambRed(0.4f);
  GLMaterial4.setambGreen(0.4f);
  GLMaterial4.setambBlue(0.4f);
  GLMaterial4.setdifRed(0.4f);
  GLMaterial4.setdifGreen(0.4f);
  GLMaterial4.setdifBlue(0.4f);
  GLMaterial4.setmShine(1);

  GLLight1.setWhich(0);
  GLLight1.setCutoff(180);
  GLLight1.setAmbientRed(0.8f);
  GLLight1.setAmbientGreen(0.8f);
  GLLight1.setAmbientBlue(0.8f);
  GLLight1.setDiffuseRed(1);
  GLLight1.setDiffuseGreen(1);
  GLLight1.setDiffuseBlue(1);
  GLLight1.setSpecularRed(0.095f);
  GLLight1.setSpecularGreen(0.095f);
  GLLight1.setSpecularBlue(0.1f);
  GLLight1.setDirection(true);
  GLLight1.setPosition(true);
  GLLight1.setSpotlight(true);
  GLLight1.setEnabled(true);

  GLLight2.setWhich(1);
  GLLight2.setCutoff(180);
  GLLight2.setAmbientRed(0.9f);
  GLLight2.setAmbientGreen(0.9f);
  GLLight2.setAmbientBlue(0.9f);
  GLLight2.setDiffuseRed(0.6f);
  GLLight2.setDiffuseGreen(0.6f);
  GLLight2.setDiffuseBlue(0.6f);
  GLLight2.setSpecularRed(1);
  GLLight2.setSpecularGreen(1);
  GLLight2.setSpecularBlue(1);

  OpenGL1.Loaded();
  OpenGL1.setOnPaint([this] { paintGL(); });
}

void TfrmGLBase::buildLayout() {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  QOpenGLWidget* area = OpenGL1.Widget();
  area->setObjectName(QStringLiteral("OpenGL1"));
  // The layout may size the drawing area after this form's resize handler
  // ran (tiling, a panel that widens): the area's own resize sets the viewport.
  area->installEventFilter(this);
  layout->addWidget(area, 1);

  Panel1 = new QWidget(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFixedWidth(PanelWidth);
  layout->addWidget(Panel1);
  auto* panelLayout = new QVBoxLayout(Panel1);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  auto* splitter = splitter_ = new QSplitter(Qt::Vertical, Panel1);
  panelLayout->addWidget(splitter);

  PanelCalendar = new QWidget(splitter);
  PanelCalendar->setObjectName(QStringLiteral("PanelCalendar"));
  auto* calendarLayout = new QVBoxLayout(PanelCalendar);
  calendarLayout->setContentsMargins(0, 0, 0, 0);
  QuroProgress = new TQuroProgress(PanelCalendar);
  QuroProgress->setObjectName(QStringLiteral("QuroProgress"));
  QuroProgress->SetMode(vmHMSDMY);
  QuroProgress->SetFontColor(base::clNavy);
  QFont dateFont = QuroProgress->font();
  dateFont.setBold(true);
  dateFont.setPixelSize(11);
  QuroProgress->setFont(dateFont);
  calendarLayout->addWidget(QuroProgress);

  csb = new TColorScrollBox(splitter);
  csb->setObjectName(QStringLiteral("csb"));
  QFont legendFont = csb->font();
  legendFont.setPointSize(7);
  csb->setFont(legendFont);

  Panel2 = new QWidget(splitter);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  auto* statusLayout = new QVBoxLayout(Panel2);
  statusLayout->setContentsMargins(2, 2, 2, 2);
  statusLayout->setSpacing(2);
  statusLayout->setAlignment(Qt::AlignTop);
  // The status texts use the legend's small font and wrap, so that the
  // three transform lines fit the narrow panel.
  Panel2->setFont(legendFont);
  StaticText1 = new QLabel(Panel2);
  StaticText1->setObjectName(QStringLiteral("StaticText1"));
  StaticText1->setWordWrap(true);
  statusLayout->addWidget(StaticText1);
  Panel3 = new QWidget(Panel2);
  Panel3->setObjectName(QStringLiteral("Panel3"));
  auto* hoverLayout = new QVBoxLayout(Panel3);
  hoverLayout->setContentsMargins(0, 0, 0, 0);
  hoverLayout->setSpacing(2);
  StaticText2 = new QLabel(Panel3);
  StaticText2->setObjectName(QStringLiteral("StaticText2"));
  StaticText3 = new QLabel(Panel3);
  StaticText3->setObjectName(QStringLiteral("StaticText3"));
  StaticText2->setWordWrap(true);
  StaticText3->setWordWrap(true);
  hoverLayout->addWidget(StaticText2);
  hoverLayout->addWidget(StaticText3);
  statusLayout->addWidget(Panel3);

  splitter->addWidget(PanelCalendar);
  splitter->addWidget(csb);
  splitter->addWidget(Panel2);
  splitter->setStretchFactor(0, 0);
  splitter->setStretchFactor(1, 1);
  splitter->setStretchFactor(2, 0);
  // Room for the wrapped transform lines (up to six in the narrow panel) and
  // two lines for each hover text, so neither the splitter nor a late
  // relayout squeezes them.
  const int line = StaticText1->fontMetrics().lineSpacing() + 1;
  for (QLabel* label : {StaticText1, StaticText2, StaticText3})
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  StaticText1->setMinimumHeight(6 * line);
  StaticText2->setMinimumHeight(2 * line);
  StaticText3->setMinimumHeight(2 * line);
  statusHeight_ = 10 * line + 12;
  legendRoom_ = 3 * line;
  csb->setMinimumHeight(legendRoom_);
  Panel2->setMinimumHeight(statusHeight_);
  splitter->setCollapsible(2, false);
  // The date strip keeps its height; the legend scrolls in what is left.
  PanelCalendar->setMinimumHeight(DateStripHeight);
  splitter->setCollapsible(0, false);
  splitter->setSizes({DateStripHeight, 300, Panel2->minimumHeight()});
  resize(640, 480);
}

// ---- ProjectView ----

void TfrmGLBase::ResetView() {
  model_->ResetView();
}

void TfrmGLBase::SetViewCaption(const QString& name) {
  model_->SetViewCaption(name);
  setWindowTitle(model_->WindowCaption());
  if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
    frame->setWindowTitle(model_->WindowCaption());
}

void TfrmGLBase::SetDateRange(double startDate, double endDate) {
  QuroProgress->SetStartDate(startDate);
  QuroProgress->SetEndDate(endDate);
}

void TfrmGLBase::ShowStep(double currentDate) {
  QuroProgress->SetCurDate(currentDate);
  model_->SetDirty();
  FormPaint();
}

void TfrmGLBase::SetLoading(bool loading) {
  model_->SetLoading(loading);
}

void TfrmGLBase::Minimize() {
  if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
    frame->showMinimized();
  else
    showMinimized();
}

// ---- painting ----

bool TfrmGLBase::isMinimizedWindow() const {
  for (const QWidget* w = this; w != nullptr; w = w->parentWidget())
    if (w->isMinimized()) return true;
  return false;
}

void TfrmGLBase::FormPaint() {
  if (creating_ || !model_->CanPaint()) return;
  if (QOpenGLWidget* area = OpenGL1.Widget(); area != nullptr && area->isVisible()) area->repaint();
}

void TfrmGLBase::paintGL() {
  if (creating_ || !model_->CanPaint()) return;
  if (!contextInitialized_) {
    ViewPainter::InitializeContext();
    contextInitialized_ = true;
  }
  // A minimized view draws nothing and recomputes nothing.
  if (isMinimizedWindow()) return;
  painter_->PaintFrame(Transform1, GLTransform1, width(), height());
  statusText_ = model_->StatusText();
  QString shown = statusText_;
  shown.replace(QChar(13), QChar('\n'));
  StaticText1->setText(shown);
}

QImage TfrmGLBase::GrabFrame(GrabScale scale) {
  QOpenGLWidget* area = OpenGL1.Widget();
  if (area == nullptr) return {};
  if (scale == GrabScale::Refit)
    formResize();
  else if (!creating_)
    applyViewportSize();
  return area->grabFramebuffer();
}

void TfrmGLBase::colorChanged() {
  if (creating_ || !model_->CanPaint()) return;
  model_->ComputeColors();
  FormPaint();
}

// ---- size ----

void TfrmGLBase::formResize() {
  if (creating_) return;
  model_->FitScale();
  applyViewportSize();
}

void TfrmGLBase::applyViewportSize() {
  QOpenGLWidget* area = OpenGL1.Widget();
  if (area == nullptr) return;
  OpenGL1.setWidth(area->width());
  OpenGL1.setHeight(area->height());
  // Called from resize handlers while tiling still moves the other windows:
  // a paint forced now would draw the main window half laid out and leave
  // parts of it (the legends) taken as drawn; the next turn of the event loop
  // paints the whole of it.
  if (OpenGL1.Resize()) area->update();
}

QSize TfrmGLBase::sizeHint() const {
  // A square drawing beside a panel that shows the legend texts whole.
  const int height = std::max(minimumSizeHint().height(), HintHeight);
  return {panelFit_ + std::max(panelFit_, height), height};
}

QSize TfrmGLBase::minimumSizeHint() const {
  return {2 * PanelWidth, QWidget::minimumSizeHint().height()};
}

void TfrmGLBase::fitPanelWidth() {
  const int fit = std::clamp(csb->WidthForTexts(), PanelWidth, MaxPanelWidth);
  if (fit != panelFit_) {
    panelFit_ = fit;
    updateGeometry();
  }
  const int width = std::min(panelFit_, std::max(PanelWidth, this->width() / 2));
  if (Panel1->width() != width || Panel1->minimumWidth() != width) Panel1->setFixedWidth(width);
}

bool TfrmGLBase::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && watched == OpenGL1.Widget() && !creating_) {
    QOpenGLWidget* area = OpenGL1.Widget();
    OpenGL1.setWidth(area->width());
    OpenGL1.setHeight(area->height());
    OpenGL1.Resize();
    area->update();
  }
  return QWidget::eventFilter(watched, event);
}

// A short window cannot hold the date strip, the status texts' full room and
// some legend: the status texts give up their spare lines, so that nothing
// in the panel is laid over anything else.
void TfrmGLBase::fitStatusHeight() {
  const int room = height() - DateStripHeight - 2 * splitter_->handleWidth() - legendRoom_;
  const int status = std::clamp(room, statusHeight_ * 4 / 10, statusHeight_);
  if (Panel2->minimumHeight() != status) Panel2->setMinimumHeight(status);
}

void TfrmGLBase::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  fitPanelWidth();
  fitStatusHeight();
  formResize();
}

void TfrmGLBase::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  formResize();
}
