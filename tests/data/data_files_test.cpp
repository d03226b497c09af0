#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>

#include "support/test_support.h"

namespace kelvara {
namespace {

namespace fs = std::filesystem;

const fs::path kData = KELVARA_DATA_DIR;

// Standard output of a shell command, and its exit status.
std::pair<std::string, int> run(const std::string& command) {
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return {"", -1};
    std::array<char, 4096> buffer;
    while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    return {out, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

bool have(const std::string& tool) { return run("command -v " + tool + " >/dev/null 2>&1").second == 0; }

// Every option the help names (--json, -o, --from-move ...).
std::set<std::string> options_in(const std::string& help) {
    std::set<std::string> options;
    const std::regex option(R"((^|[\s\[|,])(--?[a-z][a-z-]*))");
    for (auto it = std::sregex_iterator(help.begin(), help.end(), option); it != std::sregex_iterator(); ++it)
        options.insert((*it)[2]);
    return options;
}

// The manual page names an option as roff writes it: \-\-from\-move.
std::string in_roff(const std::string& option) { return std::regex_replace(option, std::regex("-"), "\\-"); }

void expect_manual_follows_help(const std::string& program, const fs::path& page) {
    const auto [help, status] = run("\"" + program + "\" --help");
    ASSERT_EQ(status, 0) << program;
    const std::string manual = test::read_file(page);
    const auto options = options_in(help);
    EXPECT_GE(options.size(), 2u) << help;
    for (const std::string& option : options)
        EXPECT_NE(manual.find(in_roff(option)), std::string::npos)
            << page.filename() << " does not describe " << option << ", which --help names";
}

TEST(ManualPages, DescribeEveryOptionAndCommandTheHelpNames) {
    expect_manual_follows_help(KELVARA_CLI, kData / "man" / "kelvara-cli.1");
    // The commands too: each line "  name ..." of the usage.
    const std::string help = run(std::string("\"") + KELVARA_CLI + "\" --help").first;
    const std::string manual = test::read_file(kData / "man" / "kelvara-cli.1");
    const std::regex command(R"(\n  ([a-z]+) )");
    int commands = 0;
    for (auto it = std::sregex_iterator(help.begin(), help.end(), command); it != std::sregex_iterator(); ++it, ++commands)
        EXPECT_NE(manual.find(".B kelvara\\-cli " + (*it)[1].str()), std::string::npos) << (*it)[1].str();
    EXPECT_GE(commands, 4);
#ifdef KELVARA_GUI_PROGRAM
    expect_manual_follows_help(KELVARA_GUI_PROGRAM, kData / "man" / "kelvara.1");
#endif
}

TEST(ManualPages, AreWellFormedForMan) {
    if (!have("man")) GTEST_SKIP() << "man is not installed";
    for (const char* page : {"kelvara.1", "kelvara-cli.1"}) {
        const auto [warnings, status] =
            run("MANWIDTH=80 man --warnings -l \"" + (kData / "man" / page).string() + "\" 2>&1 >/dev/null");
        EXPECT_EQ(status, 0) << page;
        EXPECT_EQ(warnings, "") << page;
    }
}

TEST(DesktopEntry, IsValidAndOpensEveryRecordType) {
    const std::string entry = test::read_file(kData / "kelvara.desktop");
    for (const char* type : {"application/x-xiangqi-che", "application/x-xiangqi-pgn", "application/x-xqf",
                             "application/x-xiangqi-cbr", "application/x-xiangqi-cbl", "text/x-xiangqi-dhtmlxq"}) {
        EXPECT_NE(entry.find(std::string(type) + ";"), std::string::npos) << type;
        EXPECT_NE(test::read_file(kData / "kelvara-mime.xml").find(std::string("type=\"") + type + "\""),
                  std::string::npos)
            << type << " is not defined";
    }
    EXPECT_NE(entry.find("\nExec=kelvara %f\n"), std::string::npos);
    EXPECT_NE(entry.find("\nCategories=Game;BoardGame;\n"), std::string::npos);
    if (!have("desktop-file-validate")) GTEST_SKIP() << "desktop-file-validate is not installed";
    const auto [messages, status] = run("desktop-file-validate \"" + (kData / "kelvara.desktop").string() + "\" 2>&1");
    EXPECT_EQ(status, 0) << messages;
}

TEST(Metainfo, IsValidAndCarriesTheVersion) {
    const std::string metainfo = test::read_file(KELVARA_METAINFO);
    const std::string version = run(std::string("\"") + KELVARA_CLI + "\" --version").first;
    ASSERT_EQ(version.rfind("kelvara-cli ", 0), 0u);
    EXPECT_NE(metainfo.find("<release version=\"" + version.substr(12, version.size() - 13) + "\""), std::string::npos);
    if (!have("appstreamcli")) GTEST_SKIP() << "appstreamcli is not installed";
    const auto [messages, status] = run(std::string("appstreamcli validate --no-net \"") + KELVARA_METAINFO + "\" 2>&1");
    EXPECT_EQ(status, 0) << messages;
}

// The file types as a desktop sees them: the system's database with ours added.
class FileTypes : public ::testing::Test {
protected:
    void SetUp() override {
        if (!have("update-mime-database") || !have("gio")) GTEST_SKIP() << "shared-mime-info or gio is not installed";
        fs::create_directories(home.path() / "mime" / "packages");
        fs::copy_file(kData / "kelvara-mime.xml", home.path() / "mime" / "packages" / "kelvara.xml");
        ASSERT_EQ(run("update-mime-database \"" + (home.path() / "mime").string() + "\" 2>&1").second, 0);
    }
    std::string type_of(const std::string& name, const std::string& bytes) {
        const fs::path file = files.path() / name;
        std::ofstream(file, std::ios::binary) << bytes;
        const std::string command = "XDG_DATA_HOME=\"" + home.path().string() +
                                    "\" XDG_DATA_DIRS=/usr/share gio info -a standard::content-type \"" +
                                    file.string() + "\" 2>/dev/null";
        const std::string out = run(command).first;
        const auto at = out.find("standard::content-type: ");
        if (at == std::string::npos) return out;
        const auto start = at + 24;
        return out.substr(start, out.find('\n', start) - start);
    }
    test::TempDir home, files;
};

TEST_F(FileTypes, XiangqiRecordsAreKelvarasAndChessAndComicsStayTheirs) {
    EXPECT_EQ(type_of("game.pgn", test::G("[Event \"全国赛\"]\n1. 炮二平五 马８进７\n")), "application/x-xiangqi-pgn");
    EXPECT_EQ(type_of("utf8.pgn", "[Event \"x\"]\n1. \xe7\x82\xae\xe4\xba\x8c\xe5\xb9\xb3\xe4\xba\x94\n"),
              "application/x-xiangqi-pgn");
    EXPECT_EQ(type_of("tagged.pgn", "[Event \"x\"]\n[Game \"Chinese Chess\"]\n1. C2.5 h8+7\n"),
              "application/x-xiangqi-pgn");
    EXPECT_EQ(type_of("fen.pgn", "[FEN \"rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w\"]\n"),
              "application/x-xiangqi-pgn");
    // A chess game keeps its own type: nothing in it is Xiangqi's.
    EXPECT_EQ(type_of("chess.pgn", "[Event \"Casual\"]\n[White \"A\"]\n\n1. e4 e5 2. Nf3 Nc6 1-0\n"),
              "application/vnd.chess-pgn");
    EXPECT_EQ(type_of("game.che", "1 3 25 32 1 2 1 2 4 0 1 0\n"), "application/x-xiangqi-che");
    EXPECT_EQ(type_of("game.xqf", std::string("XQ\x0a\x00", 4) + std::string(1020, '\0')), "application/x-xqf");
    EXPECT_EQ(type_of("game.cbr", std::string("CCBridge Record\0", 16) + std::string(64, '\0')),
              "application/x-xiangqi-cbr");
    EXPECT_EQ(type_of("games.cbl", std::string("CCBridgeLibrary\0", 16) + std::string(64, '\0')),
              "application/x-xiangqi-cbl");
    // A comic book that shares the extension stays a comic book.
    EXPECT_EQ(type_of("comic.cbr", std::string("Rar!\x1a\x07\x00", 7) + std::string(64, '\0')),
              "application/vnd.comicbook-rar");
    EXPECT_EQ(type_of("record", "[DhtmlXQ]\n[DhtmlXQ_movelist]7747[/DhtmlXQ_movelist]\n[/DhtmlXQ]\n"),
              "text/x-xiangqi-dhtmlxq");
}

}  // namespace
}  // namespace kelvara
