#include "resultdata/THugeFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t DefaultBufferSize = 65536;

std::size_t pageSize() {
  const long size = sysconf(_SC_PAGESIZE);
  return size > 0 ? static_cast<std::size_t>(size) : 4096;
}

}  // namespace

THugeFile::THugeFile(QString fileName, std::size_t bufferSize) : fileName_(std::move(fileName)) {
  const std::size_t page = pageSize();
  const std::size_t wanted = bufferSize == 0 ? DefaultBufferSize : bufferSize;
  bufferSize_ = (wanted + page - 1) / page * page;
}

THugeFile::~THugeFile() {
  Close();
}

void THugeFile::raiseSystemError(const char* operation, int code) const {
  const QString prefix =
      QStringLiteral("THugeFile.%1(%2) failed. ").arg(QLatin1String(operation), fileName_);
  if (code == 0)
    throw EHugeFile(prefix + QStringLiteral("A call to an OS function failed"), hfOsCallFailed);
  throw EHugeFile(prefix + QStringLiteral("System Error.  Code: %1.\r\n%2")
                               .arg(code)
                               .arg(QString::fromLocal8Bit(std::strerror(code))),
                  hfSystemError);
}

void THugeFile::checkHandle() const {
  if (fd_ < 0)
    throw EHugeFile(QStringLiteral("THugeFile(%1):File not open!").arg(fileName_), hfNotOpen);
}

void THugeFile::allocBuffer() {
  void* memory = nullptr;
  if (posix_memalign(&memory, pageSize(), bufferSize_) != 0 || memory == nullptr)
    throw EHugeFile(QStringLiteral("THugeFile(%1):Failed to allocate buffer!").arg(fileName_),
                    hfNoBuffer);
  buffer_ = static_cast<char*>(memory);
}

void THugeFile::freeBuffer() {
  std::free(buffer_);
  buffer_ = nullptr;
}

void THugeFile::Reset(std::int64_t blockSize) {
  // A block size below 1 would make every position a division by zero, so it
  // is refused on a file that is already open too.
  if (blockSize < 1)
    throw EHugeFile(
        QStringLiteral("THugeFile(%1):BlockSize must be greater than zero!").arg(fileName_),
        hfBadBlockSize);
  if (fd_ < 0) {
    const QByteArray path = QFile::encodeName(fileName_);
    // Non-blocking, so that a named pipe cannot stall the open; only regular
    // files (which never block) are kept.
    int fd;
    do {
      fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) raiseSystemError("Reset", errno);
    struct stat info {};
    int code = 0;
    if (::fstat(fd, &info) != 0)
      code = errno;
    else if (S_ISDIR(info.st_mode))
      code = EISDIR;
    else if (!S_ISREG(info.st_mode))
      code = ESPIPE;  // pipes, sockets and devices have no positions to read at
    if (code != 0) {
      ::close(fd);
      raiseSystemError("Reset", code);
    }
    fd_ = fd;
  }
  freeBuffer();
  blockSize_ = blockSize;
  bufferOffset_ = bufferFill_ = bufferPos_ = 0;
  allocBuffer();
}

void THugeFile::Close() {
  if (fd_ < 0) return;
  freeBuffer();
  ::close(fd_);
  fd_ = -1;
  bufferOffset_ = bufferFill_ = bufferPos_ = 0;
}

std::int64_t THugeFile::toBytes(std::int64_t blocks, const char* operation) const {
  std::int64_t bytes = 0;
  if (blocks < 0 || __builtin_mul_overflow(blocks, blockSize_, &bytes))
    raiseSystemError(operation, EINVAL);
  return bytes;
}

void THugeFile::Seek(std::int64_t position) {
  checkHandle();
  const std::int64_t target = toBytes(position, "_Seek");
  if (target >= bufferOffset_ && target - bufferOffset_ <= bufferFill_) {
    bufferPos_ = target - bufferOffset_;
    return;
  }
  bufferOffset_ = target;
  bufferFill_ = bufferPos_ = 0;
}

std::int64_t THugeFile::FilePos() const {
  return (bufferOffset_ + bufferPos_) / blockSize_;
}

std::int64_t THugeFile::FileSize() {
  checkHandle();
  struct stat info {};
  if (::fstat(fd_, &info) != 0) raiseSystemError("FileSize", errno);
  return static_cast<std::int64_t>(info.st_size) / blockSize_;
}

std::int64_t THugeFile::readAt(std::int64_t offset, char* destination, std::int64_t count,
                               const char* operation) {
  std::int64_t done = 0;
  while (done < count) {
    // Linux moves at most about 2 GB per call; larger requests take several.
    const std::size_t chunk =
        static_cast<std::size_t>(std::min<std::int64_t>(count - done, 0x40000000));
    ++readCalls_;
    const ssize_t got = ::pread(fd_, destination + done, chunk, static_cast<off_t>(offset + done));
    if (got < 0) {
      if (errno == EINTR) continue;
      raiseSystemError(operation, errno);
    }
    done += got;
    // A short read of a regular file means its end; asking again would only
    // cost another call to learn the same.
    if (static_cast<std::size_t>(got) < chunk) break;
  }
  return done;
}

// Serves count bytes from the buffer. A request that the buffer cannot hold
// goes straight into the destination with one read and leaves the buffer
// empty, so a step of many megabytes costs one call and no extra copy; smaller
// requests refill the buffer and are copied from it.
std::int64_t THugeFile::fetch(char* destination, std::int64_t count) {
  if (count == 0) return 0;
  const std::int64_t waiting = bufferFill_ - bufferPos_;
  if (count <= waiting) {
    std::memcpy(destination, buffer_ + bufferPos_, static_cast<std::size_t>(count));
    bufferPos_ += count;
    return count;
  }
  std::memcpy(destination, buffer_ + bufferPos_, static_cast<std::size_t>(waiting));
  const std::int64_t fileOffset = bufferOffset_ + bufferFill_;
  const std::int64_t rest = count - waiting;
  bufferOffset_ = fileOffset;
  bufferFill_ = bufferPos_ = 0;
  if (rest >= static_cast<std::int64_t>(bufferSize_)) {
    const std::int64_t got = readAt(fileOffset, destination + waiting, rest, "BlockRead");
    bufferOffset_ = fileOffset + got;
    return waiting + got;
  }
  bufferFill_ = readAt(fileOffset, buffer_, static_cast<std::int64_t>(bufferSize_), "BlockRead");
  const std::int64_t tail = std::min(rest, bufferFill_);
  std::memcpy(destination + waiting, buffer_, static_cast<std::size_t>(tail));
  bufferPos_ = tail;
  return waiting + tail;
}

void THugeFile::BlockRead(void* buffer, std::int64_t count, std::int64_t& transferred) {
  transferred = 0;
  checkHandle();
  const std::int64_t bytes = toBytes(count, "BlockRead");
  // Offsets stay below 2^63 so that position arithmetic cannot overflow.
  if (bytes > std::numeric_limits<std::int64_t>::max() - (bufferOffset_ + bufferPos_))
    raiseSystemError("BlockRead", EINVAL);
  transferred = fetch(static_cast<char*>(buffer), bytes) / blockSize_;
}

void THugeFile::BlockReadUnsafe(void* buffer, std::int64_t count) {
  std::int64_t transferred = 0;
  BlockRead(buffer, count, transferred);
  if (transferred < count)
    throw EHugeFile(QStringLiteral("Read beyond end of file"), hfReadBeyondEnd);
}
