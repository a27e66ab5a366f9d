#pragma once
// Bytes to a device in large pieces, so that exports of millions of points
// stream at disk speed without holding the whole file. A device that takes
// fewer bytes than given (disk full, closed pipe) raises ChartException
// naming `what` and the device's reason, never a silent short file.
#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <cstdint>
#include <cstring>

class DeviceSink {
 public:
  DeviceSink(QIODevice& device, QString what);
  ~DeviceSink() = default;  // unflushed bytes are the caller's failure path
  DeviceSink(const DeviceSink&) = delete;
  DeviceSink& operator=(const DeviceSink&) = delete;

  void Put(const char* data, std::size_t n) {
    if (used_ + n > kChunk) Flush();
    if (n > kChunk) {
      WriteOut(data, n);
      return;
    }
    std::memcpy(buffer_.data() + used_, data, n);
    used_ += n;
  }
  void Put(const QByteArray& bytes) {
    Put(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  }
  void U8(std::uint8_t v) { Put(reinterpret_cast<const char*>(&v), 1); }
  void U16(std::uint16_t v);
  void I32(std::int32_t v);
  void U32(std::uint32_t v);
  void F64(double v);
  void Flush();

 private:
  static constexpr std::size_t kChunk = 1 << 16;
  void WriteOut(const char* data, std::size_t n);

  QIODevice& device_;
  QString what_;
  QByteArray buffer_;
  std::size_t used_ = 0;
};
