#pragma once

#include "cli/cli_args.h"

namespace kelvara::cli {

// Each returns the process exit status: 0 success, 1 a record or file problem, 2 usage.
int moves_command(Args& args);
int text_command(Args& args);
int games_command(Args& args);
int bmp_command(Args& args);
int png_command(Args& args);
int gif_command(Args& args);
int pgn_command(Args& args);
int analyse_command(Args& args);

}  // namespace kelvara::cli
