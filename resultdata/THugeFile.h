#pragma once
// Read access to one file with 64-bit positions, a block size and a
// page-aligned read buffer. Positions, sizes and counts are in blocks (block
// size 1 = bytes). Reads go through pread, so the buffer is the only place a
// position lives: a seek that lands inside the bytes already buffered costs no
// system call, small sequential reads pay one call per buffer, and a read of at
// least a buffer's size goes straight into the caller's memory in one call.
//
// Every failure raises EHugeFile with a message that names the operation and
// the file; after any raise the object can still be closed and destroyed.
#include "base/Exceptions.h"

#include <QString>

#include <cstddef>
#include <cstdint>

class EHugeFile : public base::Exception {
 public:
  using Exception::Exception;
};

// Help contexts of EHugeFile, one per kind of failure.
enum THugeFileHelp : int {
  hfSystemError = 1001,    // a system call failed with an errno
  hfOsCallFailed = 1002,   // a system call failed without an errno
  hfBadBlockSize = 1003,   // Reset with a block size below 1
  hfNotOpen = 1004,        // an operation on a closed file
  hfNoBuffer = 1005,       // the read buffer could not be allocated
  hfReadBeyondEnd = 1008,  // BlockReadUnsafe delivered fewer blocks than asked
};

class THugeFile {
 public:
  // Stores the name; nothing is opened. bufferSize 0 means 65536 bytes; any
  // size is rounded up to whole pages.
  explicit THugeFile(QString fileName, std::size_t bufferSize = 0);
  ~THugeFile();
  THugeFile(const THugeFile&) = delete;
  THugeFile& operator=(const THugeFile&) = delete;

  // Opens the existing file for buffered reading at position 0. On an open
  // file only the block size and the buffer are renewed.
  void Reset(std::int64_t blockSize = 1);
  void Seek(std::int64_t position);
  std::int64_t FilePos() const;
  std::int64_t FileSize();
  // Reads up to count blocks; transferred is the number of whole blocks
  // delivered. The position advances by every byte delivered.
  void BlockRead(void* buffer, std::int64_t count, std::int64_t& transferred);
  // Reads exactly count blocks or raises "Read beyond end of file"; what was
  // there is delivered and the position stands after it.
  void BlockReadUnsafe(void* buffer, std::int64_t count);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }

  const QString& FileName() const { return fileName_; }
  std::int64_t BlockSize() const { return blockSize_; }
  // Number of read system calls made since construction (for tests and
  // benchmarks that check the buffering).
  std::uint64_t ReadCalls() const { return readCalls_; }

 private:
  void checkHandle() const;
  [[noreturn]] void raiseSystemError(const char* operation, int code) const;
  void allocBuffer();
  void freeBuffer();
  // Reads up to count bytes at offset with as many pread calls as needed;
  // returns the bytes read (short only at the end of the file).
  std::int64_t readAt(std::int64_t offset, char* destination, std::int64_t count,
                      const char* operation);
  std::int64_t fetch(char* destination, std::int64_t count);
  std::int64_t toBytes(std::int64_t blocks, const char* operation) const;

  QString fileName_;
  int fd_ = -1;
  std::int64_t blockSize_ = 1;
  std::size_t bufferSize_ = 0;
  char* buffer_ = nullptr;
  std::int64_t bufferOffset_ = 0;  // file offset of buffer_[0]
  std::int64_t bufferFill_ = 0;    // valid bytes in the buffer
  std::int64_t bufferPos_ = 0;     // next byte to hand out; position = offset + pos
  std::uint64_t readCalls_ = 0;
};
