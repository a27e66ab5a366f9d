#pragma once
// The view window: one field kind of one project drawn with OpenGL on the
// left (a coloured relief for the scalar kinds, arrows for the vector kinds),
// and on the right a panel with the date strip, the colour legend and three
// status texts. It is an MDI child of the main window and also works on its
// own (tests). What needs no GL lives in its ViewModel; the drawing is
// ViewPainter's.
#include "gl/ITransformation.h"
#include "gl/TGLLight.h"
#include "gl/TGLMaterial.h"
#include "gl/TGLTransform.h"
#include "gl/TOpenGL.h"
#include "viewer/view/ProjectView.h"
#include "viewer/view/ViewModel.h"
#include "viewer/view/ViewPainter.h"

#include <QImage>
#include <QWidget>

#include <memory>

class QLabel;
class QSplitter;
class TColorScrollBox;
class TQuroProgress;
class ViewHost;

class TfrmGLBase : public QWidget, public ProjectView, public ITransformation {
  Q_OBJECT

 public:
  TfrmGLBase(ViewHost& project, TDataKind kind, QWidget* parent = nullptr);
  ~TfrmGLBase() override;

  ViewModel& Model() { return *model_; }
  const ViewModel& Model() const { return *model_; }
  ViewHost& Project() const { return project_; }

  // ---- ProjectView ----
  TDataKind Kind() const override { return model_->Kind(); }
  QWidget* Widget() override { return this; }
  void ResetView() override;
  void SetViewCaption(const QString& name) override;
  void SetDateRange(double startDate, double endDate) override;
  void ShowStep(double currentDate) override;
  void SetLoading(bool loading) override;
  void Minimize() override;

  // ---- ITransformation: the shared transform rule of the project ----
  void SetTranX(float v) override { model_->SetTranX(v); }
  void SetTranY(float v) override { model_->SetTranY(v); }
  void SetTranZ(float v) override { model_->SetTranZ(v); }
  void SetAngleX(float v) override { model_->SetAngleX(v); }
  void SetAngleY(float v) override { model_->SetAngleY(v); }
  void SetAngleZ(float v) override { model_->SetAngleZ(v); }
  void SetScaleX(float v) override { model_->SetScaleX(v); }
  void SetScaleY(float v) override { model_->SetScaleY(v); }
  void SetScaleZ(float v) override { model_->SetScaleZ(v); }
  float TranX() const { return model_->Transform().TranX; }
  float TranY() const { return model_->Transform().TranY; }
  float TranZ() const { return model_->Transform().TranZ; }
  float AngleX() const { return model_->Transform().AngleX; }
  float AngleY() const { return model_->Transform().AngleY; }
  float AngleZ() const { return model_->Transform().AngleZ; }
  float ScaleX() const { return model_->Transform().ScaleX; }
  float ScaleY() const { return model_->Transform().ScaleY; }
  float ScaleZ() const { return model_->Transform().ScaleZ; }

  void FitScale() { model_->FitScale(); }
  // Paints the view now when it can be painted (not while creating, loading
  // or minimized, and only once shown).
  void FormPaint();

  // Renders a frame into an image (tests, export): the GL area as it would
  // appear on screen. Refit first fits the scale to the grid, as showing or
  // resizing the window does; AsShown keeps the zoom and translation the
  // user set, so a zoomed view can be rendered as the user sees it.
  enum class GrabScale { Refit, AsShown };
  QImage GrabFrame(GrabScale scale = GrabScale::Refit);

  // The components of the form.
  TGLTransform Transform1;
  TGLTransform GLTransform1;
  TOpenGL OpenGL1;
  TGLMaterial GLMaterial1, GLMaterial2, GLMaterial3, GLMaterial4;
  TGLLight GLLight1, GLLight2;

  QWidget* Panel1 = nullptr;
  QWidget* PanelCalendar = nullptr;
  TQuroProgress* QuroProgress = nullptr;
  TColorScrollBox* csb = nullptr;
  QWidget* Panel2 = nullptr;
  QWidget* Panel3 = nullptr;
  QLabel* StaticText1 = nullptr;
  QLabel* StaticText2 = nullptr;
  QLabel* StaticText3 = nullptr;

  const QString& StatusText() const { return statusText_; }

  // A square drawing beside a side panel that shows the legend texts whole.
  QSize sizeHint() const override;
  // A drawing as wide as the narrowest side panel.
  QSize minimumSizeHint() const override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void setUpComponents();
  void buildLayout();
  void paintGL();
  void formResize();
  // Gives the GL viewport the drawing area's size; repaints on a change.
  void applyViewportSize();
  // The side panel as wide as the widest legend text, within bounds.
  void fitPanelWidth();
  void fitStatusHeight();
  void colorChanged();
  bool isMinimizedWindow() const;

  ViewHost& project_;
  bool creating_ = true;
  bool contextInitialized_ = false;
  std::unique_ptr<ViewModel> model_;
  std::unique_ptr<ViewPainter> painter_;
  QString statusText_;
  int panelFit_ = 0;  // side panel width the legend texts ask for
  QSplitter* splitter_ = nullptr;
  int statusHeight_ = 0;  // room of the status texts with all their lines
  int legendRoom_ = 0;    // the least legend left beside them: title and two rows
};
