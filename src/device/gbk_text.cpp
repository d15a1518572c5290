#include "device/gbk_text.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

namespace velkor {

namespace {

const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(-1);

// Opening a descriptor costs far more than converting a description, and one configuration holds
// 25 of them: each thread keeps one descriptor per pair of character sets (none, should the system
// have no converter) and starts every conversion from its initial state.
class Descriptors {
 public:
  Descriptors() = default;
  Descriptors(const Descriptors&) = delete;
  Descriptors& operator=(const Descriptors&) = delete;
  ~Descriptors() {
    for (const Open& o : open_)
      if (o.cd != kNoDescriptor) iconv_close(o.cd);
  }

  iconv_t Get(const char* to, const char* from) {
    auto at =
        std::find_if(open_.begin(), open_.end(), [&](const Open& o) { return o.to == to && o.from == from; });
    if (at == open_.end()) at = open_.insert(open_.end(), {to, from, iconv_open(to, from)});
    if (at->cd != kNoDescriptor) iconv(at->cd, nullptr, nullptr, nullptr, nullptr);
    return at->cd;
  }

 private:
  struct Open {
    std::string to, from;
    iconv_t cd;
  };
  // A handful at most: the descriptions' GBK, the terminal's character set.
  std::vector<Open> open_;
};

iconv_t Descriptor(const char* to, const char* from) {
  thread_local Descriptors descriptors;
  return descriptors.Get(to, from);
}

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(Descriptor(to, from)) {}

  bool Usable() const { return cd_ != kNoDescriptor; }

  enum class Stop { kDone, kInvalid, kIncomplete };

  // Converts as much of in as possible, appending to out; reports why it stopped. A converter
  // that could not be opened converts nothing and finds every byte invalid.
  Stop Convert(const char*& in, size_t& inLeft, std::string& out) {
    if (inLeft == 0) return Stop::kDone;
    if (!Usable()) return Stop::kInvalid;
    char buffer[256];
    while (inLeft > 0) {
      char* dst = buffer;
      size_t dstLeft = sizeof buffer;
      const size_t r = iconv(cd_, const_cast<char**>(&in), &inLeft, &dst, &dstLeft);
      out.append(buffer, dst - buffer);
      if (r != static_cast<size_t>(-1)) continue;
      if (errno == E2BIG) continue;
      return errno == EINVAL ? Stop::kIncomplete : Stop::kInvalid;
    }
    return Stop::kDone;
  }

  // All of text converted; a byte that cannot be converted shows as '?', except that without a
  // converter plain ASCII is still shown, being the same in every charset the program reads.
  std::string Lenient(std::string_view text) {
    const char* in = text.data();
    size_t left = text.size();
    std::string out;
    // Each round consumes at least one byte, so the loop ends whatever the converter does.
    while (Convert(in, left, out) == Stop::kInvalid) {
      const char c = *in++;
      --left;
      out += !Usable() && c > 0 && c < 0x7F ? c : '?';
    }
    return out;
  }

 private:
  const iconv_t cd_;
};

}  // namespace

std::string GbkToUtf8(std::span<const uint8_t> bytes) { return TextToUtf8(bytes, "GBK"); }

std::string TextToUtf8(std::span<const uint8_t> bytes, const char* charset) {
  const auto end = std::find(bytes.begin(), bytes.end(), uint8_t{0});
  return Converter("UTF-8", charset)
      .Lenient({reinterpret_cast<const char*>(bytes.data()), static_cast<size_t>(end - bytes.begin())});
}

std::optional<std::vector<uint8_t>> Utf8ToGbk(std::string_view text) {
  const char* in = text.data();
  size_t left = text.size();
  std::string out;
  Converter gbk("GBK", "UTF-8");
  if (gbk.Convert(in, left, out) != Converter::Stop::kDone) return std::nullopt;
  return std::vector<uint8_t>(out.begin(), out.end());
}

std::string Utf8ToCharset(std::string_view text, const std::string& charset) {
  Converter converter((charset + "//TRANSLIT").c_str(), "UTF-8");
  if (!converter.Usable()) return std::string(text);
  return converter.Lenient(text);
}

}  // namespace velkor
