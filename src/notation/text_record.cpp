#include "notation/text_record.h"

#include "platform/gbk_literal.h"
#include "platform/text.h"

namespace kelvara {

std::string text_record(std::span<const MoveRow> rows, std::string_view fen_start) {
    if (rows.empty()) return std::string(fen_start);
    std::string text;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i % 2 == 0 && i != 0) text += "\r\n";
        text += rows[i].text;
    }
    text = gbk::replace_all(text, "红："_gbk, " ");
    return gbk::replace_all(text, "黑："_gbk, " ");
}

}  // namespace kelvara
