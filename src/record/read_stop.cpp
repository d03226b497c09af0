#include "record/read_stop.h"

#include "platform/gbk_literal.h"
#include "platform/text.h"

namespace kelvara {

namespace {

// What the file wrote, short enough for a message: a damaged field may be long.
std::string quoted(std::string_view written) {
    constexpr std::size_t kShown = 20;
    std::string text = std::string("“"_gbk) + std::string(gbk::cut_whole_chars(written, kShown));
    if (written.size() > kShown) text += "...";
    return text + std::string("”"_gbk);
}

}  // namespace

std::string describe(const ReadStop& stop) {
    const std::string n = gbk::decimal(stop.move);
    std::string text = std::string("第"_gbk) + n + std::string("着"_gbk);
    switch (stop.reason) {
        case StopReason::PieceOutOfRange:
            return text + std::string("的棋子代码"_gbk) + stop.written + std::string("不在0到31之间"_gbk);
        case StopReason::SquareOffBoard:
            return text + std::string("的起点或终点不在棋盘上"_gbk);
        case StopReason::BadSkipLength:
            return text + std::string("的附加长度"_gbk) + stop.written + std::string("无效"_gbk);
        case StopReason::TextEndsEarly:
            return std::string("棋谱在第"_gbk) + n + std::string("着处提前结束（应有"_gbk) + stop.written +
                   std::string("着）"_gbk);
        case StopReason::NotANumber:
            return text + std::string("的第"_gbk) + gbk::decimal(stop.value) + std::string("项"_gbk) +
                   quoted(stop.written) + std::string("不是数字"_gbk);
        case StopReason::StandsStill:
            return text + std::string("的起点和终点相同"_gbk);
        case StopReason::PieceNotOnSquare:
            return text + std::string("的起点上没有代码为"_gbk) + stop.written + std::string("的棋子"_gbk);
        case StopReason::WrongSide:
            return text + std::string("的棋子代码"_gbk) + stop.written + std::string("不属于"_gbk) +
                   std::string(stop.value != 0 ? "红方"_gbk : "黑方"_gbk);
        case StopReason::UnresolvedMove:
            return text + quoted(stop.written) + std::string("无法在棋盘上走出"_gbk);
        case StopReason::AmbiguousMove:
            return text + quoted(stop.written) + std::string("有多种走法，无法确定"_gbk);
        case StopReason::NoPieceToMove:
            return text + quoted(stop.written) + std::string("的起点上没有走棋一方的棋子"_gbk);
        case StopReason::IllegalMove:
            return text + quoted(stop.written) + std::string("不合规则"_gbk);
        case StopReason::RecordBreaksOff:
            return std::string("棋谱数据在第"_gbk) + n + std::string("着处中断"_gbk);
    }
    return text;
}

}  // namespace kelvara
