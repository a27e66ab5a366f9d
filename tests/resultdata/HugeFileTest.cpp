#include "resultdata/THugeFile.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::int64_t BufferSize = 65536;

// Byte n is (n * 7 + n / 251) mod 256, so that a byte out of place shows.
QByteArray pattern(std::int64_t from, std::int64_t count) {
  QByteArray bytes(qsizetype(count), '\0');
  for (std::int64_t n = from; n < from + count; ++n)
    bytes[qsizetype(n - from)] = char(n * 7 + n / 251);
  return bytes;
}

// The message and help context `action` raises EHugeFile with.
std::pair<QString, int> raised(const std::function<void()>& action) {
  try {
    action();
  } catch (const EHugeFile& e) {
    return {e.message(), e.helpContext()};
  }
  return {QStringLiteral("no exception"), 0};
}

class HugeFile : public ::testing::Test {
 protected:
  QString write(std::int64_t size) {
    const QString path = dir_.filePath(QString::number(size));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(pattern(0, size));
    return path;
  }
  QTemporaryDir dir_;
};

TEST_F(HugeFile, ReadsEveryByteWithOneSystemCallPerBuffer) {
  const std::int64_t size = 5 * BufferSize + 123;
  THugeFile file(write(size));
  file.Reset(1);
  std::int64_t at = 0;
  for (std::int64_t n : {std::int64_t{1}, std::int64_t{100}, BufferSize - 101, BufferSize}) {
    QByteArray got(qsizetype(n), '\0');
    file.BlockReadUnsafe(got.data(), n);
    EXPECT_EQ(got, pattern(at, n)) << n;
    EXPECT_EQ(file.FilePos(), at += n);
  }
  EXPECT_EQ(file.ReadCalls(), 2u);  // emptying a buffer exactly does not read ahead
  // Larger than the buffer: straight to the destination in one call.
  QByteArray big(qsizetype(3 * BufferSize), '\0');
  file.BlockReadUnsafe(big.data(), 3 * BufferSize);
  EXPECT_EQ(file.ReadCalls(), 3u);
  EXPECT_EQ(big, pattern(at, 3 * BufferSize));
  at += 3 * BufferSize;
  // The rest, asked for with room to spare: BlockRead reports what came.
  QByteArray rest(qsizetype(size), '\0');
  std::int64_t transferred = -1;
  file.BlockRead(rest.data(), size, transferred);
  EXPECT_EQ(transferred, size - at);
  EXPECT_EQ(rest.left(qsizetype(transferred)), pattern(at, size - at));

  // Block size 4 counts whole blocks; the 3 trailing bytes are delivered but not counted.
  THugeFile blocks(write(43));
  blocks.Reset(4);
  EXPECT_EQ(blocks.FileSize(), 10);
  blocks.Seek(8);
  char got[16];
  blocks.BlockRead(got, 4, transferred);
  EXPECT_EQ(transferred, 2);
  EXPECT_EQ(QByteArray(got, 11), pattern(32, 11));
}

TEST_F(HugeFile, SeekInsideTheBufferMakesNoReadCall) {
  THugeFile file(write(3 * BufferSize));
  file.Reset(1);
  char got[100];
  file.BlockReadUnsafe(got, 100);
  const auto calls = file.ReadCalls();
  for (std::int64_t target : {std::int64_t{5000}, std::int64_t{0}, BufferSize - 100}) {
    file.Seek(target);
    file.BlockReadUnsafe(got, 100);
    EXPECT_EQ(QByteArray(got, 100), pattern(target, 100));
  }
  EXPECT_EQ(file.ReadCalls(), calls);
  file.Seek(2 * BufferSize + 7);
  file.BlockReadUnsafe(got, 100);
  EXPECT_EQ(file.ReadCalls(), calls + 1);
  EXPECT_EQ(QByteArray(got, 100), pattern(2 * BufferSize + 7, 100));
}

TEST_F(HugeFile, SizeAndPositionsBeyondFourGigabytesAreExact) {
  const QString path = dir_.filePath(QStringLiteral("sparse"));
  const std::int64_t size = 5'000'000'000;
  const int fd = ::open(QFile::encodeName(path).constData(), O_CREAT | O_WRONLY, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::ftruncate(fd, size), 0);
  ASSERT_EQ(::pwrite(fd, "tail", 4, size - 4), 4);
  ::close(fd);
  THugeFile file(path);
  file.Reset(1);
  EXPECT_EQ(file.FileSize(), size);
  file.Seek(size - 4);
  char got[4];
  file.BlockReadUnsafe(got, 4);
  EXPECT_EQ(std::memcmp(got, "tail", 4), 0);
  // Count x block size in 64 bits: block 4768 of 1 MiB lies past 4 GiB.
  file.Reset(1 << 20);
  EXPECT_EQ(file.FileSize(), size >> 20);
  file.Seek(4768);
  EXPECT_EQ(file.FilePos(), 4768);
}

TEST_F(HugeFile, ReadBeyondEndDeliversWhatIsThereAndStaysUsable) {
  THugeFile file(write(1000));
  file.Reset(1);
  file.Seek(940);
  QByteArray got(100, 'x');
  EXPECT_EQ(raised([&] { file.BlockReadUnsafe(got.data(), 100); }),
            std::pair(QStringLiteral("Read beyond end of file"), 1008));
  EXPECT_EQ(got.left(60), pattern(940, 60));
  EXPECT_EQ(got[60], 'x');
  EXPECT_EQ(file.FilePos(), 1000);
  file.Seek(0);
  file.BlockReadUnsafe(got.data(), 100);
  EXPECT_EQ(got, pattern(0, 100));
}

TEST_F(HugeFile, RaisesWithTheFileNameAndSystemError) {
  const QString path = write(10);
  THugeFile file(path);
  char got[4];
  EXPECT_EQ(raised([&] { file.BlockReadUnsafe(got, 4); }),
            std::pair(QStringLiteral("THugeFile(%1):File not open!").arg(path), 1004));
  EXPECT_EQ(
      raised([&] { file.Reset(0); }),
      std::pair(QStringLiteral("THugeFile(%1):BlockSize must be greater than zero!").arg(path),
                1003));
  EXPECT_FALSE(file.IsOpen());
  // Also on an open file, where it would otherwise divide positions by zero.
  file.Reset(1);
  EXPECT_THROW(file.Reset(-3), EHugeFile);
  EXPECT_EQ(file.BlockSize(), 1);
  EXPECT_THROW(file.Seek(-1), EHugeFile);
  std::int64_t transferred = 0;
  EXPECT_THROW(file.BlockRead(got, -4, transferred), EHugeFile);
  file.Close();
  EXPECT_THROW(file.Seek(0), EHugeFile);

  const QString missing = dir_.filePath(QStringLiteral("missing.vq3"));
  THugeFile absent(missing);
  EXPECT_EQ(raised([&] { absent.Reset(1); }),
            std::pair(QStringLiteral("THugeFile.Reset(%1) failed. System Error.  Code: 2.\r\n%2")
                          .arg(missing, QString::fromLocal8Bit(std::strerror(ENOENT))),
                      1001));
  EXPECT_FALSE(absent.IsOpen());
}

TEST_F(HugeFile, OpensRegularFilesOnly) {
  // A named pipe without a writer would block a plain open for ever.
  const QString fifo = dir_.filePath(QStringLiteral("pipe"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  for (const auto& [path, code] : {std::pair{dir_.path(), EISDIR}, std::pair{fifo, ESPIPE}}) {
    THugeFile file(path);
    const QString message = raised([&] { file.Reset(1); }).first;
    EXPECT_TRUE(message.startsWith(QStringLiteral("THugeFile.Reset(%1) failed.").arg(path)));
    EXPECT_TRUE(message.contains(QStringLiteral("Code: %1.").arg(code))) << qPrintable(message);
    EXPECT_FALSE(file.IsOpen());
  }
}

}  // namespace
