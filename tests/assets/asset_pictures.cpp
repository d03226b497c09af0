#include "asset_pictures.h"

#include <gtest/gtest.h>

#include "kelvara_assets.h"
#include "platform/png_codec.h"

namespace kelvara::test {

Image embedded_picture(std::span<const unsigned char> png) {
    auto image = decode_png(png);
    EXPECT_TRUE(image.has_value()) << "an embedded picture is not a valid PNG";
    return image ? *image : Image{};
}

std::vector<NamedPicture> piece_pictures() {
    namespace a = kelvara::assets;
    const std::vector<std::pair<std::string, std::span<const unsigned char>>> files = {
        {"black_king", a::black_king_png},       {"black_advisor", a::black_advisor_png},
        {"black_elephant", a::black_elephant_png}, {"black_horse", a::black_horse_png},
        {"black_chariot", a::black_chariot_png}, {"black_cannon", a::black_cannon_png},
        {"black_soldier", a::black_soldier_png}, {"red_king", a::red_king_png},
        {"red_advisor", a::red_advisor_png},     {"red_elephant", a::red_elephant_png},
        {"red_horse", a::red_horse_png},         {"red_chariot", a::red_chariot_png},
        {"red_cannon", a::red_cannon_png},       {"red_soldier", a::red_soldier_png},
    };
    std::vector<NamedPicture> out;
    for (const auto& [name, bytes] : files) out.push_back({name, name.starts_with("red"), embedded_picture(bytes)});
    return out;
}

}  // namespace kelvara::test
