#pragma once
// The desktop program's own options, answered before any window exists (so that they
// work without a display), and the record named on its command line.

#include <QStringList>

#include <optional>
#include <ostream>

namespace kelvara {

// --version and --help (-h) print to out and give the exit status; nullopt for any
// other command line, which Qt and the program then read.
std::optional<int> answer_information_options(int argc, const char* const* argv, std::ostream& out);

// The record to open: the first argument after the program's name that Qt left, or ""
// for none.
QString record_argument(const QStringList& arguments);

}  // namespace kelvara
