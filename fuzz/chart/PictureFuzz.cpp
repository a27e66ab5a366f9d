// Image bytes as a chart file or a user's disk may hold them (brush and
// background pictures), decoded into a picture and drawn the ways a chart
// draws pictures: whatever the bytes, nothing may crash or read out of
// bounds, and a refused picture stays empty.
#include "chart/canvas/QPainterBackend.h"
#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TPicture.h"

#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Small images only: the fuzzer looks for faults, not for memory limits.
  QImageReader::setAllocationLimit(16);
  TPicture picture;
  const bool loaded = picture.LoadFromData(
      QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  if (loaded == picture.Empty()) std::abort();
  if (!loaded) return 0;
  picture.SetTransparent(size % 2 == 0);
  QImage target(32, 32, QImage::Format_RGB32);
  target.fill(Qt::white);
  QPainter painter(&target);
  {
    QPainterBackend backend(painter);
    const QImage image = picture.DrawImage();
    backend.draw(-3, 5, image);
    backend.stretchDraw({2, 2, 30, 17}, image);
    backend.tiledDraw({0, 20, 32, 32}, image);
    TChartBrush brush;
    brush.Image()->Assign(picture);
    backend.setBrush(brush.ToBackendBrush());
    backend.rectangle({4, 4, 28, 28});
  }
  painter.end();
  return 0;
}
