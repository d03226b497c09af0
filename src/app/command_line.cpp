#include "app/command_line.h"

#include <string_view>

#include "kelvara_version.h"

namespace kelvara {

namespace {

constexpr const char* kHelp =
    "usage: kelvara [FILE]\n"
    "Kelvara shows a Xiangqi (Chinese chess) game record on a board beside its moves, plays it\n"
    "back, and writes it as an animated GIF.\n"
    "\n"
    "  FILE           a record to open (.che, .pgn, .xqf, .cbr, .cbl or DhtmlXQ text); while\n"
    "                 Kelvara runs, a record opened again is shown in the running window\n"
    "  -h, --help     show this help and exit\n"
    "  --version      show the version and exit\n"
    "\n"
    "Qt's own options, such as -platform NAME, are accepted too. Settings live in rcanim.ini\n"
    "beside the program when its folder is writable, else in ~/.config/kelvara/.\n";

}  // namespace

std::optional<int> answer_information_options(int argc, const char* const* argv, std::ostream& out) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--version") {
            out << "kelvara " << kVersion << "\n";
            return 0;
        }
        if (a == "--help" || a == "-h") {
            out << kHelp;
            return 0;
        }
    }
    return std::nullopt;
}

QString record_argument(const QStringList& arguments) { return arguments.size() > 1 ? arguments.at(1) : QString(); }

}  // namespace kelvara
