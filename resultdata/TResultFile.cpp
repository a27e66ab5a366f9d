#include "resultdata/TResultFile.h"

#include "resultdata/StartDate.h"
#include "resultdata/TResultFileBody.h"
#include "resultdata/TResultFileFormat.h"

#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <new>

using namespace resultfile;

namespace {

base::Exception unsupportedFile() {
  return base::Exception(QStringLiteral("unsupported Filetype or Fileversion"));
}

// Bytes 0 to 9 are the magic and the version is 0 to 4.
bool isResultHeader(const unsigned char* header, int& version) {
  if (std::memcmp(header, Magic, MagicBytes) != 0) return false;
  version = qFromLittleEndian<qint16>(header + 10);
  return version >= 0 && version <= MaxVersion;
}

}  // namespace

TResultFile::TResultFile(const QString& fileName) : fileName_(fileName), file_(fileName) {
  file_.Reset(1);
  fileSize_ = file_.FileSize();
  open();
}

TResultFile::~TResultFile() = default;

void TResultFile::FreeDeleter::operator()(std::byte* p) const noexcept {
  std::free(p);
}

std::int32_t TResultFile::wordAt(std::int64_t offset) {
  unsigned char bytes[4];
  file_.Seek(offset);
  file_.BlockReadUnsafe(bytes, 4);
  return qFromLittleEndian<qint32>(bytes);
}

// Reads `length` header bytes at `offset` (the rest of the header zero) and
// checks magic and version.
bool TResultFile::headerAt(std::int64_t offset, int length, unsigned char* header) {
  if (fileSize_ < offset + length) return false;
  file_.Seek(offset);
  file_.BlockReadUnsafe(header, length);
  std::memset(header + length, 0, static_cast<std::size_t>(HeaderBytes - length));
  return isResultHeader(header, version_);
}

// Plain first. Otherwise a length word at 0 that comes again after that many
// bytes marks a header record; but a prefixed file shows the same shape when
// its prefix word happens to equal the word 4 + prefix bytes further on, as in
// a file whose writer framed the 36-byte header as one record and left the
// closing 36 as the extra word. The header's version settles it: records carry
// versions 0 and 1 only, and version 2 has no extra word to absorb a closing
// marker, so it is refused. Versions 0 and 1 are read as records first and as
// prefixed when that fails; the refusal then reported is the records one.
void TResultFile::open() {
  unsigned char header[HeaderBytes] = {};
  if (headerAt(0, HeaderBytes, header)) return readAs(TResultFraming::Plain, HeaderBytes, header);
  const std::int32_t length = fileSize_ >= 8 ? wordAt(0) : 0;
  const bool marked =
      length >= MagicBytes + 2 && length <= fileSize_ - 8 && wordAt(4 + length) == length;
  if (!marked || !headerAt(4, std::min(length, HeaderBytes), header) || version_ >= 3) {
    if (!headerAt(4, HeaderBytes, header)) throw unsupportedFile();
    return readAs(TResultFraming::Prefixed, 4 + HeaderBytes, header);
  }
  if (version_ == 2) throw unsupportedFile();
  try {
    // A header record longer than a header has no layout to read.
    if (length > HeaderBytes) throw unsupportedFile();
    readAs(TResultFraming::Records, 4 + length + 4, header);
  } catch (const base::Exception&) {
    const std::exception_ptr recordsRefusal = std::current_exception();
    try {
      if (!headerAt(4, HeaderBytes, header)) throw unsupportedFile();
      readAs(TResultFraming::Prefixed, 4 + HeaderBytes, header);
    } catch (const base::Exception&) {
      std::rethrow_exception(recordsRefusal);
    }
  }
}

// Reads everything after the header as `framing`, from `afterHeader` on.
// Starts from empty state, so a second try sees nothing of a failed first one.
void TResultFile::readAs(TResultFraming framing, std::int64_t afterHeader,
                         const unsigned char* header) {
  framing_ = framing;
  bodyStart_ = afterHeader;
  headerFirstStep_ = qFromLittleEndian<qint32>(header + 32);
  // Versions 3 and 4 put one more word after the header.
  if (version_ >= 3) bodyStart_ += 4;
  nx_ = ny_ = materialCount_ = 0;
  x_.clear();
  y_.clear();
  cellMaterials_.clear();
  materials_.clear();
  header_ = THeaderBlock{};
  rangesInBody_ = false;
  fieldTable_ = TFieldTable{};
  stepBuffer_.reset();
  savedPosition_ = -1;
  file_.Seek(bodyStart_);
  TResultFileBody(*this).Read();
  layOutSteps();
  findStepArea();
  Rewind(false);
  startDate_ = DateTextToDateTime(header_.StartDateText);
}

void TResultFile::layOutSteps() {
  arraySize_ = 4 * std::int64_t{nx_} * ny_;
  const bool records = framing_ == TResultFraming::Records;
  std::int64_t arrays = 0;
  for (TDataKind kind : header_.KindSlots)
    if (kind != dkEmpty) arrays += IsVectorKind(kind) ? 2 : 1;
  payloadSize_ = 8 + arraySize_ * arrays;
  recordSize_ = records ? 16 + (arraySize_ + 8) * arrays : payloadSize_;
  if (recordSize_ > MaxRecordSize)
    throw base::Exception(QStringLiteral("Step record of %1 bytes is too large").arg(recordSize_));
  // One step cannot be larger than the whole file; checked before the buffer
  // is sized from it.
  if (recordSize_ > fileSize_)
    throw base::Exception(
        QStringLiteral("Step record of %1 bytes does not fit in the file").arg(recordSize_));

  // Page-aligned: the kernel copies a step into an aligned buffer markedly
  // faster than into one that starts off a page boundary.
  constexpr std::size_t Page = 4096;
  const std::size_t bytes = (static_cast<std::size_t>(recordSize_) + Page - 1) / Page * Page;
  stepBuffer_.reset(static_cast<std::byte*>(std::aligned_alloc(Page, bytes)));
  if (!stepBuffer_) throw std::bad_alloc();
  std::memset(stepBuffer_.get(), 0, bytes);
  timeOffset_ = records ? 4 : 0;
  std::int64_t offset = records ? 20 : 8;
  const std::int64_t stride = records ? arraySize_ + 8 : arraySize_;
  // A kind named by two slots keeps the arrays of the later slot.
  for (TDataKind kind : header_.KindSlots) {
    if (kind == dkEmpty) continue;
    TFieldArrays& arraysOfKind = fieldTable_[kind];
    arraysOfKind.Values = reinterpret_cast<const float*>(stepBuffer_.get() + offset);
    arraysOfKind.Directions = nullptr;
    offset += stride;
    if (IsVectorKind(kind)) {
      arraysOfKind.Directions = reinterpret_cast<const float*>(stepBuffer_.get() + offset);
      offset += stride;
    }
  }
}

// The step area runs from the first step to the value-range trailer, or to the
// end of the file when there is none; only whole steps in it are read.
void TResultFile::findStepArea() {
  const std::int64_t bodyEnd = file_.FilePos();
  if (version_ >= 3) {
    firstStepOffset_ = headerFirstStep_;
    if (firstStepOffset_ < bodyEnd || firstStepOffset_ > fileSize_)
      throw base::Exception(
          QStringLiteral("First step offset %1 lies outside the step area").arg(headerFirstStep_));
  } else {
    firstStepOffset_ = bodyEnd;
  }
  stepAreaEnd_ = fileSize_;
  hasTrailer_ = false;
  unsigned char tag[TrailerTagBytes];
  unsigned char ranges[RangeBytes];
  if (version_ <= 2 && framing_ != TResultFraming::Records &&
      fileSize_ - TrailerBytes >= firstStepOffset_) {
    file_.Seek(fileSize_ - TrailerBytes);
    file_.BlockReadUnsafe(tag, TrailerTagBytes);
    if (std::memcmp(tag, TrailerTag, TrailerTagBytes) == 0) {
      file_.BlockReadUnsafe(ranges, RangeBytes);
      hasTrailer_ = true;
      stepAreaEnd_ = fileSize_ - TrailerBytes;
    }
  } else if (framing_ == TResultFraming::Records && fileSize_ - firstStepOffset_ >= 8) {
    // From the back: the last record (the ranges) and the one before it (the
    // tag), each found through its closing length word.
    const std::int64_t last = wordAt(fileSize_ - 4);
    const std::int64_t tagEnd = fileSize_ - last - 12;
    if (last >= 0 && tagEnd >= firstStepOffset_) {
      const std::int64_t tagLength = wordAt(tagEnd);
      const std::int64_t start = tagEnd - tagLength - 4;
      if (tagLength >= 0 && start >= firstStepOffset_ &&
          start + 4 + 8 + 8 + RangeBytes <= fileSize_) {
        file_.Seek(start);
        unsigned char marker[4];
        file_.BlockReadUnsafe(marker, 4);
        tag[0] = marker[0];
        file_.BlockReadUnsafe(tag + 1, 8);
        if (std::memcmp(tag, TrailerTag, TrailerTagBytes) == 0) {
          file_.Seek(start + 4 + 8 + 8);
          file_.BlockReadUnsafe(ranges, RangeBytes);
          hasTrailer_ = true;
          stepAreaEnd_ = start;
        }
      }
    }
  }
  if (hasTrailer_)
    DecodeRanges(ranges, header_.Ranges);
  else if (!rangesInBody_)
    header_.Ranges = DefaultRanges();
  lastStepOffset_ =
      firstStepOffset_ + ((stepAreaEnd_ - firstStepOffset_) / recordSize_ - 1) * recordSize_;
}

bool TResultFile::GetMaterial(int index, TMaterialRecord& rec) const {
  if (index < 0 || index >= static_cast<int>(materials_.size())) return false;
  rec = materials_[static_cast<std::size_t>(index)];
  return true;
}

void TResultFile::seekStep(std::int64_t offset) {
  file_.Seek(offset);
}

// Reads only a whole step inside the step area; anything else raises without
// touching the buffer, and the position stays where it was.
void TResultFile::readStep() {
  const std::int64_t position = file_.FilePos();
  if (position < firstStepOffset_ || recordSize_ > stepAreaEnd_ - position) throw ReadBeyondEnd();
  file_.BlockReadUnsafe(stepBuffer_.get(), recordSize_);
}

bool TResultFile::NextStep() {
  if (file_.FilePos() > lastStepOffset_) seekStep(firstStepOffset_);
  readStep();
  return file_.FilePos() <= lastStepOffset_;
}

bool TResultFile::PrevStep() {
  const std::int64_t before = file_.FilePos() - 2 * recordSize_;
  if (before < firstStepOffset_)
    seekStep(std::max(lastStepOffset_, firstStepOffset_));
  else
    seekStep(before);
  readStep();
  return true;
}

void TResultFile::GotoStep(std::int64_t index) {
  if (index < 0 || index > LastStepIndex()) return;
  seekStep(firstStepOffset_ + index * recordSize_);
  readStep();
}

std::int64_t TResultFile::CurrentStepIndex() const {
  return (file_.FilePos() - firstStepOffset_) / recordSize_ - 1;
}

std::int64_t TResultFile::LastStepIndex() const {
  return (stepAreaEnd_ - firstStepOffset_) / recordSize_ - 1;
}

void TResultFile::Rewind(bool toEnd) {
  // With no whole step the last step offset lies before the first step;
  // navigation never goes there.
  seekStep(toEnd ? std::max(lastStepOffset_, firstStepOffset_) : firstStepOffset_);
}

void TResultFile::SavePosition() {
  savedPosition_ = file_.FilePos();
}

void TResultFile::RestorePosition() {
  if (savedPosition_ > 0 && file_.FilePos() != savedPosition_) seekStep(savedPosition_);
  savedPosition_ = -1;
}

double TResultFile::StepTime() const {
  // Unaligned in the record framing (4 bytes into the step).
  double time;
  std::memcpy(&time, stepBuffer_.get() + timeOffset_, sizeof time);
  return time;
}
