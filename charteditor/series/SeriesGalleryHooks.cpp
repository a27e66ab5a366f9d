#include "charteditor/series/SeriesGalleryHooks.h"

#include <utility>

namespace {

SeriesGalleryHooks& hooks() {
  static SeriesGalleryHooks installed;
  return installed;
}

}  // namespace

const SeriesGalleryHooks& GalleryHooks() {
  return hooks();
}

SeriesGalleryHooks SetGalleryHooks(SeriesGalleryHooks value) {
  return std::exchange(hooks(), std::move(value));
}
