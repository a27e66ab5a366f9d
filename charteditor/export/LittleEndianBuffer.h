#pragma once
// Bytes laid down little-endian, whatever the host, with room patched in
// later (record sizes, header counts). Growth is geometric: a metafile of
// a million points is written by appending a few bytes at a time.
#include <QByteArray>

#include <algorithm>
#include <cstdint>
#include <cstring>

class LittleEndianBuffer {
 public:
  size_t size() const { return used_; }
  void reserve(size_t n) {
    if (n > static_cast<size_t>(bytes_.size())) bytes_.resize(static_cast<qsizetype>(n));
  }

  void u8(uint8_t v) { *grow(1) = static_cast<char>(v); }
  void u16(uint16_t v) {
    char* p = grow(2);
    p[0] = static_cast<char>(v & 0xFF);
    p[1] = static_cast<char>(v >> 8);
  }
  void i16(int16_t v) { u16(static_cast<uint16_t>(v)); }
  void u32(uint32_t v) { put32(grow(4), v); }
  void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
  void f32(float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, 4);
    u32(bits);
  }
  void raw(const void* data, size_t n) {
    if (n) std::memcpy(grow(n), data, n);
  }
  void zeros(size_t n) {
    if (n) std::memset(grow(n), 0, n);
  }

  void patch16(size_t at, uint16_t v) {
    bytes_[at] = static_cast<char>(v & 0xFF);
    bytes_[at + 1] = static_cast<char>(v >> 8);
  }
  void patch32(size_t at, uint32_t v) { put32(&bytes_[at], v); }
  uint16_t read16(size_t at) const {
    return static_cast<uint16_t>(static_cast<uint8_t>(bytes_[at]) |
                                 (static_cast<uint8_t>(bytes_[at + 1]) << 8));
  }

  // n new bytes at the end, to be filled by the caller.
  char* grow(size_t n) {
    const size_t at = used_;
    if (at + n > static_cast<size_t>(bytes_.size()))
      bytes_.resize(static_cast<qsizetype>(std::max({at + n, 2 * at, size_t{256}})));
    used_ = at + n;
    return bytes_.data() + at;
  }
  static void put32(char* p, uint32_t v) {
    p[0] = static_cast<char>(v & 0xFF);
    p[1] = static_cast<char>((v >> 8) & 0xFF);
    p[2] = static_cast<char>((v >> 16) & 0xFF);
    p[3] = static_cast<char>(v >> 24);
  }

  QByteArray toByteArray() const { return bytes_.left(static_cast<qsizetype>(used_)); }

 private:
  QByteArray bytes_;  // its size is the capacity; used_ bytes hold data
  size_t used_ = 0;
};
