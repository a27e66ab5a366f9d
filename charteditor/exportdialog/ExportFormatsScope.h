#pragma once
// Registers the picture formats for its lifetime: the metafile first, then
// the bitmap, so the dialog lists "as &Metafile" before "as &Bitmap".
class ExportFormatsScope {
 public:
  ExportFormatsScope();
  ~ExportFormatsScope();
  ExportFormatsScope(const ExportFormatsScope&) = delete;
  ExportFormatsScope& operator=(const ExportFormatsScope&) = delete;
};
