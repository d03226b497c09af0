#pragma once
// Chinese text inside the program is GBK bytes, while source files are UTF-8. The literal
// suffix _gbk converts a UTF-8 string literal to GBK at compile time: "炮"_gbk is the
// two bytes C5 DA. Only the characters of the table below can be converted; any other
// character stops the compilation, and tests/platform check every entry against iconv.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kelvara {

struct GbkTableEntry {
    char32_t code_point;
    std::uint16_t gbk;
};

// One entry per character. To add one: its code point and its two GBK bytes.
inline constexpr GbkTableEntry kGbkTable[] = {
    {0x201C, 0xA1B0},  // “
    {0x201D, 0xA1B1},  // ”
    {0x3000, 0xA1A1},  // 　
    {0x3001, 0xA1A2},  // 、
    {0x4E00, 0xD2BB},  // 一
    {0x4E03, 0xC6DF},  // 七
    {0x4E09, 0xC8FD},  // 三
    {0x4E0A, 0xC9CF},  // 上
    {0x4E0B, 0xCFC2},  // 下
    {0x4E0D, 0xB2BB},  // 不
    {0x4E24, 0xC1BD},  // 两
    {0x4E2D, 0xD6D0},  // 中
    {0x4E3A, 0xCEAA},  // 为
    {0x4E4B, 0xD6AE},  // 之
    {0x4E50, 0xC0D6},  // 乐
    {0x4E5D, 0xBEC5},  // 九
    {0x4E8C, 0xB6FE},  // 二
    {0x4E8E, 0xD3DA},  // 于
    {0x4E94, 0xCEE5},  // 五
    {0x4ED5, 0xCACB},  // 仕
    {0x4EE3, 0xB4FA},  // 代
    {0x4F4D, 0xCEBB},  // 位
    {0x4F53, 0xCCE5},  // 体
    {0x4F5C, 0xD7F7},  // 作
    {0x4F7F, 0xCAB9},  // 使
    {0x4FE5, 0x8265},  // 俥
    {0x5047, 0xBCD9},  // 假
    {0x508C, 0x82D8},  // 傌
    {0x5165, 0xC8EB},  // 入
    {0x516B, 0xB0CB},  // 八
    {0x516D, 0xC1F9},  // 六
    {0x5175, 0xB1F8},  // 兵
    {0x51FA, 0xB3F6},  // 出
    {0x5206, 0xB7D6},  // 分
    {0x5219, 0xD4F2},  // 则
    {0x522B, 0xB1F0},  // 别
    {0x5230, 0xB5BD},  // 到
    {0x5236, 0xD6C6},  // 制
    {0x524D, 0xC7B0},  // 前
    {0x52A0, 0xBCD3},  // 加
    {0x52A8, 0xB6AF},  // 动
    {0x5305, 0xB0FC},  // 包
    {0x5352, 0xD7E4},  // 卒
    {0x53D6, 0xC8A1},  // 取
    {0x5408, 0xBACF},  // 合
    {0x540C, 0xCDAC},  // 同
    {0x540E, 0xBAF3},  // 后
    {0x548C, 0xBACD},  // 和
    {0x56DB, 0xCBC4},  // 四
    {0x56FE, 0xCDBC},  // 图
    {0x5728, 0xD4DA},  // 在
    {0x58EB, 0xCABF},  // 士
    {0x5904, 0xB4A6},  // 处
    {0x591A, 0xB6E0},  // 多
    {0x5927, 0xB4F3},  // 大
    {0x597D, 0xBAC3},  // 好
    {0x5B50, 0xD7D3},  // 子
    {0x5B57, 0xD7D6},  // 字
    {0x5B8B, 0xCBCE},  // 宋
    {0x5B9A, 0xB6A8},  // 定
    {0x5C06, 0xBDAB},  // 将
    {0x5C07, 0x8CA2},  // 將
    {0x5C0F, 0xD0A1},  // 小
    {0x5C40, 0xBED6},  // 局
    {0x5C5E, 0xCAF4},  // 属
    {0x5DF2, 0xD2D1},  // 已
    {0x5E05, 0xCBA7},  // 帅
    {0x5E25, 0x8E9B},  // 帥
    {0x5E27, 0xD6A1},  // 帧
    {0x5E73, 0xC6BD},  // 平
    {0x5E94, 0xD3A6},  // 应
    {0x5EA6, 0xB6C8},  // 度
    {0x5EF6, 0xD1D3},  // 延
    {0x5F00, 0xBFAA},  // 开
    {0x5F15, 0xD2FD},  // 引
    {0x5F8C, 0xE1E1},  // 後
    {0x6216, 0xBBF2},  // 或
    {0x636E, 0xBEDD},  // 据
    {0x63D0, 0xCCE1},  // 提
    {0x64CE, 0xC7E6},  // 擎
    {0x6548, 0xD0A7},  // 效
    {0x6570, 0xCAFD},  // 数
    {0x65AD, 0xB6CF},  // 断
    {0x65B9, 0xB7BD},  // 方
    {0x65E0, 0xCEDE},  // 无
    {0x65F6, 0xCAB1},  // 时
    {0x662F, 0xCAC7},  // 是
    {0x663E, 0xCFD4},  // 显
    {0x6709, 0xD3D0},  // 有
    {0x6740, 0xC9B1},  // 杀
    {0x675F, 0xCAF8},  // 束
    {0x6790, 0xCEF6},  // 析
    {0x68CB, 0xC6E5},  // 棋
    {0x6B62, 0xD6B9},  // 止
    {0x6B65, 0xB2BD},  // 步
    {0x6CA1, 0xC3BB},  // 没
    {0x6CD5, 0xB7A8},  // 法
    {0x6F14, 0xD1DD},  // 演
    {0x70AE, 0xC5DA},  // 炮
    {0x70B9, 0xB5E3},  // 点
    {0x7247, 0xC6AC},  // 片
    {0x7528, 0xD3C3},  // 用
    {0x753B, 0xBBAD},  // 画
    {0x7684, 0xB5C4},  // 的
    {0x76D8, 0xC5CC},  // 盘
    {0x76F8, 0xCFE0},  // 相
    {0x771F, 0xD5E6},  // 真
    {0x7740, 0xD7C5},  // 着
    {0x7801, 0xC2EB},  // 码
    {0x7832, 0xB368},  // 砲
    {0x7868, 0xB38C},  // 硨
    {0x786E, 0xC8B7},  // 确
    {0x793A, 0xCABE},  // 示
    {0x79CD, 0xD6D6},  // 种
    {0x7A0B, 0xB3CC},  // 程
    {0x7B2C, 0xB5DA},  // 第
    {0x7EA2, 0xBAEC},  // 红
    {0x7EBF, 0xCFDF},  // 线
    {0x7EC8, 0xD6D5},  // 终
    {0x7ED3, 0xBDE1},  // 结
    {0x7F6E, 0xD6C3},  // 置
    {0x7FFB, 0xB7AD},  // 翻
    {0x8005, 0xD5DF},  // 者
    {0x80CC, 0xB1B3},  // 背
    {0x80DC, 0xCAA4},  // 胜
    {0x89C4, 0xB9E6},  // 规
    {0x8BBE, 0xC9E8},  // 设
    {0x8BC6, 0xCAB6},  // 识
    {0x8BFB, 0xB6C1},  // 读
    {0x8C31, 0xC6D7},  // 谱
    {0x8C61, 0xCFF3},  // 象
    {0x8D70, 0xD7DF},  // 走
    {0x8D77, 0xC6F0},  // 起
    {0x8D85, 0xB3AC},  // 超
    {0x8ECA, 0xDC87},  // 車
    {0x8F66, 0xB3B5},  // 车
    {0x8F6C, 0xD7AA},  // 转
    {0x8F7D, 0xD4D8},  // 载
    {0x8F83, 0xBDCF},  // 较
    {0x8FDB, 0xBDF8},  // 进
    {0x9000, 0xCDCB},  // 退
    {0x9032, 0xDF4D},  // 進
    {0x957F, 0xB3A4},  // 长
    {0x95F4, 0xBCE4},  // 间
    {0x9644, 0xB8BD},  // 附
    {0x96F6, 0xC1E3},  // 零
    {0x97F3, 0xD2F4},  // 音
    {0x9879, 0xCFEE},  // 项
    {0x99AC, 0xF152},  // 馬
    {0x9A6C, 0xC2ED},  // 马
    {0x9ED1, 0xBADA},  // 黑
    {0xFF08, 0xA3A8},  // （
    {0xFF09, 0xA3A9},  // ）
    {0xFF0C, 0xA3AC},  // ，
    {0xFF10, 0xA3B0},  // ０
    {0xFF11, 0xA3B1},  // １
    {0xFF12, 0xA3B2},  // ２
    {0xFF13, 0xA3B3},  // ３
    {0xFF14, 0xA3B4},  // ４
    {0xFF15, 0xA3B5},  // ５
    {0xFF16, 0xA3B6},  // ６
    {0xFF17, 0xA3B7},  // ７
    {0xFF18, 0xA3B8},  // ８
    {0xFF19, 0xA3B9},  // ９
    {0xFF1A, 0xA3BA},  // ：
};

namespace gbk_literal_detail {

template <std::size_t N>
struct Utf8Literal {
    char bytes[N];
    constexpr Utf8Literal(const char (&s)[N]) {
        for (std::size_t i = 0; i < N; ++i) bytes[i] = s[i];
    }
};

constexpr std::uint16_t gbk_of(char32_t cp) {
    for (const auto& e : kGbkTable)
        if (e.code_point == cp) return e.gbk;
    throw "character missing from kGbkTable in platform/gbk_literal.h";
}

// Decodes one UTF-8 sequence at bytes[i]; sets len to its byte count.
constexpr char32_t decode_utf8(const char* bytes, std::size_t i, std::size_t& len) {
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    if (b0 < 0x80) { len = 1; return b0; }
    auto cont = [&](std::size_t k) { return static_cast<char32_t>(static_cast<unsigned char>(bytes[i + k]) & 0x3F); };
    if ((b0 & 0xE0) == 0xC0) { len = 2; return (char32_t(b0 & 0x1F) << 6) | cont(1); }
    if ((b0 & 0xF0) == 0xE0) { len = 3; return (char32_t(b0 & 0x0F) << 12) | (cont(1) << 6) | cont(2); }
    throw "unsupported UTF-8 sequence in a _gbk literal";
}

template <Utf8Literal S>
constexpr std::size_t gbk_size() {
    std::size_t out = 0;
    for (std::size_t i = 0, len = 0; i + 1 < sizeof(S.bytes); i += len) {
        const char32_t cp = decode_utf8(S.bytes, i, len);
        out += cp < 0x80 ? 1 : 2;
    }
    return out;
}

template <Utf8Literal S>
struct GbkStorage {
    static constexpr std::array<char, gbk_size<S>() + 1> bytes = [] {
        std::array<char, gbk_size<S>() + 1> out{};
        std::size_t o = 0;
        for (std::size_t i = 0, len = 0; i + 1 < sizeof(S.bytes); i += len) {
            const char32_t cp = decode_utf8(S.bytes, i, len);
            if (cp < 0x80) {
                out[o++] = static_cast<char>(cp);
            } else {
                const std::uint16_t g = gbk_of(cp);
                out[o++] = static_cast<char>(g >> 8);
                out[o++] = static_cast<char>(g & 0xFF);
            }
        }
        return out;
    }();
};

}  // namespace gbk_literal_detail

inline namespace literals {
template <gbk_literal_detail::Utf8Literal S>
constexpr std::string_view operator""_gbk() {
    const auto& b = gbk_literal_detail::GbkStorage<S>::bytes;
    return std::string_view(b.data(), b.size() - 1);
}
}  // namespace literals

}  // namespace kelvara
