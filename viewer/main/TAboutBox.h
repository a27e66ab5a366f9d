#pragma once
// The about box: two caption lines on black, the program's logo turning
// slowly as a GL texture, and a list of the program version and of what the
// GL driver really gave: vendor, renderer, extensions and the pixel format
// chosen for the flags the box was opened with. Support asks for this list
// first when a view draws wrongly.
//
// The list fills in three steps: the version at once, the driver's strings
// when the drawing area's context comes to life, the pixel format with the
// first frame (only then is it known).
#include "gl/PixelFormat.h"
#include "gl/TGLTransform.h"
#include "gl/TOpenGL.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <optional>

class ProjectView;
class QLabel;
class QListWidget;
class QTimer;
class TglTexture2D;

class TAboutBox : public QDialog {
  Q_OBJECT

  // Made with the context current and freed with it current (OpenGL1's init
  // and release hooks): declared before OpenGL1, so it outlives it.
  std::unique_ptr<TglTexture2D> texture_;

 public:
  static constexpr const char* kLogoResource = ":/about/AboutLogo.png";

  // `flags`: the pixel-format flags to ask for (a view's); none: the box's
  // own. `logo`: the image file or resource the logo comes from. A logo that
  // cannot be loaded is reported through the application's handler once the
  // box is up; the box then shows no logo.
  explicit TAboutBox(QWidget* owner, std::optional<TPFDFlags> flags = std::nullopt,
                     const QString& logo = QString::fromLatin1(kLogoResource));
  ~TAboutBox() override;

  // One step of the turn (the 50 ms timer's): angle x + 1, angle y + 2
  // degrees, both modulo 360, then a repaint.
  void Tick();
  float AngleX() const { return angleX_; }
  float AngleY() const { return angleY_; }
  float AngleZ() const { return angleZ_; }
  bool HasLogo() const { return texture_ != nullptr; }

  // The list's lines, top to bottom.
  QStringList Lines() const;
  // Paints one frame now and returns it.
  QImage GrabFrame();

  TOpenGL OpenGL1;
  TGLTransform Transform1;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildLayout();
  void contextCreated();
  void paintLogo();
  void listPixelFormat();
  void areaResized();

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QListWidget* ListBox1 = nullptr;
  QTimer* Timer1 = nullptr;
  bool pixelFormatListed_ = false;
  float angleX_ = 0, angleY_ = 0, angleZ_ = 0;
};

// Opens the about box modally over `owner` (it deletes itself when closed),
// asking for the pixel-format flags of `activeView` when that is a GL view.
TAboutBox* ShowAboutBox(QWidget* owner, ProjectView* activeView);
