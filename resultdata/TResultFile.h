#pragma once
// Reads one simulation result file (read-only): checks the header, reads
// everything before the first time step into memory and then gives 64-bit
// random and sequential access to the time steps through a single step
// buffer, which the views read in place through FieldTable().
//
// Files come in versions 0 to 4 and three framings: plain (header at offset
// 0), prefixed (a 4-byte word, then the plain layout) and records (each item
// written as length, data, length; versions 0 and 1 only). Everything in the
// file is untrusted: sizes and counts are checked against the bytes the file
// holds before anything is allocated, and a refused file raises
// base::Exception (EHugeFile for reads that come up short).
//
// Position invariant: after the first step read, the buffer holds the step
// last read and the file position stands at the start of the following step.
#include "base/DateTime.h"
#include "resultdata/TDataKind.h"
#include "resultdata/TFieldTable.h"
#include "resultdata/THeaderBlock.h"
#include "resultdata/THugeFile.h"
#include "resultdata/TMaterialRecord.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

enum class TResultFraming : std::uint8_t { Plain, Prefixed, Records };

class TResultFile {
 public:
  // The largest step record accepted (bytes).
  static constexpr std::int64_t MaxRecordSize = std::int64_t{1} << 31;

  // Opens, checks and reads the body; positioned at step 0 with nothing read
  // yet (step time 0, every value 0). Raises when the file is refused.
  explicit TResultFile(const QString& fileName);
  ~TResultFile();
  TResultFile(const TResultFile&) = delete;
  TResultFile& operator=(const TResultFile&) = delete;

  const QString& FileName() const { return fileName_; }
  int Version() const { return version_; }
  TResultFraming Framing() const { return framing_; }

  // Grid: Nx x coordinates and Ny y coordinates, as read. The grid builder
  // moves the origin in place, hence the mutable access.
  std::int32_t Nx() const { return nx_; }
  std::int32_t Ny() const { return ny_; }
  std::vector<float>& X() { return x_; }
  std::vector<float>& Y() { return y_; }
  const std::vector<float>& X() const { return x_; }
  const std::vector<float>& Y() const { return y_; }
  // Nx * Ny entries, k = i * Ny + j: 0 = no material, m > 0 = material m - 1.
  // Version-0 files have no table; theirs holds material 1 in every cell of
  // column >= 1 and row >= 1.
  const std::vector<std::int16_t>& CellMaterials() const { return cellMaterials_; }
  std::int32_t MaterialCountField() const { return materialCount_; }
  std::int32_t MaterialCount() const { return materialCount_; }
  const std::vector<TMaterialRecord>& Materials() const { return materials_; }
  // Copies material Index; false (and rec unchanged) when there is none.
  bool GetMaterial(int index, TMaterialRecord& rec) const;

  const THeaderBlock& HeaderBlock() const { return header_; }
  const TFieldTable& FieldTable() const { return fieldTable_; }

  std::int64_t ArraySize() const { return arraySize_; }      // R = Nx * Ny * 4
  std::int64_t PayloadSize() const { return payloadSize_; }  // 8 + R per array
  std::int64_t RecordSize() const { return recordSize_; }    // S, on disk
  const std::byte* StepBuffer() const { return stepBuffer_.get(); }

  std::int64_t FirstStepOffset() const { return firstStepOffset_; }
  // Start of the last whole step; FirstStepOffset() - RecordSize() when the
  // file holds no whole step.
  std::int64_t LastStepOffset() const { return lastStepOffset_; }
  // End of the step area: where the value-range trailer starts, or the file size.
  std::int64_t StepAreaEnd() const { return stepAreaEnd_; }
  bool HasRangeTrailer() const { return hasTrailer_; }
  std::int64_t SavedPosition() const { return savedPosition_; }

  // Reads the step at the current position, wrapping to step 0 after the last;
  // true while a further step follows.
  bool NextStep();
  // Reads the step before the one last read, wrapping from step 0 to the last.
  bool PrevStep();
  // Reads step index; does nothing for an index outside 0 .. LastStepIndex().
  void GotoStep(std::int64_t index);
  std::int64_t CurrentStepIndex() const;
  std::int64_t LastStepIndex() const;
  // Positions at step 0 or at the last step; reads nothing.
  void Rewind(bool toEnd);
  void SavePosition();
  void RestorePosition();

  // Time of the step in the buffer: seconds since StartDate().
  double StepTime() const;
  // The parsed start-date text; -1.0 when the text is empty.
  base::TDateTime StartDate() const { return startDate_; }

 private:
  friend class TResultFileBody;

  void open();
  bool headerAt(std::int64_t offset, int length, unsigned char* header);
  std::int32_t wordAt(std::int64_t offset);
  void readAs(TResultFraming framing, std::int64_t afterHeader, const unsigned char* header);
  void layOutSteps();
  void findStepArea();
  void seekStep(std::int64_t offset);
  void readStep();

  QString fileName_;
  THugeFile file_;
  std::int64_t fileSize_ = 0;
  int version_ = 0;
  TResultFraming framing_ = TResultFraming::Plain;
  std::int64_t bodyStart_ = 0;        // first byte after the header (and extra word)
  std::int32_t headerFirstStep_ = 0;  // the header's first-step offset (versions 3, 4)

  std::int32_t nx_ = 0;
  std::int32_t ny_ = 0;
  std::vector<float> x_;
  std::vector<float> y_;
  std::int32_t materialCount_ = 0;
  std::vector<std::int16_t> cellMaterials_;
  std::vector<TMaterialRecord> materials_;
  THeaderBlock header_;
  bool rangesInBody_ = false;

  TFieldTable fieldTable_{};
  std::int64_t arraySize_ = 0;
  std::int64_t payloadSize_ = 0;
  std::int64_t recordSize_ = 0;
  struct FreeDeleter {
    void operator()(std::byte* p) const noexcept;
  };
  std::unique_ptr<std::byte[], FreeDeleter> stepBuffer_;
  std::int64_t timeOffset_ = 0;  // of the f64 step time in the buffer

  std::int64_t firstStepOffset_ = 0;
  std::int64_t lastStepOffset_ = 0;
  std::int64_t stepAreaEnd_ = 0;
  bool hasTrailer_ = false;
  std::int64_t savedPosition_ = -1;
  base::TDateTime startDate_ = -1.0;
};
