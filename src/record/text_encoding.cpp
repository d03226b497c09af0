#include "record/text_encoding.h"

#include "platform/encoding.h"

namespace kelvara {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// 进 平 退 in GBK and 進 平 退 in BIG5: a Chinese move record holds many of one set.
constexpr std::string_view kGbkMoveWords[] = {"\xBD\xF8", "\xC6\xBD", "\xCD\xCB"};
constexpr std::string_view kBig5MoveWords[] = {"\xB6\x69", "\xA5\xAD", "\xB0\x68"};

// Counts the words where they start a character of a double-byte encoding whose lead
// bytes are 0x81-0xFE, so that a trail byte is never taken for a lead.
template <std::size_t N>
int count_words(std::string_view text, const std::string_view (&words)[N]) {
    int count = 0;
    for (std::size_t i = 0; i + 1 < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x81 || b == 0xFF) {
            ++i;
            continue;
        }
        for (const std::string_view w : words) count += text.substr(i, 2) == w;
        i += 2;
    }
    return count;
}

}  // namespace

RecordText record_text_as_gbk(std::string_view bytes) {
    if ((bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) && bytes.size() % 2 == 0 &&
        decodes_strictly(bytes, "UTF-16"))
        return {utf8_to_gbk(utf16_to_utf8(bytes)), TextEncoding::Utf16};
    const bool marked = bytes.starts_with(kUtf8Mark);
    const std::string_view unmarked = marked ? bytes.substr(kUtf8Mark.size()) : bytes;
    // Plain ASCII is the same in every one of them.
    if (is_utf8(unmarked) && (marked || looks_like_utf8(unmarked))) return {utf8_to_gbk(unmarked), TextEncoding::Utf8};
    if (is_utf8(unmarked)) return {std::string(unmarked), TextEncoding::Gbk};

    // A mark whose bytes are not UTF-8 was put there by mistake; the text after it is read.
    const bool gbk = decodes_strictly(unmarked, "GBK");
    const bool big5 = decodes_strictly(unmarked, "CP950");
    const int gbk_words = count_words(unmarked, kGbkMoveWords);
    const int big5_words = count_words(unmarked, kBig5MoveWords);
    // The move words outvote a stray byte that one decoder rejects.
    const bool choose_big5 = big5_words != gbk_words ? big5_words > gbk_words : big5 && !gbk;
    if (choose_big5) return {big5_to_gbk(unmarked), TextEncoding::Big5};
    return {std::string(unmarked), TextEncoding::Gbk};
}

}  // namespace kelvara
