#include "gl/EncoderSupport.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE

#include <jpeglib.h>

namespace encoder {

namespace {

// High enough that a texture saved and loaded again looks the same.
constexpr int kQuality = 90;
constexpr std::size_t kChunk = 64 << 10;

// libjpeg ends the process on an error unless told otherwise; here an error
// jumps back to the writer.
struct ErrorManager {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void onError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}
void onOutput(j_common_ptr) {}

// The compressed bytes go into a vector the writer owns, so that a failure
// half-way leaves nothing to free by hand.
struct VectorDestination {
  jpeg_destination_mgr manager;
  std::vector<std::uint8_t>* out;
};

void initDestination(j_compress_ptr info) {
  auto* d = reinterpret_cast<VectorDestination*>(info->dest);
  d->out->resize(kChunk);
  d->manager.next_output_byte = d->out->data();
  d->manager.free_in_buffer = d->out->size();
}

boolean emptyBuffer(j_compress_ptr info) {
  // libjpeg asks for more room only when the whole buffer is full.
  auto* d = reinterpret_cast<VectorDestination*>(info->dest);
  const std::size_t used = d->out->size();
  d->out->resize(used + kChunk);
  d->manager.next_output_byte = d->out->data() + used;
  d->manager.free_in_buffer = kChunk;
  return TRUE;
}

void termDestination(j_compress_ptr info) {
  auto* d = reinterpret_cast<VectorDestination*>(info->dest);
  d->out->resize(d->out->size() - d->manager.free_in_buffer);
}

struct Compressor {
  jpeg_compress_struct info{};
  ErrorManager errors{};
  VectorDestination destination{};
  Compressor() {
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = onError;
    errors.manager.output_message = onOutput;
    jpeg_create_compress(&info);
    destination.manager.init_destination = initDestination;
    destination.manager.empty_output_buffer = emptyBuffer;
    destination.manager.term_destination = termDestination;
    info.dest = &destination.manager;
  }
  ~Compressor() { jpeg_destroy_compress(&info); }
  Compressor(const Compressor&) = delete;
  Compressor& operator=(const Compressor&) = delete;
};

// Where libjpeg's errors land: it holds only trivially destructible locals, so
// the jump skips no destructor.
bool compress(jpeg_compress_struct* info, ErrorManager* errors, const std::uint8_t* pixels,
              int width, int height, bool grey) {
  if (setjmp(errors->jump)) return false;
  info->image_width = JDIMENSION(width);
  info->image_height = JDIMENSION(height);
  info->input_components = grey ? 1 : 3;
  info->in_color_space = grey ? JCS_GRAYSCALE : JCS_EXT_BGR;
  jpeg_set_defaults(info);
  jpeg_set_quality(info, kQuality, TRUE);
  // Full colour resolution: textures have sharp colour edges that halved
  // chroma would smear.
  for (int i = 0; i < info->num_components; ++i)
    info->comp_info[i].h_samp_factor = info->comp_info[i].v_samp_factor = 1;
  jpeg_start_compress(info, TRUE);
  const std::size_t stride = std::size_t(width) * std::size_t(grey ? 1 : 3);
  while (info->next_scanline < info->image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(pixels + std::size_t(info->next_scanline) * stride);
    jpeg_write_scanlines(info, &row, 1);
  }
  jpeg_finish_compress(info);
  return true;
}

}  // namespace

std::vector<std::uint8_t> EncodeJpeg(const TTextureImageView& view) {
  const PlainImage image = ToPlain(view);
  // JPEG holds no alpha: grey stays grey, colour loses its alpha.
  const bool grey = image.isGrey();
  std::vector<std::uint8_t> plain;
  const std::uint8_t* pixels = image.pixels.data();
  if (image.layout == Layout::GreyAlpha) {
    plain.resize(image.pixels.size() / 2);
    for (std::size_t i = 0; i < plain.size(); ++i) plain[i] = image.pixels[2 * i];
    pixels = plain.data();
  } else if (image.layout == Layout::Bgra) {
    plain = ToColour(image, false);
    pixels = plain.data();
  }
  std::vector<std::uint8_t> out;
  Compressor c;
  c.destination.out = &out;
  if (!compress(&c.info, &c.errors, pixels, image.width, image.height, grey))
    ThrowSaveError("the JPEG library could not write the image.");
  return out;
}

}  // namespace encoder
