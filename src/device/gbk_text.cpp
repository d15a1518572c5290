#include "device/gbk_text.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace velkor {

namespace {

// One conversion descriptor per call: conversions are rare and short.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Usable() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

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
  iconv_t cd_;
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
