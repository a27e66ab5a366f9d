#include "gl/DecoderSupport.h"

#include "base/Exceptions.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE

#include <jerror.h>
#include <jpeglib.h>

namespace {

constexpr const char* kLoader = "LoadJpg";
// libjpeg's own working memory (a progressive file keeps all coefficients);
// beyond this it fails instead of allocating.
constexpr long kMaxWorkingMemory = 256L << 20;

// libjpeg ends the process on an error unless told otherwise; here an error
// jumps back to the decoder, and messages are not printed.
struct ErrorManager {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
  bool truncated;
};

[[noreturn]] void onError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void onMessage(j_common_ptr info, int level) {
  // A warning about missing data means the image is incomplete.
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
    reinterpret_cast<ErrorManager*>(info->err)->truncated = true;
}

void onOutput(j_common_ptr) {}

// These two are where libjpeg's errors land: they hold only trivially
// destructible locals, so the jump skips no destructor.
bool readHeader(jpeg_decompress_struct* info, ErrorManager* errors, const std::uint8_t* data,
                std::size_t size) {
  if (setjmp(errors->jump)) return false;
  jpeg_mem_src(info, data, static_cast<unsigned long>(size));
  jpeg_read_header(info, TRUE);
  return true;
}

bool decompress(jpeg_decompress_struct* info, ErrorManager* errors, J_COLOR_SPACE space,
                int components, std::uint8_t* out, std::size_t stride) {
  if (setjmp(errors->jump)) return false;
  info->out_color_space = space;
  jpeg_start_decompress(info);
  if (info->output_components != components || info->output_width != info->image_width ||
      info->output_height != info->image_height)
    return false;
  while (info->output_scanline < info->output_height) {
    JSAMPROW row = out + std::size_t(info->output_scanline) * stride;
    if (jpeg_read_scanlines(info, &row, 1) != 1) return false;
  }
  jpeg_finish_decompress(info);
  return true;
}

struct Decompressor {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  Decompressor() {
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = onError;
    errors.manager.emit_message = onMessage;
    errors.manager.output_message = onOutput;
    jpeg_create_decompress(&info);  // allocates no more than its own small pool
    info.mem->max_memory_to_use = kMaxWorkingMemory;
  }
  ~Decompressor() { jpeg_destroy_decompress(&info); }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;
};

}  // namespace

bool DecodeJpeg(ByteSpan bytes, TTextureImage& image) {
  if (bytes.size() < 2 || bytes[0] != 0xFF || bytes[1] != 0xD8) return false;
  Decompressor d;
  if (!readHeader(&d.info, &d.errors, bytes.data(), bytes.size())) ThrowDamaged(kLoader);
  TTextureImage decoded;
  J_COLOR_SPACE space = JCS_EXT_BGR;
  int components = 3;
  switch (d.info.jpeg_color_space) {
    case JCS_GRAYSCALE:
      decoded.format = tfLuminance8;
      space = JCS_GRAYSCALE;
      components = 1;
      break;
    case JCS_YCbCr:
    case JCS_RGB:
      decoded.format = tfBGR8;
      break;
    default:
      throw base::Exception(QStringLiteral("TglTexture.LoadJpg - Unsupported Colortype found."));
  }
  CheckImageSize(kLoader, d.info.image_width, d.info.image_height, FormatGetSize(decoded.format));
  decoded.width = int(d.info.image_width);
  decoded.height = int(d.info.image_height);
  decoded.pixels.resize(FormatDataSize(decoded.format, decoded.width, decoded.height));
  const std::size_t stride = std::size_t(decoded.width) * std::size_t(components);
  if (!decompress(&d.info, &d.errors, space, components, decoded.pixels.data(), stride) ||
      d.errors.truncated)
    ThrowDamaged(kLoader);
  image = std::move(decoded);
  return true;
}
