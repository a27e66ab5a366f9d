#pragma once
// What a project copies from the reader once, when the file is opened: the
// start-date text, the normalised slot table, the slot captions of version-0
// files and the value range of each field kind. It holds everything by value,
// so a copy stays valid after the reader is gone.
#include "resultdata/TDataKind.h"

#include <QString>

#include <array>

struct TValueRange {
  float Min = 0.0F;
  float Max = 0.0F;
};

struct THeaderBlock {
  static constexpr int SlotCount = 8;

  QString StartDateText;  // day.month.year_hour.minute, at most 16 characters
  // The field kind stored in each slot, in the order its arrays follow in a
  // step; dkEmpty for an empty slot.
  std::array<TDataKind, SlotCount> KindSlots{dkEmpty, dkEmpty, dkEmpty, dkEmpty,
                                             dkEmpty, dkEmpty, dkEmpty, dkEmpty};
  // Version 0 only: a caption per slot (at most 32 characters).
  bool HasSlotNames = false;
  std::array<QString, SlotCount> SlotNames{};
  std::array<TValueRange, FieldKindCount> Ranges{};  // by field kind
};
