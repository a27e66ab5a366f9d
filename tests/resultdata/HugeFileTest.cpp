#include "resultdata/THugeFile.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <utility>

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

// A file of `size` pattern bytes in the test's own folder.
class HugeFile : public ::testing::Test {
 protected:
  QString write(std::int64_t size) {
    QFile file(dir_.filePath(QString::number(size)));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(pattern(0, size)) == size);
    return file.fileName();
  }
  QTemporaryDir dir_;
};

TEST_F(HugeFile, ReadsEveryByteWithOneSystemCallPerBuffer) {
  THugeFile file(write(5 * BufferSize + 123));
  file.Reset(1);
  std::int64_t at = 0;
  auto read = [&](std::int64_t n) {
    QByteArray got(qsizetype(n), '\0');
    file.BlockReadUnsafe(got.data(), n);
    EXPECT_EQ(got, pattern(at, n)) << n << " at " << at;
    EXPECT_EQ(file.FilePos(), at += n);
  };
  read(1);
  read(100);
  read(BufferSize - 101);
  // Seeks inside the buffer make no read call; emptying it exactly does not read ahead.
  for (std::int64_t target : {std::int64_t{5000}, std::int64_t{0}, BufferSize - 100}) {
    file.Seek(at = target);
    read(100);
  }
  EXPECT_EQ(file.ReadCalls(), 1u);
  // A buffer's worth or more goes straight to the destination in one call.
  read(BufferSize);
  read(3 * BufferSize);
  EXPECT_EQ(file.ReadCalls(), 3u);
}

TEST_F(HugeFile, RaisesWithTheFileNameAndSystemError) {
  const QString path = write(1000);
  THugeFile file(path);
  EXPECT_EQ(
      raised([&] { file.Reset(0); }),
      std::pair(QStringLiteral("THugeFile(%1):BlockSize must be greater than zero!").arg(path),
                1003));
  file.Reset(1);
  EXPECT_THROW(file.Reset(-3), EHugeFile);  // would divide positions by zero
  EXPECT_THROW(file.Seek(-1), EHugeFile);
  // Reading beyond the end delivers what is there and leaves the file usable.
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
  file.Close();
  EXPECT_EQ(raised([&] { file.BlockReadUnsafe(got.data(), 4); }),
            std::pair(QStringLiteral("THugeFile(%1):File not open!").arg(path), 1004));

  // Only regular files open: a named pipe without a writer would block a plain open for ever.
  const QString fifo = dir_.filePath(QStringLiteral("pipe"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const std::pair<QString, int> cases[] = {{dir_.filePath(QStringLiteral("missing.vq3")), ENOENT},
                                           {dir_.path(), EISDIR},
                                           {fifo, ESPIPE}};
  for (const auto& [name, code] : cases) {
    THugeFile other(name);
    EXPECT_EQ(raised([&] { other.Reset(1); }),
              std::pair(QStringLiteral("THugeFile.Reset(%1) failed. System Error.  Code: %2.\r\n%3")
                            .arg(name)
                            .arg(code)
                            .arg(QString::fromLocal8Bit(std::strerror(code))),
                        1001));
    EXPECT_FALSE(other.IsOpen());
  }
}

}  // namespace
