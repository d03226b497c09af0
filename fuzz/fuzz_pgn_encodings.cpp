// The PGN record reader on text stored in each encoding a record comes in: the input after
// its first byte is taken as GBK text and stored as GBK, UTF-8, UTF-8 after a byte-order
// mark, or BIG5, as the first byte says, before it is read.

#include <iconv.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/encoding.h"
#include "record_checks.h"

using namespace kelvara;

namespace {

// GBK to BIG5 through iconv; what BIG5 cannot hold is left out.
std::string gbk_to_big5(std::string_view gbk) {
    const std::string utf8 = gbk_to_utf8(gbk);
    iconv_t cd = iconv_open("CP950//IGNORE", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(gbk);
    std::unique_ptr<void, int (*)(iconv_t)> guard(cd, iconv_close);
    std::string out(utf8.size() * 2 + 16, '\0');
    auto* src = const_cast<char*>(utf8.data());
    std::size_t src_left = utf8.size();
    char* dst = out.data();
    std::size_t dst_left = out.size();
    iconv(cd, &src, &src_left, &dst, &dst_left);
    out.resize(out.size() - dst_left);
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view gbk(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string stored;
    switch (data[0] % 4) {
        case 0: stored = std::string(gbk); break;
        case 1: stored = gbk_to_utf8(gbk); break;
        case 2: stored = "\xEF\xBB\xBF" + gbk_to_utf8(gbk); break;
        default: stored = gbk_to_big5(gbk); break;
    }
    fuzz::check_pgn_reading(stored, (data[0] >> 2) & 1);
    return 0;
}
