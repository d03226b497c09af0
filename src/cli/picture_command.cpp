#include <iostream>

#include "cli/commands.h"
#include "cli/loaded_record.h"
#include "export/gif_maker.h"
#include "platform/atomic_file.h"
#include "view/board_commands.h"
#include "view/board_session.h"
#include "view/show_record.h"

namespace kelvara::cli {

namespace {

enum class PictureFormat { Bmp, Png };

// The board picture after a move, as the snapshot saves it.
int picture_command(Args& args, PictureFormat format) {
    const char* const extension = format == PictureFormat::Bmp ? "bmp" : "png";
    const auto move = args.integer("--move", 0, 1 << 30);
    const auto game = game_index_option(args);
    const int scale = picture_scale(args);
    if (args.files.size() != 1 || !args.error.empty()) {
        std::cerr << (args.error.empty() ? "" : "kelvara-cli: " + args.error + "\n") << "usage: kelvara-cli "
                  << extension << " FILE [--game N] [--move N] [--flip] [--scale 1|2|3] [-o OUT]\n";
        return 2;
    }
    BoardSession session(scale);
    const auto opened =
        load_record(args.files[0], session.game, session.list, args.has("--flip") ? 1 : 0, std::cerr, *game);
    if (!opened) return 1;
    show_opened_record(session.game, session.view, "");
    const int n = move.value_or(0);
    if (n > session.list.row_count()) {
        std::cerr << "kelvara-cli: " << args.files[0] << " has " << session.list.row_count() << " moves, not " << n
                  << "\n";
        return 1;
    }
    session.list.select(n - 1);
    const Image picture = take_board_image(session.view);
    const auto bytes = format == PictureFormat::Bmp ? board_bmp(picture) : board_png(picture);
    const std::string stem =
        output_stem(std::filesystem::path(args.files[0]).filename().string()) + game_name_suffix(*opened);
    const std::string out = args.value("-o").value_or(stem + "-" + std::to_string(n) + "." + extension);
    FileError error;
    if (bytes.empty() || !write_file_atomically(out, bytes, &error)) {
        std::cerr << "kelvara-cli: cannot write " << out << ": " << english_reason(error) << "\n";
        return 1;
    }
    std::cout << out << "\n";
    return 0;
}

}  // namespace

int bmp_command(Args& args) { return picture_command(args, PictureFormat::Bmp); }

int png_command(Args& args) { return picture_command(args, PictureFormat::Png); }

}  // namespace kelvara::cli
