#include "record/read_stop.h"

#include "platform/gbk_literal.h"
#include "platform/text.h"

namespace kelvara {

std::string describe(const ReadStop& stop) {
    const std::string n = gbk::decimal(stop.move);
    std::string text = std::string("第"_gbk) + n + std::string("着"_gbk);
    switch (stop.reason) {
        case StopReason::PieceOutOfRange:
            return text + std::string("的棋子代码"_gbk) + gbk::decimal(stop.value) + std::string("不在0到31之间"_gbk);
        case StopReason::SquareOffBoard:
            return text + std::string("的起点或终点不在棋盘上"_gbk);
        case StopReason::BadSkipLength:
            return text + std::string("的附加长度"_gbk) + gbk::decimal(stop.value) + std::string("无效"_gbk);
        case StopReason::TextEndsEarly:
            return std::string("棋谱在第"_gbk) + n + std::string("着处提前结束（应有"_gbk) + gbk::decimal(stop.value) +
                   std::string("着）"_gbk);
        case StopReason::UnresolvedMove:
            return text + std::string("“"_gbk) + stop.written + std::string("”无法在棋盘上走出"_gbk);
    }
    return text;
}

}  // namespace kelvara
