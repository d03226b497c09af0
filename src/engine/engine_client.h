#pragma once
// The engine client: runs a UCI or UCCI engine as a child process and asks it about
// positions. Nothing here waits unless asked to: pump() handles whatever the engine has
// written and the time limits, and the answers come back through the handlers. The
// desktop program pumps when the engine's socket is readable and at next_deadline(); the
// command line pumps with a wait until it has its answer.
//
// The handlers run inside pump() (and start()); they may call search(), cancel() and
// close(), but must not destroy the client.

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/child_process.h"
#include "engine/engine_reply.h"
#include "engine/evaluation.h"
#include "engine/line_splitter.h"
#include "engine/search_position.h"

namespace kelvara {

struct EngineSettings {
    std::string program;           // a path, or a name looked up in PATH
    int threads = 1;               // 0 leaves the engine's own choice
    std::optional<int> rank_base;  // how the engine counts ranks; nullopt: found out
    // The engine must answer uci (or ucci) and isready within this.
    std::chrono::milliseconds handshake_limit{10000};
    // An engine that has not answered uci by then is asked whether it speaks UCCI.
    std::chrono::milliseconds uci_answer_wait{1500};
    // A search that writes nothing for this long has hung.
    std::chrono::milliseconds silence_limit{30000};
    // Time the engine gets to quit before it is killed.
    std::chrono::milliseconds quit_grace{300};
};

// How long to search: to a depth, or for a time. The first of the two that is set counts.
struct SearchLimit {
    int depth = 0;
    int movetime_ms = 0;
};

// What the engine says about a search, as it goes and at its end.
struct SearchUpdate {
    std::uint64_t search = 0;  // the id search() returned
    bool final = false;        // the engine has given its best move; nothing more comes
    int depth = 0;
    std::optional<Evaluation> evaluation;  // from red's side
    std::vector<Move> pv;                  // the best line, legal move by move from the position
    std::optional<Move> best;              // at the end: the best move; none when no move exists
};

struct EngineFailure {
    enum class Kind {
        NotFound,        // no such program
        CannotStart,     // the program could not be run
        NoAnswer,        // it did not answer uci, ucci or isready in time
        RefusesVariant,  // it plays variants, but not xiangqi
        Exited,          // it ended (or crashed) while in use
        Silent,          // a search wrote nothing for too long
    } kind;
    std::string detail;  // the program, and what the system or the engine said
};

enum class EngineProtocol { Uci, Ucci };

class EngineClient {
public:
    using UpdateHandler = std::function<void(const SearchUpdate&)>;
    using FailureHandler = std::function<void(const EngineFailure&)>;

    explicit EngineClient(EngineSettings settings);
    ~EngineClient();
    EngineClient(const EngineClient&) = delete;
    EngineClient& operator=(const EngineClient&) = delete;

    void on_update(UpdateHandler handler) { update_handler_ = std::move(handler); }
    void on_failure(FailureHandler handler) { failure_handler_ = std::move(handler); }
    void on_ready(std::function<void()> handler) { ready_handler_ = std::move(handler); }

    // Starts the engine and greets it. False, after the failure handler ran, when the
    // program cannot be started; the greeting's answer comes through pump().
    bool start();
    // Quits the engine (killing it after the grace) and forgets every search.
    void close();

    // Asks about a position. A search in progress is stopped and its answer dropped; before
    // the engine is ready the search waits for it. Returns the search's id.
    std::uint64_t search(const SearchPosition& position, SearchLimit limit);
    // Drops the search in progress or waiting; its answer never comes.
    void cancel();

    // Handles the engine's output and the time limits, waiting at most `wait` for output.
    void pump(std::chrono::milliseconds wait = std::chrono::milliseconds(0));
    // The engine's socket, to wait on; -1 when no engine runs.
    int fd() const { return process_.fd(); }
    // When pump() must run next even if the engine writes nothing.
    std::optional<std::chrono::steady_clock::time_point> next_deadline() const;

    // The engine runs and answered its greeting.
    bool ready() const { return state_ == State::Ready || state_ == State::Searching; }
    bool running() const { return process_.running(); }
    // A search is running or waiting.
    bool busy() const;
    const std::string& name() const { return name_; }
    EngineProtocol protocol() const { return protocol_; }
    int rank_base() const { return rank_base_; }
    const std::optional<EngineFailure>& failure() const { return failure_; }
    pid_t pid() const { return process_.pid(); }

private:
    using Clock = std::chrono::steady_clock;
    enum class State { Idle, Greeting, Readying, Ready, Searching, Failed };

    struct Request {
        std::uint64_t id = 0;
        SearchPosition position;
        SearchLimit limit;
    };
    struct Running {
        Request request;
        Position board{};
        Side side = Side::Red;
        Clock::time_point started;
        std::optional<Clock::time_point> stop_sent;
        bool dropped = false;  // its answer is not wanted
        std::optional<EngineInfo> best_info;
    };

    void handle_line(const std::string& line);
    void handle_greeting_line(const std::string& line);
    void configure();
    void handle_search_line(const std::string& line);
    void handle_info(const EngineInfo& info);
    void handle_best_move(const BestMoveReply& reply);
    void begin_search(Request request);
    void send_stop();
    void check_deadlines();
    void deliver_immediate(Request request);
    void deliver(const SearchUpdate& update);
    bool send(const std::string& line);
    void fail(EngineFailure::Kind kind, std::string detail);
    void engine_ended();
    void notice_rank_base(std::string_view move_text);
    std::vector<Move> legal_line(const std::vector<std::string>& words, const Position& board, Side side) const;
    std::optional<Clock::time_point> search_deadline() const;

    EngineSettings settings_;
    ChildProcess process_;
    LineSplitter splitter_;
    State state_ = State::Idle;
    EngineProtocol protocol_ = EngineProtocol::Uci;
    std::string name_;
    std::vector<EngineOption> options_;
    int rank_base_ = 0;
    bool rank_base_known_ = false;  // set, or shown by an answer
    Clock::time_point greeting_sent_;
    bool ucci_asked_ = false;
    Clock::time_point phase_deadline_;
    Clock::time_point last_line_;
    std::optional<Running> running_;
    std::optional<Request> waiting_;
    std::optional<Request> immediate_;  // answered without the engine, delivered by pump()
    std::uint64_t next_id_ = 1;
    std::optional<EngineFailure> failure_;
    UpdateHandler update_handler_;
    FailureHandler failure_handler_;
    std::function<void()> ready_handler_;
};

// Words for a failure, for messages on the command line.
std::string describe(const EngineFailure& failure);

}  // namespace kelvara
