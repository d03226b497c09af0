// kelvara-asset-generator: draws the pictures and makes the sounds and the tune compiled
// into the program.
//   kelvara-asset-generator FOLDER            writes every asset into FOLDER
//   kelvara-asset-generator --preview FOLDER  writes preview pictures of the assets together
//   kelvara-asset-generator --icons FOLDER    writes the icons for the desktop's icon theme
// The same font gives the same bytes on every run.

#include <exception>
#include <iostream>
#include <string>

#include "asset_folder.h"
#include "board/board_pictures.h"
#include "palette/palette_asset.h"
#include "pieces/piece_pictures.h"
#include "platform/font.h"
#include "preview.h"
#include "raster/surface.h"
#include "skin/skin_pictures.h"
#include "skin/theme_icons.h"
#include "sound/piece_sounds.h"
#include "tune/background_tune.h"

namespace {

constexpr const char* kUsage =
    "usage: kelvara-asset-generator FOLDER\n"
    "       kelvara-asset-generator --preview FOLDER\n"
    "       kelvara-asset-generator --icons FOLDER\n";

enum class Output { Assets, Preview, Icons };

int run(const std::string& folder_name, Output output) {
    using namespace kelvara;
    const auto font_file = Font::find_song();
    if (!font_file) {
        std::cerr << "kelvara-asset-generator: the font AR PL UMing CN is not installed "
                     "(Debian package fonts-arphic-uming); the piece characters and file numbers need it\n";
        return 1;
    }
    const auto font = Font::open(*font_file);
    if (!font) {
        std::cerr << "kelvara-asset-generator: cannot open the font " << font_file->string() << "\n";
        return 1;
    }
    const generator::AssetFolder folder(folder_name);
    if (output == Output::Icons) {
        generator::skin::write_theme_icons(*font, folder);
        return 0;
    }
    const generator::BoardPictures board = generator::draw_board_pictures(*font);
    const generator::PiecePictures pieces = generator::draw_piece_pictures(*font);
    const generator::Palette palette = generator::derive_animation_palette(board, pieces, *font);
    const generator::skin::SkinPictures skin = generator::skin::draw_skin_pictures(*font);
    if (output == Output::Preview) {
        generator::write_preview(board, pieces, palette, skin, *font, folder);
        return 0;
    }
    generator::write_board_assets(board, folder);
    generator::write_piece_assets(pieces, folder);
    generator::write_palette_asset(palette, board, pieces, *font, folder);
    generator::skin::write_skin_assets(skin, folder);
    // The same pictures for screens of two and three times the density.
    for (int scale : generator::kScales) {
        if (scale == 1) continue;
        generator::write_board_assets(generator::draw_board_pictures(*font, scale), folder, scale);
        generator::write_piece_assets(generator::draw_piece_pictures(*font, scale), folder, scale);
        generator::skin::write_skin_assets(generator::skin::draw_skin_pictures(*font, scale), folder, scale);
    }
    generator::sound::write_sound_assets(folder);
    generator::tune::write_tune_asset(folder);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Output output = Output::Assets;
    if (argc == 3 && std::string(argv[1]) == "--preview")
        output = Output::Preview;
    else if (argc == 3 && std::string(argv[1]) == "--icons")
        output = Output::Icons;
    else if (argc != 2 || std::string(argv[1]).starts_with("-")) {
        std::cerr << kUsage;
        return 2;
    }
    try {
        return run(argv[argc - 1], output);
    } catch (const std::exception& e) {
        std::cerr << "kelvara-asset-generator: " << e.what() << "\n";
        return 1;
    }
}
