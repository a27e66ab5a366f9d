#include "resultdata/THugeFile.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::int64_t BufferSize = 65536;

class HugeFileFixture : public ::testing::Test {
 protected:
  // A file whose byte n is (n * 7 + n / 251) mod 256, so that a byte out of
  // place shows in a comparison.
  QString writePattern(const char* name, std::int64_t size) {
    const QString path = dir_.filePath(QString::fromLatin1(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(pattern(0, size));
    return path;
  }
  static QByteArray pattern(std::int64_t from, std::int64_t count) {
    QByteArray bytes(static_cast<qsizetype>(count), '\0');
    for (std::int64_t n = 0; n < count; ++n)
      bytes[static_cast<qsizetype>(n)] =
          static_cast<char>(((from + n) * 7 + (from + n) / 251) & 0xff);
    return bytes;
  }
  QTemporaryDir dir_;
};

using HugeFileReadsSequentially = HugeFileFixture;

TEST_F(HugeFileReadsSequentially, DeliversEveryByteAcrossBufferBoundaries) {
  const std::int64_t size = 5 * BufferSize + 123;
  THugeFile file(writePattern("seq.bin", size));
  file.Reset(1);
  // Small, buffer-sized and larger-than-buffer reads in one pass.
  const std::int64_t sizes[] = {1, 100, BufferSize - 101, BufferSize, 2 * BufferSize + 17, 3};
  std::int64_t at = 0;
  for (std::int64_t n : sizes) {
    QByteArray got(static_cast<qsizetype>(n), '\0');
    file.BlockReadUnsafe(got.data(), n);
    EXPECT_EQ(got, pattern(at, n)) << "read of " << n << " at " << at;
    at += n;
    EXPECT_EQ(file.FilePos(), at);
  }
  // The rest, asked for with room to spare: BlockRead reports what came.
  QByteArray rest(static_cast<qsizetype>(size), '\0');
  std::int64_t transferred = -1;
  file.BlockRead(rest.data(), size, transferred);
  EXPECT_EQ(transferred, size - at);
  EXPECT_EQ(rest.left(static_cast<qsizetype>(transferred)), pattern(at, size - at));
  EXPECT_EQ(file.FilePos(), size);
}

TEST_F(HugeFileReadsSequentially, SmallReadsCostOneSystemCallPerBuffer) {
  const std::int64_t size = 4 * BufferSize;
  THugeFile file(writePattern("calls.bin", size));
  file.Reset(1);
  char record[64];
  for (std::int64_t n = 0; n < size / 64; ++n) file.BlockReadUnsafe(record, 64);
  // One call per buffer fill; emptying a buffer exactly does not read ahead.
  EXPECT_EQ(file.ReadCalls(), 4u);

  // A read larger than the buffer goes straight to the destination in one call.
  file.Seek(10);
  QByteArray big(static_cast<qsizetype>(3 * BufferSize), '\0');
  file.BlockReadUnsafe(big.data(), 3 * BufferSize);
  EXPECT_EQ(file.ReadCalls(), 5u);
  EXPECT_EQ(big, pattern(10, 3 * BufferSize));
}

TEST_F(HugeFileReadsSequentially, BlockSizeScalesPositionsAndCounts) {
  THugeFile file(writePattern("blocks.bin", 4 * 10 + 3));
  file.Reset(4);
  EXPECT_EQ(file.FileSize(), 10);  // the 3 trailing bytes make no whole block
  file.Seek(8);
  EXPECT_EQ(file.FilePos(), 8);
  char got[16];
  std::int64_t transferred = 0;
  file.BlockRead(got, 4, transferred);
  // Blocks 8 and 9 are whole, the last 3 bytes are delivered but not counted.
  EXPECT_EQ(transferred, 2);
  EXPECT_EQ(QByteArray(got, 11), pattern(32, 11));
}

using HugeFileSeeks = HugeFileFixture;

TEST_F(HugeFileSeeks, InsideTheBufferWithoutASystemCall) {
  THugeFile file(writePattern("seek.bin", 3 * BufferSize));
  file.Reset(1);
  char got[100];
  file.BlockReadUnsafe(got, 100);
  const auto callsAfterFill = file.ReadCalls();
  ASSERT_GE(callsAfterFill, 1u);

  for (std::int64_t target : {std::int64_t{5000}, std::int64_t{0}, BufferSize - 100}) {
    file.Seek(target);
    EXPECT_EQ(file.FilePos(), target);
    file.BlockReadUnsafe(got, 100);
    EXPECT_EQ(QByteArray(got, 100), pattern(target, 100));
  }
  EXPECT_EQ(file.ReadCalls(), callsAfterFill);

  // Outside the buffer the next read goes to the file, and reads the right place.
  file.Seek(2 * BufferSize + 7);
  EXPECT_EQ(file.ReadCalls(), callsAfterFill);
  file.BlockReadUnsafe(got, 100);
  EXPECT_EQ(file.ReadCalls(), callsAfterFill + 1);
  EXPECT_EQ(QByteArray(got, 100), pattern(2 * BufferSize + 7, 100));
}

TEST_F(HugeFileSeeks, SizeAndPositionsBeyondFourGigabytesAreExact) {
  const QString path = dir_.filePath(QStringLiteral("sparse.bin"));
  const std::int64_t size = 5'000'000'000;
  {
    const int fd = ::open(QFile::encodeName(path).constData(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, size), 0);
    const char tail[] = "tail";
    ASSERT_EQ(::pwrite(fd, tail, 4, size - 4), 4);
    ::close(fd);
  }
  THugeFile file(path);
  file.Reset(1);
  EXPECT_EQ(file.FileSize(), size);
  file.Seek(size - 4);
  EXPECT_EQ(file.FilePos(), size - 4);
  char got[4];
  file.BlockReadUnsafe(got, 4);
  EXPECT_EQ(std::memcmp(got, "tail", 4), 0);

  // Count x block size is taken in 64 bits: block 4768 of 1 MiB lies past 4 GiB.
  file.Reset(1 << 20);
  EXPECT_EQ(file.FileSize(), size >> 20);
  file.Seek(4768);
  EXPECT_EQ(file.FilePos(), 4768);
}

using HugeFileRaises = HugeFileFixture;

TEST_F(HugeFileRaises, ReadBeyondEndDeliversWhatIsThere) {
  const std::int64_t size = 1000;
  THugeFile file(writePattern("end.bin", size));
  file.Reset(1);
  file.Seek(size - 60);
  std::vector<char> got(100, 'x');
  try {
    file.BlockReadUnsafe(got.data(), 100);
    FAIL() << "no exception";
  } catch (const EHugeFile& e) {
    EXPECT_EQ(e.message(), QStringLiteral("Read beyond end of file"));
    EXPECT_EQ(e.helpContext(), 1008);
  }
  EXPECT_EQ(QByteArray(got.data(), 60), pattern(size - 60, 60));
  EXPECT_EQ(got[60], 'x');
  EXPECT_EQ(file.FilePos(), size);
  // Still usable.
  file.Seek(0);
  file.BlockReadUnsafe(got.data(), 100);
  EXPECT_EQ(QByteArray(got.data(), 100), pattern(0, 100));
}

TEST_F(HugeFileRaises, BlockSizeBelowOneNamesTheFile) {
  const QString path = writePattern("zero.bin", 10);
  THugeFile file(path);
  try {
    file.Reset(0);
    FAIL() << "no exception";
  } catch (const EHugeFile& e) {
    EXPECT_EQ(e.message(),
              QStringLiteral("THugeFile(%1):BlockSize must be greater than zero!").arg(path));
    EXPECT_EQ(e.helpContext(), 1003);
  }
  EXPECT_FALSE(file.IsOpen());
  // Also on an open file, where it would otherwise divide positions by zero.
  file.Reset(1);
  EXPECT_THROW(file.Reset(-3), EHugeFile);
  EXPECT_EQ(file.BlockSize(), 1);
}

TEST_F(HugeFileRaises, MissingFileGivesTheSystemErrorOfReset) {
  const QString path = dir_.filePath(QStringLiteral("missing.vq3"));
  THugeFile file(path);
  try {
    file.Reset(1);
    FAIL() << "no exception";
  } catch (const EHugeFile& e) {
    EXPECT_EQ(e.message(),
              QStringLiteral("THugeFile.Reset(%1) failed. System Error.  Code: 2.\r\n%2")
                  .arg(path, QString::fromLocal8Bit(std::strerror(ENOENT))));
    EXPECT_EQ(e.helpContext(), 1001);
  }
  EXPECT_FALSE(file.IsOpen());
  file.Close();
}

TEST_F(HugeFileRaises, OnlyRegularFilesAreOpened) {
  // A named pipe without a writer would block a plain open for ever.
  const QString fifo = dir_.filePath(QStringLiteral("pipe"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  for (const auto& [path, code] : {std::pair{dir_.path(), EISDIR}, std::pair{fifo, ESPIPE}}) {
    THugeFile file(path);
    try {
      file.Reset(1);
      FAIL() << "no exception";
    } catch (const EHugeFile& e) {
      EXPECT_TRUE(e.message().startsWith(QStringLiteral("THugeFile.Reset(%1) failed.").arg(path)));
      EXPECT_TRUE(e.message().contains(QStringLiteral("Code: %1.").arg(code)));
    }
    EXPECT_FALSE(file.IsOpen());
  }
}

TEST_F(HugeFileRaises, ClosedFileAndNegativePositions) {
  const QString path = writePattern("closed.bin", 10);
  THugeFile file(path);
  char got[4];
  try {
    file.BlockReadUnsafe(got, 4);
    FAIL() << "no exception";
  } catch (const EHugeFile& e) {
    EXPECT_EQ(e.message(), QStringLiteral("THugeFile(%1):File not open!").arg(path));
    EXPECT_EQ(e.helpContext(), 1004);
  }
  EXPECT_THROW(file.FileSize(), EHugeFile);
  file.Reset(1);
  EXPECT_THROW(file.Seek(-1), EHugeFile);
  std::int64_t transferred = 0;
  EXPECT_THROW(file.BlockRead(got, -4, transferred), EHugeFile);
  file.Close();
  file.Close();
  EXPECT_FALSE(file.IsOpen());
  EXPECT_THROW(file.Seek(0), EHugeFile);
}

}  // namespace
