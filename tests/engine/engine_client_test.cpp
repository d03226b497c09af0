// The engine client against a fake engine: both protocols, the variant, the counting of
// ranks, scores turned to red's side, searches that replace each other, and every way an
// engine can fail: missing, refusing the variant, silent, crashing, writing garbage or
// illegal moves. After any of them no engine process is left.

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>

#include "board/fen.h"
#include "board/layouts.h"
#include "board/rules.h"
#include "fake_engine_fixture.h"

namespace kelvara {
namespace {

using namespace std::chrono_literals;
using test::FakeEngineTest;

constexpr Move kCentralCannon{{2, 1}, {2, 4}};  // 炮二平五
const std::string kStartFen = "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w - - 0 1";

SearchPosition start_after(std::vector<Move> moves) { return {kStandardLayout, Side::Red, std::move(moves)}; }

bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

long count_of(const std::vector<std::string>& lines, const std::string& prefix) {
    return std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(prefix); });
}

// The fake's best move: the first legal move, as the board core lists them.
Move first_legal(const SearchPosition& p) { return legal_moves(p.board(), p.side_to_move()).front(); }

using EngineClientTest = FakeEngineTest;

TEST_F(EngineClientTest, SpeaksUciWithTheVariantToAnEngineOfManyVariants) {
    EngineSettings settings = quick(fake("--variants chess,xiangqi --log " + log_path()));
    settings.threads = 3;
    EngineClient client(settings);
    attach(client);
    ASSERT_TRUE(client.start());
    const SearchPosition start = start_after({});
    const auto id = client.search(start, {.depth = 2});
    ASSERT_TRUE(pump_until_answered(client));
    ASSERT_TRUE(failures_.empty()) << describe(failures_[0]);

    EXPECT_EQ(client.protocol(), EngineProtocol::Uci);
    EXPECT_EQ(client.name(), "Fake Engine 1.0");
    EXPECT_EQ(client.rank_base(), 1);
    const SearchUpdate& answer = *final_update();
    EXPECT_EQ(answer.search, id);
    EXPECT_EQ(answer.best, first_legal(start));
    EXPECT_EQ(answer.depth, 2);
    EXPECT_EQ(answer.evaluation, (Evaluation{0, std::nullopt}));
    ASSERT_EQ(answer.pv.size(), 2u);
    EXPECT_EQ(answer.pv.front(), *answer.best);
    // Progress came first, depth by depth; the second line of a multi-line search is not ours.
    ASSERT_GE(updates_.size(), 3u);
    EXPECT_EQ(updates_[0].depth, 1);
    EXPECT_FALSE(updates_[0].final);
    for (const SearchUpdate& u : updates_) EXPECT_NE(u.evaluation, (Evaluation{999, std::nullopt}));

    // Once an answer has shown the counting of ranks, positions go as the start and moves.
    const SearchPosition after = start_after({kCentralCannon});
    const SearchUpdate* second = ask(client, after, {.depth = 2});
    ASSERT_TRUE(second);
    EXPECT_EQ(second->best, first_legal(after));

    const auto lines = logged();
    EXPECT_TRUE(contains(lines, "setoption name UCI_Variant value xiangqi"));
    EXPECT_TRUE(contains(lines, "setoption name Threads value 3"));
    EXPECT_TRUE(contains(lines, "position fen " + kStartFen));
    EXPECT_TRUE(contains(lines, "position fen " + kStartFen + " moves h3e3"));
    EXPECT_TRUE(contains(lines, "go depth 2"));
    const auto at = [&](const std::string& l) { return std::find(lines.begin(), lines.end(), l) - lines.begin(); };
    EXPECT_LT(at("setoption name UCI_Variant value xiangqi"), at("isready"));
    EXPECT_EQ(count_of(lines, "ucci"), 0);
}

TEST_F(EngineClientTest, SpeaksUcciToAnEngineThatAnswersUcciok) {
    EngineClient client(quick(fake("--ucci --scores 25 --log " + log_path())));
    attach(client);
    ASSERT_TRUE(client.start());
    const SearchPosition start = start_after({});
    client.search(start, {.depth = 3});
    ASSERT_TRUE(pump_until_answered(client));
    ASSERT_TRUE(failures_.empty()) << describe(failures_[0]);
    EXPECT_EQ(client.protocol(), EngineProtocol::Ucci);
    EXPECT_EQ(client.rank_base(), 0);
    EXPECT_EQ(final_update()->evaluation, (Evaluation{25, std::nullopt}));
    EXPECT_EQ(final_update()->best, first_legal(start));

    const auto lines = logged();
    EXPECT_TRUE(contains(lines, "ucci"));
    EXPECT_TRUE(contains(lines, "setoption usemillisec true"));
    EXPECT_TRUE(contains(lines, "position fen " + kStartFen));
}

TEST_F(EngineClientTest, StopsAUcciSearchWhenItsTimeIsUp) {
    // UCCI has no time per move: the client stops the search itself.
    EngineClient client(quick(fake("--ucci --slow 5000 --log " + log_path())));
    attach(client);
    ASSERT_TRUE(client.start());
    const auto asked = std::chrono::steady_clock::now();
    client.search(start_after({}), {.movetime_ms = 150});
    ASSERT_TRUE(pump_until_answered(client));
    EXPECT_TRUE(failures_.empty());
    EXPECT_LT(std::chrono::steady_clock::now() - asked, 2s);
    EXPECT_TRUE(contains(logged(), "go time 150"));
    EXPECT_TRUE(contains(logged(), "stop"));
}

TEST_F(EngineClientTest, ScoresAreTurnedToRedsSide) {
    // The fake scores the position after n moves from its side to move: black after one
    // move, red after two, black after three.
    EngineClient client(quick(fake("--variants xiangqi --scores 0,40,m3,-m2")));
    attach(client);
    ASSERT_TRUE(client.start());
    // The first answer shows how the engine counts ranks; then moves go with the positions.
    ASSERT_TRUE(ask(client, start_after({}), {.depth = 1}));
    std::vector<Move> moves;
    Position board = kStandardLayout;
    Side side = Side::Red;
    const Evaluation expected[] = {{-40, std::nullopt}, {std::nullopt, 3}, {std::nullopt, 2}};
    for (const Evaluation& e : expected) {
        const Move m = legal_moves(board, side).front();
        make_move(board, m);
        side = opponent(side);
        moves.push_back(m);
        const SearchUpdate* answer = ask(client, start_after(moves), {.depth = 1});
        ASSERT_TRUE(answer);
        EXPECT_EQ(answer->evaluation, e) << moves.size() << " moves";
    }
}

TEST_F(EngineClientTest, GarbageAmongTheLinesChangesNothing) {
    EngineClient client(quick(fake("--variants xiangqi --garbage --scores 17")));
    attach(client);
    ASSERT_TRUE(client.start());
    client.search(start_after({}), {.depth = 2});
    ASSERT_TRUE(pump_until_answered(client));
    ASSERT_TRUE(failures_.empty()) << describe(failures_[0]);
    EXPECT_EQ(final_update()->evaluation, (Evaluation{17, std::nullopt}));
    EXPECT_EQ(final_update()->best, first_legal(start_after({})));
    EXPECT_EQ(final_update()->pv.size(), 2u);
}

TEST_F(EngineClientTest, AMoveThatIsNotLegalIsNeverReported) {
    EngineClient client(quick(fake("--variants xiangqi --illegal-best")));
    attach(client);
    ASSERT_TRUE(client.start());
    client.search(start_after({}), {.depth = 2});
    ASSERT_TRUE(pump_until_answered(client));
    EXPECT_TRUE(failures_.empty());
    EXPECT_FALSE(final_update()->best);
    EXPECT_TRUE(final_update()->pv.empty());
}

TEST_F(EngineClientTest, TheCountingOfRanksIsFoundFromTheAnswers) {
    // A UCI engine without variants that counts ranks from 1 all the same: the client
    // presumes 0, sends the position itself, and learns from the answer.
    EngineClient client(quick(fake("--rank-base 1 --log " + log_path())));
    attach(client);
    ASSERT_TRUE(client.start());
    const SearchPosition position = start_after({kCentralCannon});
    client.search(position, {.depth = 2});
    ASSERT_TRUE(pump_until_answered(client));
    ASSERT_TRUE(failures_.empty());
    EXPECT_EQ(client.rank_base(), 1);
    EXPECT_EQ(final_update()->best, first_legal(position));
    EXPECT_EQ(final_update()->pv.size(), 2u);
    EXPECT_TRUE(contains(logged(), "position fen " + fen_text(position.board(), Side::Black)));

    ASSERT_TRUE(ask(client, position, {.depth = 2}));
    EXPECT_EQ(final_update()->best, first_legal(position));
    EXPECT_TRUE(contains(logged(), "position fen " + kStartFen + " moves h3e3"));

    // Told the counting, the client sends the moves from the first search on.
    EngineSettings told = quick(fake("--rank-base 1 --log " + log_path() + ".told"));
    told.rank_base = 1;
    EngineClient second(told);
    attach(second);
    ASSERT_TRUE(second.start());
    ASSERT_TRUE(ask(second, position, {.depth = 2}));
    EXPECT_EQ(final_update()->best, first_legal(position));
    std::ifstream log(log_path() + ".told");
    std::vector<std::string> lines;
    for (std::string line; std::getline(log, line);) lines.push_back(line);
    EXPECT_TRUE(contains(lines, "position fen " + kStartFen + " moves h3e3"));
}

TEST_F(EngineClientTest, ANewSearchReplacesTheOneRunning) {
    EngineSettings patient = quick(fake("--variants xiangqi --slow 1500 --log " + log_path()));
    patient.silence_limit = std::chrono::seconds(5);
    EngineClient client(patient);
    attach(client);
    ASSERT_TRUE(client.start());
    const auto first = client.search(start_after({}), {.depth = 5});
    ASSERT_TRUE(pump_until(client, [&] { return !updates_.empty(); }));
    const SearchPosition position = start_after({kCentralCannon});
    const auto asked = std::chrono::steady_clock::now();
    const auto second = client.search(position, {.movetime_ms = 100});
    // The fake answers the second search after its own 1.5 s.
    ASSERT_TRUE(pump_until_answered(client));
    EXPECT_LT(std::chrono::steady_clock::now() - asked, 4s);
    for (const SearchUpdate& u : updates_) {
        if (u.final) {
            EXPECT_EQ(u.search, second) << "the first search's answer came through";
        }
    }
    EXPECT_NE(first, second);
    EXPECT_EQ(final_update()->best, first_legal(position));
    EXPECT_GE(count_of(logged(), "stop"), 1);

    // Cancelled, a search never answers.
    updates_.clear();
    client.search(position, {.depth = 3});
    client.cancel();
    EXPECT_FALSE(client.busy());
    pump_until(client, [] { return false; }, 300ms);
    EXPECT_EQ(final_update(), nullptr);
}

TEST_F(EngineClientTest, FinishedAndImpossiblePositionsAreAnsweredWithoutTheEngine) {
    EngineClient client(quick(fake("--variants xiangqi --log " + log_path())));
    attach(client);
    ASSERT_TRUE(client.start());
    ASSERT_TRUE(pump_until(client, [&] { return client.ready(); }));

    // Two chariots on black's file: black to move is mated.
    const Position mated = parse_fen_board("3k5/3R5/3R5/9/9/9/9/9/9/4K4");
    ASSERT_TRUE(has_no_moves(mated, Side::Black));
    client.search({mated, Side::Black, {}}, {.depth = 3});
    ASSERT_TRUE(pump_until_answered(client));
    EXPECT_EQ(final_update()->evaluation, (Evaluation{std::nullopt, 0}));
    EXPECT_FALSE(final_update()->best);

    // No black general: nothing to judge, and nothing for an engine that may not cope.
    ASSERT_TRUE(ask(client, {parse_fen_board("9/9/9/9/9/9/9/9/9/4K4"), Side::Black, {}}, {.depth = 3}));
    EXPECT_FALSE(final_update()->evaluation);
    EXPECT_EQ(count_of(logged(), "go"), 0);
    EXPECT_TRUE(failures_.empty());
}

struct FailureCase {
    const char* name;
    const char* arguments;  // to the fake; "" for a program that is no engine at all
    EngineFailure::Kind kind;
    const char* detail;  // words the message holds
};

const FailureCase kFailures[] = {
    {"refuses the variant", "--variants chess,shogi", EngineFailure::Kind::RefusesVariant, "no xiangqi"},
    {"silent when greeted", "--silent-at uci", EngineFailure::Kind::NoAnswer, "uci or ucci"},
    {"silent when asked if ready", "--silent-at isready", EngineFailure::Kind::NoAnswer, "isready"},
    {"silent in a search", "--variants xiangqi --silent-at go", EngineFailure::Kind::Silent, "silent"},
    {"crashes when greeted", "--crash-at uci", EngineFailure::Kind::Exited, "signal 6"},
    {"crashes in a search", "--variants xiangqi --crash-at go", EngineFailure::Kind::Exited, "signal 6"},
    {"quits in a search", "--variants xiangqi --exit-at-go 1", EngineFailure::Kind::Exited, "exit status 3"},
};

TEST_F(EngineClientTest, AFailingEngineIsReportedAndGone) {
    for (const FailureCase& c : kFailures) {
        SCOPED_TRACE(c.name);
        failures_.clear();
        updates_.clear();
        EngineClient client(quick(fake(c.arguments)));
        attach(client);
        ASSERT_TRUE(client.start());
        const pid_t pid = client.pid();
        client.search(start_after({}), {.depth = 2});
        ASSERT_TRUE(pump_until(client, [&] { return !failures_.empty(); }));
        EXPECT_EQ(failures_[0].kind, c.kind);
        EXPECT_NE(failures_[0].detail.find(c.detail), std::string::npos) << failures_[0].detail;
        EXPECT_EQ(final_update(), nullptr);
        EXPECT_FALSE(client.running());
        EXPECT_TRUE(test::process_gone(pid));
    }
}

TEST_F(EngineClientTest, AProgramThatCannotRunIsReportedAtOnce) {
    EngineClient missing(quick("/no/such/folder/engine"));
    attach(missing);
    EXPECT_FALSE(missing.start());
    ASSERT_EQ(failures_.size(), 1u);
    EXPECT_EQ(failures_[0].kind, EngineFailure::Kind::NotFound);
    EXPECT_NE(describe(failures_[0]).find("/no/such/folder/engine"), std::string::npos);

    EngineClient unnamed(quick("no-such-engine-of-kelvara"));
    attach(unnamed);
    EXPECT_FALSE(unnamed.start());
    EXPECT_EQ(failures_.back().kind, EngineFailure::Kind::NotFound);

    const std::string not_executable = fake("") + ".txt";
    std::ofstream(not_executable) << "not a program\n";
    EngineClient refused(quick(not_executable));
    attach(refused);
    EXPECT_FALSE(refused.start());
    EXPECT_EQ(failures_.back().kind, EngineFailure::Kind::CannotStart);

    // A program that ends at once is no engine either (found out at the greeting, or later).
    EngineClient ends(quick("/bin/true"));
    attach(ends);
    ends.start();
    ASSERT_TRUE(pump_until(ends, [&] { return failures_.size() == 4; }));
    EXPECT_EQ(failures_.back().kind, EngineFailure::Kind::Exited);
}

TEST_F(EngineClientTest, NoEngineOutlivesItsClient) {
    // A deaf engine ignores quit: the client kills it after the grace.
    pid_t searching = -1;
    pid_t idle = -1;
    {
        EngineClient client(quick(fake("--variants xiangqi --deaf --slow 5000")));
        attach(client);
        ASSERT_TRUE(client.start());
        client.search(start_after({}), {.depth = 9});
        ASSERT_TRUE(pump_until(client, [&] { return !updates_.empty(); }));
        searching = client.pid();

        EngineClient other(quick(fake("--variants xiangqi")));
        ASSERT_TRUE(other.start());
        idle = other.pid();
    }
    EXPECT_TRUE(test::process_gone(searching));
    EXPECT_TRUE(test::process_gone(idle));

    EngineClient closed(quick(fake("--variants xiangqi")));
    ASSERT_TRUE(closed.start());
    const pid_t pid = closed.pid();
    closed.close();
    EXPECT_TRUE(test::process_gone(pid));
    EXPECT_FALSE(closed.running());
}

TEST_F(EngineClientTest, TheEngineDiesWithItsParentEvenWhenThatIsKilled) {
    const std::string program = fake("--variants xiangqi --deaf");
    int pipe_fds[2];
    ASSERT_EQ(::pipe(pipe_fds), 0);
    const pid_t parent = ::fork();
    ASSERT_GE(parent, 0);
    if (parent == 0) {
        // The program that gets killed: it starts an engine, tells its pid and waits.
        ::close(pipe_fds[0]);
        EngineClient client(quick(program));
        client.start();
        const pid_t engine = client.pid();
        [[maybe_unused]] const auto n = ::write(pipe_fds[1], &engine, sizeof engine);
        for (;;) ::pause();
    }
    ::close(pipe_fds[1]);
    pid_t engine = -1;
    ASSERT_EQ(::read(pipe_fds[0], &engine, sizeof engine), static_cast<ssize_t>(sizeof engine));
    ::close(pipe_fds[0]);
    ASSERT_GT(engine, 0);
    EXPECT_FALSE(test::process_gone(engine));
    ::kill(parent, SIGKILL);
    ::waitpid(parent, nullptr, 0);
    EXPECT_TRUE(test::process_ends(engine));
}

}  // namespace
}  // namespace kelvara
