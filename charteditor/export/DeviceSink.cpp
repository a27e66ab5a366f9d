#include "charteditor/export/DeviceSink.h"

#include "chart/core/ChartExceptions.h"

#include <bit>

DeviceSink::DeviceSink(QIODevice& device, QString what)
    : device_(device), what_(std::move(what)), buffer_(static_cast<qsizetype>(kChunk), '\0') {}

void DeviceSink::U16(std::uint16_t v) {
  const char b[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
  Put(b, 2);
}

void DeviceSink::U32(std::uint32_t v) {
  const char b[4] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                     static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
  Put(b, 4);
}

void DeviceSink::I32(std::int32_t v) {
  U32(static_cast<std::uint32_t>(v));
}

void DeviceSink::F64(double v) {
  const auto bits = std::bit_cast<std::uint64_t>(v);
  U32(static_cast<std::uint32_t>(bits));
  U32(static_cast<std::uint32_t>(bits >> 32));
}

void DeviceSink::Flush() {
  if (used_ == 0) return;
  const std::size_t n = used_;
  used_ = 0;
  WriteOut(buffer_.constData(), n);
}

void DeviceSink::WriteOut(const char* data, std::size_t n) {
  const qint64 written = device_.write(data, static_cast<qint64>(n));
  if (written != static_cast<qint64>(n)) {
    throw ChartException(QStringLiteral("Cannot write %1: %2").arg(what_, device_.errorString()));
  }
}
