// The about box on the X display: what its list says about the driver, how
// the logo turns and looks, what it shows without a logo, and how the main
// window opens it.
#include "tests/viewer/ProjectFakes.h"

#include "gl/TglCapabilities.h"
#include "platform/SettingsStore.h"
#include "platform/TApplication.h"
#include "tests/support/Artifacts.h"
#include "tests/support/writer/ResultFileWriter.h"
#include "viewer/main/TAboutBox.h"
#include "viewer/main/TfrmMain.h"
#include "viewer/view/TfrmGLBase.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QOpenGLWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <GL/gl.h>

#include <cstdlib>
#include <memory>

namespace {

// Captures what the application's handler would show in boxes.
class MessageCapture {
 public:
  MessageCapture() {
    TApplication::SetMessageBoxHook(
        [this](QMessageBox::Icon, const QString&, const QString& text) { texts << text; });
  }
  ~MessageCapture() { TApplication::SetMessageBoxHook(nullptr); }
  QStringList texts;
};

// A box shown on the display with its timer stopped, so the test drives the turn.
std::unique_ptr<TAboutBox> openBox(
    std::optional<TPFDFlags> flags = std::nullopt,
    const QString& logo = QString::fromLatin1(TAboutBox::kLogoResource)) {
  auto box = std::make_unique<TAboutBox>(nullptr, flags, logo);
  box->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
  box->show();
  if (!QTest::qWaitForWindowExposed(box.get())) return nullptr;
  box->GrabFrame();
  return box;
}

// The frame pixel showing scene point (x, y) of the box's orthographic -1..1 box.
QPoint pixelOf(TAboutBox& box, const QImage& frame, double x, double y) {
  const SquareViewport v = box.OpenGL1.FrameViewport();
  const int px = int(v.x + (x + 1) / 2 * v.side);
  const int pyUp = int(v.y + (y + 1) / 2 * v.side);
  return {px, frame.height() - 1 - pyUp};
}

bool near(QRgb got, QRgb want, int tolerance) {
  return std::abs(qRed(got) - qRed(want)) <= tolerance &&
         std::abs(qGreen(got) - qGreen(want)) <= tolerance &&
         std::abs(qBlue(got) - qBlue(want)) <= tolerance;
}

// Where the logo's quad lies before it turns: its lower left corner at
// (-0.95, -0.37), one unit square (the box's transform and paint offsets).
constexpr double kLogoLeft = -0.95, kLogoTop = 0.63;
QPointF logoPoint(double u, double v) {  // u, v in image pixels of the 128 x 128 logo
  return {kLogoLeft + u / 128.0, kLogoTop - v / 128.0};
}

}  // namespace

TEST(AboutBoxList, VersionDriverAndChosenPixelFormatInOrder) {
  const TPFDFlags flags =
      TPFDFlag::DoubleBuffer | TPFDFlag::Draw_To_Window | TPFDFlag::Support_OPENGL;
  auto box = openBox(flags);
  ASSERT_TRUE(box);
  EXPECT_EQ(box->OpenGL1.pfdFlags(), flags);
  box->OpenGL1.MakeCurrent();
  QStringList version = QString::fromLatin1(VELTRANO_VERSION).split(QLatin1Char('.'));
  while (version.size() < 4) version << QStringLiteral("0");
  QStringList expected{QStringLiteral("Version: ") + version.join(QLatin1Char('.')),
                       QString(),
                       QStringLiteral("GL Vendor:"),
                       QString::fromLatin1(reinterpret_cast<const char*>(glGetString(GL_VENDOR))),
                       QStringLiteral("GL Renderer:"),
                       QString::fromLatin1(reinterpret_cast<const char*>(glGetString(GL_RENDERER))),
                       QStringLiteral("GL Extensions:")};
  for (const QByteArray& name : TglCapabilities::Current().extensions)
    expected << QString::fromLatin1(name);
  const TPixelFormatDescriptor f = box->OpenGL1.SelectedPixelFormat();
  expected << QString() << QStringLiteral("Selected PixelFormat:")
           << QStringLiteral("ColorBits=%1").arg(f.colorBits)
           << QStringLiteral("DepthBits=%1").arg(f.depthBits);
  const char* names[] = {"DoubleBuffer",       "Stereo",       "DrawToWindow",
                         "DrawToBitmap",       "Support_GDI",  "Support_OpenGL",
                         "Generic_Format",     "Need_Palette", "Need_System_Palette",
                         "Swap_Exchange",      "Swap_Copy",    "Swap_Layer_Buffers",
                         "Generic_Accelerated"};
  for (int bit = 0; bit < 13; ++bit)
    if (quint32(f.flags) & (1u << bit)) expected << QString::fromLatin1(names[bit]);
  EXPECT_EQ(box->Lines(), expected);
  EXPECT_GT(f.colorBits, 0);
  EXPECT_TRUE(f.flags.testFlag(TPFDFlag::Support_OPENGL));
  EXPECT_TRUE(box->Lines().contains(QStringLiteral("Support_OpenGL")));
  // The extension lines are names, never blank.
  const int first = int(expected.indexOf(QStringLiteral("GL Extensions:"))) + 1;
  for (int i = first; i < int(expected.indexOf(QStringLiteral("Selected PixelFormat:"))) - 1; ++i)
    EXPECT_FALSE(box->Lines().at(i).isEmpty()) << i;
  testsupport::saveArtifact(box->grab().toImage(), QStringLiteral("about-box.png"));
  // A second frame adds nothing.
  box->GrabFrame();
  EXPECT_EQ(box->Lines().size(), expected.size());
}

TEST(AboutBoxLogo, TicksTurnItAndFramesShowIt) {
  auto box = openBox();
  ASSERT_TRUE(box);
  ASSERT_TRUE(box->HasLogo());
  const QImage atZero = box->GrabFrame();
  testsupport::saveArtifact(atZero, QStringLiteral("about-logo-0-ticks.png"));
  // The amber centre disc, a light stroke of the V near its top left arm
  // (upright: upside down that spot is teal), a black corner.
  const QPointF centre = logoPoint(64, 64), arm = logoPoint(26, 24);
  const QPoint c = pixelOf(*box, atZero, centre.x(), centre.y());
  const QPoint a = pixelOf(*box, atZero, arm.x(), arm.y());
  EXPECT_TRUE(near(atZero.pixel(c), qRgb(0xF2, 0xA5, 0x41), 8)) << std::hex << atZero.pixel(c);
  EXPECT_TRUE(near(atZero.pixel(a), qRgb(0xEC, 0xF4, 0xF7), 24)) << std::hex << atZero.pixel(a);
  EXPECT_EQ(atZero.pixel(0, 0) & 0xFFFFFF, 0u);
  EXPECT_EQ(atZero.pixel(atZero.width() - 1, atZero.height() - 1) & 0xFFFFFF, 0u);

  for (int i = 0; i < 10; ++i) box->Tick();
  EXPECT_FLOAT_EQ(box->AngleX(), 10);
  EXPECT_FLOAT_EQ(box->AngleY(), 20);
  EXPECT_FLOAT_EQ(box->AngleZ(), 0);
  // Turning about the logo's centre keeps the disc in place while the rest
  // moves, until the quad stands edge-on: at 45 ticks y has turned 90 degrees.
  for (int i = 10; i < 30; ++i) box->Tick();
  const QImage at30 = box->GrabFrame();
  testsupport::saveArtifact(at30, QStringLiteral("about-logo-30-ticks.png"));
  EXPECT_TRUE(near(at30.pixel(c), qRgb(0xF2, 0xA5, 0x41), 8)) << std::hex << at30.pixel(c);
  EXPECT_NE(at30, atZero);
  for (int i = 30; i < 45; ++i) box->Tick();
  const QImage at45 = box->GrabFrame();
  testsupport::saveArtifact(at45, QStringLiteral("about-logo-45-ticks.png"));
  EXPECT_EQ(at45.pixel(c) & 0xFFFFFF, 0u);
  for (int i = 45; i < 120; ++i) box->Tick();
  const QImage at120 = box->GrabFrame();
  testsupport::saveArtifact(at120, QStringLiteral("about-logo-120-ticks.png"));
  EXPECT_TRUE(near(at120.pixel(c), qRgb(0xF2, 0xA5, 0x41), 8)) << std::hex << at120.pixel(c);
  // Angles stay below a full turn.
  for (int i = 120; i < 360 + 5; ++i) box->Tick();
  EXPECT_FLOAT_EQ(box->AngleX(), 5);
  EXPECT_FLOAT_EQ(box->AngleY(), 10);
}

TEST(AboutBoxLogo, WithoutALogoOnlyTheClearColourAndTheReason) {
  QTemporaryDir dir;
  const QString text = dir.filePath(QStringLiteral("logo.png"));
  {
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture\n");
  }
  const struct {
    QString logo;
    const char* message;
  } cases[] = {
      {dir.filePath(QStringLiteral("missing.png")), "Cannot open file"},
      {text, "TglTexture.LoadFromStream - Couldn't load Stream."},
  };
  for (const auto& k : cases) {
    MessageCapture boxes;
    auto box = openBox(std::nullopt, k.logo);
    ASSERT_TRUE(box);
    EXPECT_FALSE(box->HasLogo());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !boxes.texts.isEmpty(); }, 5000));
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].startsWith(QLatin1String(k.message)))
        << boxes.texts[0].toStdString();
    const QImage frame = box->GrabFrame();
    ASSERT_FALSE(frame.isNull());
    bool allBlack = true;
    for (int y = 0; y < frame.height(); ++y)
      for (int x = 0; x < frame.width(); ++x)
        allBlack = allBlack && (frame.pixel(x, y) & 0xFFFFFF) == 0;
    EXPECT_TRUE(allBlack);
  }
}

TEST(AboutBoxFromMainWindow, HelpAboutOpensItModallyWithTheViewsFlags) {
  QTemporaryDir dir;
  platform::SettingsStore store(dir.filePath(QStringLiteral("s.ini")));
  TfrmMain window(store);
  window.SetPrompts(std::make_unique<FakePrompts>());
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QAction* about = window.Action(QStringLiteral("HelpAboutItem"));
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->isEnabled());

  // Without a view: the box's own flags.
  about->trigger();
  TAboutBox* box = window.findChild<TAboutBox*>();
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->isVisible());
  EXPECT_TRUE(box->isModal());
  EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
  EXPECT_TRUE(box->OpenGL1.pfdFlags().testFlag(TPFDFlag::Generic_Accelerated));
  QPointer<TAboutBox> gone(box);
  box->close();
  EXPECT_TRUE(QTest::qWaitFor([&] { return gone.isNull(); }, 5000));

  // With a view active: its flags.
  window.OpenCommandLine({WriteResultFile(SmallSpec({0}, 2), dir.path(), QStringLiteral("a.vq3"))});
  auto* view = dynamic_cast<TfrmGLBase*>(window.ActiveView());
  ASSERT_NE(view, nullptr);
  about->trigger();
  box = window.findChild<TAboutBox*>();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->OpenGL1.pfdFlags(), view->OpenGL1.pfdFlags());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
  EXPECT_FALSE(box->GrabFrame().isNull());
  box->close();
}
