#include "ChartFileReader.h"

#include <QImage>

#include <bit>
#include <cstring>
#include <stdexcept>

namespace storedchart {
namespace {

constexpr int kMaxDepth = 64;

struct Refusal : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class Input {
 public:
  Input(const char* data, std::size_t size) : data_(data), left_(size) {}
  std::size_t Left() const { return left_; }

  void Need(std::size_t n, const char* what) const {
    if (n > left_) {
      throw Refusal(std::string(what) + ": needs " + std::to_string(n) + " bytes, " +
                    std::to_string(left_) + " left");
    }
  }
  const char* Take(std::size_t n, const char* what) {
    Need(n, what);
    const char* p = data_;
    data_ += n;
    left_ -= n;
    return p;
  }
  std::uint8_t U8(const char* what) { return static_cast<std::uint8_t>(*Take(1, what)); }
  std::uint32_t U32(const char* what) {
    const auto* p = reinterpret_cast<const unsigned char*>(Take(4, what));
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
  }
  std::int32_t I32(const char* what) { return static_cast<std::int32_t>(U32(what)); }
  std::uint64_t U64(const char* what) {
    const std::uint64_t lo = U32(what);
    return lo | std::uint64_t(U32(what)) << 32;
  }
  double F64(const char* what) { return std::bit_cast<double>(U64(what)); }
  // A length-prefixed span, as its own input.
  Input Span(const char* what) {
    const std::uint32_t n = U32(what);
    return Input(Take(n, what), n);
  }
  QString Text(const char* what) {
    Input s = Span(what);
    return QString::fromUtf8(s.data_, static_cast<qsizetype>(s.left_));
  }
  QByteArray Rest() const { return QByteArray(data_, static_cast<qsizetype>(left_)); }
  void End(const char* what) const {
    if (left_ != 0)
      throw Refusal(std::string(what) + ": " + std::to_string(left_) + " bytes too many");
  }

 private:
  const char* data_;
  std::size_t left_;
};

// Counts of entries whose smallest form takes `least` bytes must fit.
std::uint32_t Count(Input& in, std::size_t least, const char* what) {
  const std::uint32_t n = in.U32(what);
  if (static_cast<std::uint64_t>(n) * least > in.Left())
    throw Refusal(std::string(what) + ": count " + std::to_string(n) + " exceeds the bytes left");
  return n;
}

Record ReadRecord(Input& outer, int depth);

Property ReadProperty(Input& in, int depth) {
  Property p;
  p.name = in.Text("property name");
  p.tag = in.U8("property tag");
  Input v = in.Span("property value");
  switch (p.tag) {
    case Integer:
      p.value = static_cast<qlonglong>(v.U64("integer"));
      break;
    case Double:
      p.value = v.F64("double");
      break;
    case Boolean: {
      const std::uint8_t b = v.U8("boolean");
      if (b > 1) throw Refusal("boolean other than 0 or 1");
      p.value = b == 1;
      break;
    }
    case String:
    case Identifier: {
      const QByteArray bytes = v.Rest();
      v.Take(static_cast<std::size_t>(bytes.size()), "text");
      p.value = QString::fromUtf8(bytes);
      break;
    }
    case Color:
      p.value = static_cast<uint>(v.U32("colour"));
      break;
    case Picture: {
      const QByteArray png = v.Rest();
      v.Take(static_cast<std::size_t>(png.size()), "picture");
      QImage image;
      if (!png.isEmpty() && !image.loadFromData(png, "PNG")) throw Refusal("picture is no PNG");
      p.value = image;
      break;
    }
    case Object:
      p.object = std::make_shared<Record>(ReadRecord(v, depth + 1));
      break;
    case Collection: {
      const std::uint32_t n = Count(v, 4, "collection");
      for (std::uint32_t i = 0; i < n; ++i) p.items.push_back(ReadRecord(v, depth + 1));
      break;
    }
    case StringList: {
      const std::uint32_t n = Count(v, 4, "string list");
      QStringList list;
      for (std::uint32_t i = 0; i < n; ++i) list << v.Text("string list entry");
      p.value = list;
      break;
    }
    default:
      throw Refusal("unknown type tag " + std::to_string(p.tag));
  }
  v.End("property value");
  return p;
}

Record ReadRecord(Input& outer, int depth) {
  if (depth > kMaxDepth) throw Refusal("records nested too deep");
  Input in = outer.Span("record");
  Record r;
  r.className = in.Text("class name");
  r.name = in.Text("object name");
  const std::uint32_t properties = Count(in, 4 + 1 + 4, "property count");
  for (std::uint32_t i = 0; i < properties; ++i) r.properties.push_back(ReadProperty(in, depth));
  const std::uint32_t children = Count(in, 4, "child count");
  for (std::uint32_t i = 0; i < children; ++i) r.children.push_back(ReadRecord(in, depth + 1));
  in.End("record");
  return r;
}

Block ReadBlock(Input& in, int further) {
  Block b;
  b.flags = in.U8("block flags");
  if (b.flags > 15) throw Refusal("unknown block flags");
  const std::int32_t count = in.I32("point count");
  if (count < 0) throw Refusal("negative point count");
  std::size_t least = 8 + 8 * static_cast<std::size_t>(further);
  if (b.flags & 1) least += 8;
  if (b.flags & 2) least += 4;
  if (b.flags & 4) least += 1;
  if (b.flags & 8) least += 34;
  if (static_cast<std::uint64_t>(count) * least > in.Left())
    throw Refusal("point count " + std::to_string(count) + " exceeds the bytes left");
  b.points.resize(static_cast<std::size_t>(count));
  for (std::int32_t i = 0; i < count; ++i) {
    Point& p = b.points[static_cast<std::size_t>(i)];
    p.x = (b.flags & 1) ? in.F64("X") : static_cast<double>(i);
    p.y = in.F64("Y");
    if (b.flags & 2) p.color = in.U32("colour");
    if (b.flags & 4) {
      const std::uint8_t n = in.U8("label length");
      const char* text = in.Take(n, "label");
      p.label = QByteArray(text, n);
    }
    for (int f = 0; f < further; ++f) p.further.push_back(in.F64("further value"));
    if (b.flags & 8) {
      std::array<std::int32_t, 10> pos{};
      pos[0] = in.I32("arrow start");
      pos[1] = in.I32("arrow start");
      pos[2] = in.U8("keep arrow start");
      pos[3] = in.I32("arrow end");
      pos[4] = in.I32("arrow end");
      pos[5] = in.U8("moved by hand");
      pos[6] = in.I32("box height");
      pos[7] = in.I32("box top left");
      pos[8] = in.I32("box top left");
      pos[9] = in.I32("box width");
      p.position = pos;
    }
  }
  return b;
}

}  // namespace

const Property* Record::Find(const QString& name) const {
  for (const Property& p : properties)
    if (p.name == name) return &p;
  return nullptr;
}

int Record::FurtherValueLists() const {
  const Property* p = Find(QStringLiteral("FurtherValueLists"));
  if (!p || p->tag != Integer) return -1;
  const qlonglong n = p->value.toLongLong();
  return n >= 0 && n <= 1024 ? static_cast<int>(n) : -1;
}

std::optional<ChartFile> Read(const QByteArray& bytes, QString* error) {
  try {
    Input in(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const char* header = in.Take(4, "header");
    if (std::memcmp(header, "\x60\x30\x50\x01", 4) != 0) throw Refusal("not a chart file");
    if (std::memcmp(in.Take(4, "signature"), "VCS1", 4) != 0)
      throw Refusal("unknown stream signature");
    ChartFile file;
    file.root = ReadRecord(in, 0);
    if (in.U32("end mark") != 0) throw Refusal("no end mark after the chart record");
    file.hasData = in.Left() > 0;
    if (file.hasData) {
      for (const Record& child : file.root.children) {
        const int further = child.FurtherValueLists();
        if (further >= 0) file.blocks.push_back(ReadBlock(in, further));
      }
      in.End("data blocks");
    }
    return file;
  } catch (const Refusal& refusal) {
    if (error) *error = QString::fromStdString(refusal.what());
    return std::nullopt;
  }
}

}  // namespace storedchart
