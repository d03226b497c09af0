#pragma once
// The text encoding of a record file, found per file: UTF-16 when a byte-order mark says
// so (Windows editors save "Unicode" text so); UTF-8 when the bytes decode strictly as
// UTF-8 (with or without a byte-order mark); otherwise GBK or BIG5. A strict
// GBK decoder (never GB18030, which takes BIG5 bytes too) is tried before BIG5 (whose
// decoder takes GBK bytes too), and the move words 进 平 退 / 進 平 退 counted in both
// encodings decide when both decode or neither does. Inside the program the text is GBK,
// which holds the traditional characters as well.

#include <string>
#include <string_view>

namespace kelvara {

enum class TextEncoding { Utf8, Utf16, Gbk, Big5 };

struct RecordText {
    std::string gbk;  // the text in GBK, without a byte-order mark
    TextEncoding encoding = TextEncoding::Gbk;
};

RecordText record_text_as_gbk(std::string_view bytes);

}  // namespace kelvara
