#include "viewer/project/TZolProject.h"

#include "base/Exceptions.h"
#include "resultdata/TGrid.h"
#include "resultdata/TResultFile.h"
#include "viewer/project/MaterialListing.h"
#include "viewer/project/ProjectOwner.h"
#include "viewer/project/TRunOne.h"
#include "viewer/view/ProjectView.h"
#include "viewer/view/SessionFile.h"

#include <span>
#include <thread>

namespace {
constexpr double kSecondsPerDay = 86400.0;
constexpr int kSlotNameLength = 32;
}  // namespace

TZolProject::TZolProject(ProjectOwner& owner, const QString& fileName)
    : owner_(owner), fileName_(fileName) {
  grid_ = std::make_unique<TGrid>();
  reader_ = std::make_unique<TResultFile>(fileName);

  const std::int32_t nx = reader_->Nx();
  const std::int32_t ny = reader_->Ny();
  grid_->Build(nx, ny, std::span<const std::int16_t>(reader_->CellMaterials()),
               std::span<float>(reader_->Y()), std::span<float>(reader_->X()));
  CopyHeader();

  // The date strip spans the whole film: from the start date to the time of
  // the last step. Reading the last step here costs one step read.
  const double start = reader_->StartDate();
  endDate_ = start;
  const std::int64_t last = reader_->LastStepIndex();
  if (last >= 0) {
    reader_->GotoStep(last);
    endDate_ = start + reader_->StepTime() / kSecondsPerDay;
    reader_->Rewind(false);
  }

  // Slot 7 first: the view of the lowest kind is made last and ends up as the
  // active, topmost window.
  for (int slot = THeaderBlock::SlotCount - 1; slot >= 0; --slot) {
    const TDataKind kind = header_.KindSlots[static_cast<std::size_t>(slot)];
    if (kind == dkEmpty) continue;
    std::unique_ptr<ProjectView> view = owner_.CreateView(*this, kind);
    ProjectView& v = *view;
    views_.push_back(std::move(view));
    v.ResetView();
    if (header_.HasSlotNames) v.SetViewCaption(header_.SlotNames[static_cast<std::size_t>(slot)]);
    v.SetDateRange(start, endDate_);
  }

  reader_->NextStep();
  loaded_ = true;
  UpdateViews();
}

TZolProject::~TZolProject() {
  // No step may run once destruction has begun.
  if (player_) player_->Terminate();
  player_.reset();
  while (!views_.empty()) {
    views_.back()->Minimize();
    views_.pop_back();
  }
  if (materialWindow_) {
    materialWindow_->Minimize();
    materialWindow_.reset();
  }
  reader_.reset();
  grid_.reset();
}

void TZolProject::CopyHeader() {
  const THeaderBlock& h = reader_->HeaderBlock();
  header_.StartDateText = h.StartDateText;
  for (int k = 0; k < THeaderBlock::SlotCount; ++k) {
    const auto s = static_cast<std::size_t>(k);
    const TDataKind kind = h.KindSlots[s];
    header_.KindSlots[s] = kind <= dkEmpty ? kind : dkEmpty;
    // A slot caption is a bounded text: at most 32 characters, none after a NUL.
    QString name = h.SlotNames[s].left(kSlotNameLength);
    const qsizetype nul = name.indexOf(QChar(0));
    if (nul >= 0) name.truncate(nul);
    header_.SlotNames[s] = name;
  }
  header_.HasSlotNames = h.HasSlotNames;
  for (int k = 0; k < FieldKindCount; ++k) {
    const auto s = static_cast<std::size_t>(k);
    header_.Min[s] = h.Ranges[s].Min;
    header_.Max[s] = h.Ranges[s].Max;
  }
}

// ---------------------------------------------------------------- ViewHost data

const TGrid* TZolProject::Grid() const {
  return grid_.get();
}

float TZolProject::RangeMin(TDataKind kind) const {
  return kind < FieldKindCount ? header_.Min[kind] : 0.0F;
}

float TZolProject::RangeMax(TDataKind kind) const {
  return kind < FieldKindCount ? header_.Max[kind] : 0.0F;
}

const float* TZolProject::FieldValues(TDataKind kind) const {
  return kind < FieldKindCount ? reader_->FieldTable()[kind].Values : nullptr;
}

const float* TZolProject::FieldDirections(TDataKind kind) const {
  return kind < FieldKindCount ? reader_->FieldTable()[kind].Directions : nullptr;
}

const TResultFile* TZolProject::Reader() const {
  return reader_.get();
}

// ---------------------------------------------------------------- stepping

double TZolProject::StartDate() const {
  return reader_->StartDate();
}

double TZolProject::CurrentDate() const {
  return reader_->StartDate() + reader_->StepTime() / kSecondsPerDay;
}

std::int64_t TZolProject::CurrentStepIndex() const {
  return reader_->CurrentStepIndex();
}
std::int64_t TZolProject::LastStepIndex() const {
  return reader_->LastStepIndex();
}

void TZolProject::UpdateViews() {
  const double date = CurrentDate();
  for (const auto& v : views_) v->ShowStep(date);
  ++stepsShown_;
}

void TZolProject::StepForward() {
  // After the last step NextStep itself wraps to the first on the next call,
  // so the position (and the index shown) stays that of the last step.
  if (!reader_->NextStep() && endPause_.count() > 0) std::this_thread::sleep_for(endPause_);
  UpdateViews();
}

void TZolProject::StepBack() {
  reader_->PrevStep();
  UpdateViews();
}

void TZolProject::PlaybackStep() {
  try {
    reader_->NextStep();
    UpdateViews();
  } catch (const base::Exception& e) {
    // A step that cannot be read stops the film instead of failing forever.
    Pause();
    owner_.ReportError(e.message());
  } catch (const std::exception& e) {
    Pause();
    owner_.ReportError(QString::fromLocal8Bit(e.what()));
  }
}

void TZolProject::Play() {
  if (!player_) player_ = std::make_unique<TRunOne>([this] { PlaybackStep(); });
  player_->Resume();
  owner_.UpdateStartAction();
}

void TZolProject::Pause() {
  if (player_ && player_->IsRunning()) player_->Suspend();
  owner_.UpdateStartAction();
}

bool TZolProject::IsPlaying() const {
  return player_ && player_->IsRunning();
}

void TZolProject::Rewind() {
  if (player_) player_->Suspend();
  reader_->Rewind(false);
  reader_->NextStep();
}

void TZolProject::GotoStep(std::int64_t index) {
  const std::int64_t last = reader_->LastStepIndex();
  if (index > last) index = last;
  if (index < 0) index = 0;
  reader_->GotoStep(index);
  UpdateViews();
}

void TZolProject::GotoStep() {
  const std::int64_t last = reader_->LastStepIndex();
  const auto text = owner_.AskText(QStringLiteral("Goto step"),
                                   QStringLiteral("jump to (last step is %1):").arg(last),
                                   QString::number(reader_->CurrentStepIndex()));
  if (!text) return;
  bool ok = false;
  const qlonglong n = text->trimmed().toLongLong(&ok);
  if (!ok)
    throw base::EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(*text));
  GotoStep(static_cast<std::int64_t>(n));
}

void TZolProject::SavePosition() {
  reader_->SavePosition();
}
void TZolProject::RestorePosition() {
  reader_->RestorePosition();
}

// The session file: every view's settings and placement (viewer/SessionFile).
bool TZolProject::LoadSession() {
  return LoadProjectSession(views_);
}
void TZolProject::SaveSession() {
  SaveProjectSession(views_);
}

// ---------------------------------------------------------------- materials

QStringList TZolProject::MaterialText(int index) const {
  TMaterialRecord record;
  if (!reader_->GetMaterial(index, record)) return {};
  return MaterialLines(SummariseMaterial(record));
}

void TZolProject::ShowMaterial(int index) {
  if (!materialWindow_ || index == shownMaterial_) return;
  shownMaterial_ = index;
  if (index < 0 || index >= reader_->MaterialCount()) return;
  const QStringList lines = MaterialText(index);
  if (!lines.isEmpty()) materialWindow_->SetLines(lines);
}

void TZolProject::ToggleMaterialWindow() {
  if (!materialWindow_) {
    shownMaterial_ = -1;
    materialWindow_ = owner_.CreateMaterialWindow(*this);
  } else {
    materialWindow_->Minimize();
    materialWindow_.reset();
  }
}
