#include <iostream>

#include "cli/commands.h"
#include "cli/loaded_record.h"
#include "export/gif_maker.h"
#include "platform/atomic_file.h"
#include "view/board_commands.h"
#include "view/board_session.h"
#include "view/show_record.h"

namespace kelvara::cli {

int bmp_command(Args& args) {
    const auto move = args.integer("--move", 0, 1 << 30);
    const auto game = game_index_option(args);
    if (args.files.size() != 1 || !args.error.empty()) {
        std::cerr << (args.error.empty() ? "" : "kelvara-cli: " + args.error + "\n")
                  << "usage: kelvara-cli bmp FILE [--game N] [--move N] [--flip] [-o OUT]\n";
        return 2;
    }
    BoardSession session;
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
    const auto bytes = take_board_picture(session.view);
    const std::string stem =
        output_stem(std::filesystem::path(args.files[0]).filename().string()) + game_name_suffix(*opened);
    const std::string out = args.value("-o").value_or(stem + "-" + std::to_string(n) + ".bmp");
    FileError error;
    if (bytes.empty() || !write_file_atomically(out, bytes, &error)) {
        std::cerr << "kelvara-cli: cannot write " << out << ": " << english_reason(error) << "\n";
        return 1;
    }
    std::cout << out << "\n";
    return 0;
}

}  // namespace kelvara::cli
