#include "viewer/main/TAboutBox.h"

#include "base/Exceptions.h"
#include "gl/TglCapabilities.h"
#include "gl/TglTexture.h"
#include "platform/TApplication.h"
#include "resultdata/FileVersion.h"
#include "viewer/view/TfrmGLBase.h"

#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QOpenGLWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <GL/gl.h>

#include <cmath>

namespace {

constexpr int kClientWidth = 428, kClientHeight = 175, kListWidth = 180;
const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kGrey(0x80, 0x80, 0x80);

// Flag names in the order the list shows them.
const struct {
  TPFDFlag flag;
  const char* name;
} kFlagNames[] = {
    {TPFDFlag::DoubleBuffer, "DoubleBuffer"},
    {TPFDFlag::Stereo, "Stereo"},
    {TPFDFlag::Draw_To_Window, "DrawToWindow"},
    {TPFDFlag::Draw_To_Bitmap, "DrawToBitmap"},
    {TPFDFlag::Support_GDI, "Support_GDI"},
    {TPFDFlag::Support_OPENGL, "Support_OpenGL"},
    {TPFDFlag::Generic_Format, "Generic_Format"},
    {TPFDFlag::Need_Palette, "Need_Palette"},
    {TPFDFlag::Need_System_Palette, "Need_System_Palette"},
    {TPFDFlag::Swap_Exchange, "Swap_Exchange"},
    {TPFDFlag::Swap_Copy, "Swap_Copy"},
    {TPFDFlag::Swap_Layer_Buffers, "Swap_Layer_Buffers"},
    {TPFDFlag::Generic_Accelerated, "Generic_Accelerated"},
};

QLabel* captionLabel(const QString& text, bool bold, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, kSilver);
  label->setPalette(palette);
  if (bold) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  label->setFixedHeight(16);
  return label;
}

QString glText(GLenum name) {
  const GLubyte* text = glGetString(name);
  return text ? QString::fromLatin1(reinterpret_cast<const char*>(text)) : QString();
}

}  // namespace

TAboutBox::TAboutBox(QWidget* owner, std::optional<TPFDFlags> flags, const QString& logo)
    : QDialog(owner), OpenGL1(this) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("About Veltrano"));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::black);
  setPalette(palette);
  setAutoFillBackground(true);

  OpenGL1.setpfdFlags(flags.value_or(TPFDFlag::DoubleBuffer | TPFDFlag::Draw_To_Window |
                                     TPFDFlag::Draw_To_Bitmap | TPFDFlag::Support_OPENGL |
                                     TPFDFlag::Swap_Exchange | TPFDFlag::Generic_Accelerated));
  OpenGL1.setPixelType(TPFDPixelType::RGBA);
  OpenGL1.setProjection(TProjection::Orthographic);
  OpenGL1.setprxNear(-10);
  OpenGL1.setprxFar(10);
  OpenGL1.setColorBits(16);
  OpenGL1.setStencilBits(0);
  // The logo turns through its back: no face may be culled.
  OpenGL1.setEnable(TEnable::depthTest);

  Transform1.setTranX(-0.1f);
  Transform1.setTranY(-0.07f);
  Transform1.setTranZ(-1);
  Transform1.setAxisX(1);
  Transform1.setAxisY(-0.5f);
  Transform1.setAxisZ(-0.2f);
  Transform1.setOnPaint([this](TGLTransform&) { paintLogo(); });

  buildLayout();
  ListBox1->clear();
  ListBox1->addItem(QStringLiteral("Version: ") + GetFileVersionText(QString()));
  ListBox1->addItem(QString());

  // Decoded now; made into a texture once the context exists.
  try {
    QFile file(logo);
    if (!file.open(QIODevice::ReadOnly))
      throw base::EFileError(
          QStringLiteral("Cannot open file \"%1\". %2").arg(logo, file.errorString()));
    auto texture = std::make_unique<TglTexture2D>();
    texture->LoadFromStream(file);
    texture_ = std::move(texture);
  } catch (...) {
    TApplication::HandleExceptionLater(std::current_exception());
  }

  OpenGL1.setOnInit([this] { contextCreated(); });
  OpenGL1.setOnRelease([this] { texture_.reset(); });
  OpenGL1.setOnPaint([this] {
    if (!pixelFormatListed_) listPixelFormat();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    Transform1.Paint();
  });
  OpenGL1.Loaded();
  QOpenGLWidget* area = OpenGL1.Widget();
  area->setObjectName(QStringLiteral("OpenGL1"));
  area->installEventFilter(this);
  static_cast<QVBoxLayout*>(layout()->itemAt(0)->layout())->insertWidget(1, area, 1);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(50);
  connect(Timer1, &QTimer::timeout, this, &TAboutBox::Tick);
  Timer1->start();
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::buildLayout() {
  setFixedSize(kClientWidth, kClientHeight);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  auto* column = new QVBoxLayout;
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  Label1 = captionLabel(QStringLiteral("This application is based on"), true, this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label2 = captionLabel(QStringLiteral("Veltrano, built with Qt and OpenGL"), false, this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  column->addWidget(Label1);
  column->addWidget(Label2);
  row->addLayout(column, 1);

  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setFixedWidth(kListWidth);
  ListBox1->setFrameShape(QFrame::NoFrame);
  QPalette palette = ListBox1->palette();
  palette.setColor(QPalette::Base, Qt::black);
  palette.setColor(QPalette::Text, kGrey);
  ListBox1->setPalette(palette);
  row->addWidget(ListBox1);
}

void TAboutBox::contextCreated() {
  ListBox1->addItem(QStringLiteral("GL Vendor:"));
  ListBox1->addItem(glText(GL_VENDOR));
  ListBox1->addItem(QStringLiteral("GL Renderer:"));
  ListBox1->addItem(glText(GL_RENDERER));
  ListBox1->addItem(QStringLiteral("GL Extensions:"));
  for (const QByteArray& name : TglCapabilities::Current().extensions)
    ListBox1->addItem(QString::fromLatin1(name));
  if (!texture_) return;
  try {
    glEnable(GL_TEXTURE_2D);
    texture_->GenTexture(true);
    texture_->Bind(false);
    glDisable(GL_TEXTURE_2D);
  } catch (...) {
    glDisable(GL_TEXTURE_2D);
    texture_.reset();
    throw;
  }
}

void TAboutBox::listPixelFormat() {
  pixelFormatListed_ = true;
  const TPixelFormatDescriptor f = OpenGL1.SelectedPixelFormat();
  ListBox1->addItem(QString());
  ListBox1->addItem(QStringLiteral("Selected PixelFormat:"));
  ListBox1->addItem(QStringLiteral("ColorBits=%1").arg(f.colorBits));
  ListBox1->addItem(QStringLiteral("DepthBits=%1").arg(f.depthBits));
  for (const auto& entry : kFlagNames)
    if (f.flags.testFlag(entry.flag)) ListBox1->addItem(QString::fromLatin1(entry.name));
}

void TAboutBox::paintLogo() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  if (!texture_) return;
  glEnable(GL_TEXTURE_2D);
  texture_->Bind(false);
  glTranslatef(-0.85f, -0.3f, 0);
  glPushMatrix();
  glTranslatef(0.5f, 0.5f, 0);
  // The texture's first row is the image's top line, at t = 0 on the quad's
  // lower edge: the half turn about x shows it upright.
  glRotatef(angleX_ - 180, 1, 0, 0);
  glRotatef(angleY_, 0, 1, 0);
  glRotatef(angleZ_, 0, 0, 1);
  glTranslatef(-0.5f, -0.5f, 0);
  glColor3f(1, 1, 1);
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0);
  glVertex3f(0, 0, 0);
  glTexCoord2f(1, 0);
  glVertex3f(1, 0, 0);
  glTexCoord2f(1, 1);
  glVertex3f(1, 1, 0);
  glTexCoord2f(0, 1);
  glVertex3f(0, 1, 0);
  glEnd();
  glPopMatrix();
  glDisable(GL_TEXTURE_2D);
}

void TAboutBox::Tick() {
  angleX_ = std::fmod(angleX_ + 1, 360.0f);
  angleY_ = std::fmod(angleY_ + 2, 360.0f);
  OpenGL1.SwapBuffers();
}

QStringList TAboutBox::Lines() const {
  QStringList lines;
  for (int i = 0; i < ListBox1->count(); ++i) lines << ListBox1->item(i)->text();
  return lines;
}

QImage TAboutBox::GrabFrame() {
  areaResized();
  QOpenGLWidget* area = OpenGL1.Widget();
  return area ? area->grabFramebuffer() : QImage();
}

void TAboutBox::areaResized() {
  QOpenGLWidget* area = OpenGL1.Widget();
  if (!area) return;
  OpenGL1.setWidth(area->width());
  OpenGL1.setHeight(area->height());
  if (OpenGL1.Resize()) area->update();
}

void TAboutBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  areaResized();
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == OpenGL1.Widget() && event->type() == QEvent::Resize) areaResized();
  return QDialog::eventFilter(watched, event);
}

TAboutBox* ShowAboutBox(QWidget* owner, ProjectView* activeView) {
  std::optional<TPFDFlags> flags;
  if (auto* view = dynamic_cast<TfrmGLBase*>(activeView)) flags = view->OpenGL1.pfdFlags();
  auto* box = new TAboutBox(owner, flags);
  box->setAttribute(Qt::WA_DeleteOnClose);
  // Modal without a nested event loop: the caller's handler returns at once.
  box->setWindowModality(Qt::ApplicationModal);
  box->show();
  return box;
}
