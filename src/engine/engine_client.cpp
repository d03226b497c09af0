#include "engine/engine_client.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "board/fen.h"
#include "board/rules.h"
#include "engine/engine_move.h"

namespace kelvara {

namespace {

using std::chrono::milliseconds;

// An engine that lists more options than this is flooding; the rest are not kept.
constexpr std::size_t kMostOptions = 512;

bool same_name(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string seconds_text(milliseconds ms) {
    const auto tenths = (ms.count() + 50) / 100;
    return std::to_string(tenths / 10) + (tenths % 10 ? "." + std::to_string(tenths % 10) : "") + " s";
}

// The one word of a line such as "uciok", whatever blanks surround it.
bool is_word(const std::string& line, std::string_view word) {
    const auto words = words_of(line);
    return words.size() == 1 && words[0] == word;
}

}  // namespace

EngineClient::EngineClient(EngineSettings settings) : settings_(std::move(settings)) {}

EngineClient::~EngineClient() { close(); }

bool EngineClient::start() {
    close();
    failure_.reset();
    name_.clear();
    options_.clear();
    splitter_ = LineSplitter();
    protocol_ = EngineProtocol::Uci;
    ucci_asked_ = false;
    if (const auto error = process_.start(settings_.program)) {
        fail(error->kind == ChildProcess::StartError::Kind::NotFound ? EngineFailure::Kind::NotFound
                                                                     : EngineFailure::Kind::CannotStart,
             error->detail);
        return false;
    }
    state_ = State::Greeting;
    greeting_sent_ = last_line_ = Clock::now();
    phase_deadline_ = greeting_sent_ + settings_.handshake_limit;
    return send("uci");
}

void EngineClient::close() {
    if (process_.running()) process_.stop("quit", settings_.quit_grace);
    state_ = State::Idle;
    running_.reset();
    waiting_.reset();
    immediate_.reset();
}

bool EngineClient::busy() const { return (running_ && !running_->dropped) || waiting_ || immediate_; }

std::uint64_t EngineClient::search(const SearchPosition& position, SearchLimit limit) {
    Request request{next_id_++, position, limit};
    const std::uint64_t id = request.id;
    immediate_.reset();
    waiting_.reset();
    const Position board = position.board();
    const Side side = position.side_to_move();
    // A finished game or a position no game reaches is answered here, not by the engine.
    if (!is_playable(board, side) || has_no_moves(board, side)) {
        immediate_ = std::move(request);
        if (running_ && !running_->dropped) {
            running_->dropped = true;
            send_stop();
        }
        return id;
    }
    if (state_ == State::Ready) {
        begin_search(std::move(request));
    } else {
        waiting_ = std::move(request);
        if (running_ && !running_->dropped) {
            running_->dropped = true;
            send_stop();
        }
    }
    return id;
}

void EngineClient::cancel() {
    immediate_.reset();
    waiting_.reset();
    if (running_ && !running_->dropped) {
        running_->dropped = true;
        send_stop();
    }
}

void EngineClient::begin_search(Request request) {
    Running run;
    run.board = request.position.board();
    run.side = request.position.side_to_move();
    run.started = last_line_ = Clock::now();
    const SearchLimit limit = request.limit;
    // Until an answer has shown how the engine counts ranks, moves are not sent: the FEN
    // of the position itself cannot be misread.
    const std::string position = rank_base_known_
                                     ? position_command(request.position, rank_base_)
                                     : "position fen " + fen_text(run.board, run.side);
    run.request = std::move(request);
    running_ = std::move(run);
    state_ = State::Searching;

    std::string go = "go depth 1";
    if (limit.depth > 0)
        go = "go depth " + std::to_string(limit.depth);
    else if (limit.movetime_ms > 0)
        // UCCI's time counts a whole game's clock; the client stops the search itself.
        go = (protocol_ == EngineProtocol::Uci ? "go movetime " : "go time ") + std::to_string(limit.movetime_ms);
    if (send(position)) send(go);
}

void EngineClient::send_stop() {
    if (!running_ || running_->stop_sent) return;
    running_->stop_sent = Clock::now();
    send("stop");
}

void EngineClient::pump(milliseconds wait) {
    if (immediate_) {
        Request request = std::move(*immediate_);
        immediate_.reset();
        deliver_immediate(std::move(request));
        return;
    }
    if (!process_.running()) return;
    if (const auto deadline = next_deadline()) {
        const auto left = std::chrono::duration_cast<milliseconds>(*deadline - Clock::now());
        wait = std::clamp(left, milliseconds(0), wait);
    }
    if (wait.count() > 0) process_.wait_readable(wait);

    const pid_t pid = process_.pid();
    std::string bytes;
    const ChildProcess::ReadResult result = process_.read_available(bytes);
    for (const std::string& line : splitter_.feed(bytes)) {
        handle_line(line);
        // A handler may have closed the engine, or started another.
        if (process_.pid() != pid || state_ == State::Failed || state_ == State::Idle) return;
    }
    if (result == ChildProcess::ReadResult::Closed) {
        engine_ended();
        return;
    }
    check_deadlines();
}

std::optional<EngineClient::Clock::time_point> EngineClient::next_deadline() const {
    if (immediate_) return Clock::now();
    switch (state_) {
        case State::Greeting:
            return ucci_asked_ ? phase_deadline_ : std::min(phase_deadline_, greeting_sent_ + settings_.uci_answer_wait);
        case State::Readying: return phase_deadline_;
        case State::Searching: return search_deadline();
        default: return std::nullopt;
    }
}

std::optional<EngineClient::Clock::time_point> EngineClient::search_deadline() const {
    if (!running_) return std::nullopt;
    const auto& limit = running_->request.limit;
    auto deadline = last_line_ + settings_.silence_limit;
    const bool timed = limit.depth <= 0 && limit.movetime_ms > 0;
    if (timed) {
        const auto search_end = running_->started + milliseconds(limit.movetime_ms);
        deadline = std::max(deadline, search_end + settings_.silence_limit);
        if (protocol_ == EngineProtocol::Ucci && !running_->stop_sent) return std::min(deadline, search_end);
    }
    if (running_->stop_sent) deadline = std::min(deadline, *running_->stop_sent + settings_.silence_limit);
    return deadline;
}

void EngineClient::check_deadlines() {
    const auto now = Clock::now();
    switch (state_) {
        case State::Greeting:
            if (!ucci_asked_ && now >= greeting_sent_ + settings_.uci_answer_wait) {
                ucci_asked_ = true;
                if (!send("ucci")) return;
            }
            if (now >= phase_deadline_)
                fail(EngineFailure::Kind::NoAnswer, settings_.program + ": no answer to uci or ucci within " +
                                                        seconds_text(settings_.handshake_limit));
            break;
        case State::Readying:
            if (now >= phase_deadline_)
                fail(EngineFailure::Kind::NoAnswer,
                     settings_.program + ": no answer to isready within " + seconds_text(settings_.handshake_limit));
            break;
        case State::Searching: {
            if (!running_) break;
            const auto& limit = running_->request.limit;
            if (protocol_ == EngineProtocol::Ucci && limit.depth <= 0 && limit.movetime_ms > 0 &&
                now >= running_->started + milliseconds(limit.movetime_ms))
                send_stop();
            if (state_ != State::Searching) break;
            if (const auto deadline = search_deadline(); deadline && now >= *deadline)
                fail(EngineFailure::Kind::Silent,
                     settings_.program + ": silent for " + seconds_text(settings_.silence_limit) + " during a search");
            break;
        }
        default: break;
    }
}

void EngineClient::handle_line(const std::string& line) {
    switch (state_) {
        case State::Greeting: handle_greeting_line(line); break;
        case State::Readying:
            if (is_word(line, "readyok")) {
                last_line_ = Clock::now();
                state_ = State::Ready;
                if (ready_handler_) ready_handler_();
                if (state_ == State::Ready && waiting_) {
                    Request next = std::move(*waiting_);
                    waiting_.reset();
                    begin_search(std::move(next));
                }
            }
            break;
        case State::Searching: handle_search_line(line); break;
        default: break;  // what an engine says between searches is of no use
    }
}

void EngineClient::handle_greeting_line(const std::string& line) {
    if (auto name = parse_id_name(line)) {
        name_ = std::move(*name);
        last_line_ = Clock::now();
    } else if (auto option = parse_option_line(line)) {
        if (options_.size() < kMostOptions) options_.push_back(std::move(*option));
    } else if (is_word(line, "uciok")) {
        protocol_ = EngineProtocol::Uci;
        configure();
    } else if (is_word(line, "ucciok")) {
        protocol_ = EngineProtocol::Ucci;
        configure();
    }
}

void EngineClient::configure() {
    const auto option = [this](std::string_view name) -> const EngineOption* {
        for (const EngineOption& o : options_)
            if (same_name(o.name, name)) return &o;
        return nullptr;
    };
    const EngineOption* variant = protocol_ == EngineProtocol::Uci ? option("UCI_Variant") : nullptr;
    if (variant) {
        const auto& choices = variant->choices;
        const bool plays_xiangqi =
            choices.empty() || std::any_of(choices.begin(), choices.end(), [](const std::string& c) {
                return same_name(c, "xiangqi");
            });
        if (!plays_xiangqi) {
            fail(EngineFailure::Kind::RefusesVariant,
                 settings_.program + (name_.empty() ? "" : " (" + name_ + ")") + ": no xiangqi among its variants");
            return;
        }
        if (!send("setoption name UCI_Variant value xiangqi")) return;
    }
    // Engines of many variants count ranks from 1; xiangqi engines, like ICCS, from 0.
    rank_base_ = settings_.rank_base.value_or(variant ? 1 : 0);
    rank_base_known_ = settings_.rank_base.has_value();

    if (protocol_ == EngineProtocol::Uci && settings_.threads > 0 && option("Threads")) {
        if (!send("setoption name Threads value " + std::to_string(settings_.threads))) return;
    }
    if (protocol_ == EngineProtocol::Ucci && option("usemillisec")) {
        if (!send("setoption usemillisec true")) return;
    }
    state_ = State::Readying;
    last_line_ = Clock::now();
    phase_deadline_ = last_line_ + settings_.handshake_limit;
    send("isready");
}

void EngineClient::handle_search_line(const std::string& line) {
    if (auto best = parse_bestmove_line(line)) {
        last_line_ = Clock::now();
        handle_best_move(*best);
    } else if (auto info = parse_info_line(line)) {
        if (info->depth > 0 || info->score || !info->pv.empty() || info->nodes >= 0) last_line_ = Clock::now();
        handle_info(*info);
    }
}

void EngineClient::handle_info(const EngineInfo& info) {
    if (!running_ || info.multipv != 1) return;
    for (const std::string& word : info.pv) notice_rank_base(word);
    Running& run = *running_;
    if (run.dropped) return;
    if (!info.score) {
        // Some engines give the line apart from the score.
        if (!info.pv.empty() && run.best_info) run.best_info->pv = info.pv;
        return;
    }
    // A bound is a search still looking; a settled score outranks it.
    if (info.bound && run.best_info && !run.best_info->bound) return;
    run.best_info = info;
    SearchUpdate update;
    update.search = run.request.id;
    update.depth = info.depth;
    update.evaluation = red_side_evaluation(*info.score, run.side);
    update.pv = legal_line(info.pv, run.board, run.side);
    deliver(update);
}

void EngineClient::handle_best_move(const BestMoveReply& reply) {
    if (!running_) return;
    notice_rank_base(reply.move);
    Running run = std::move(*running_);
    running_.reset();
    state_ = State::Ready;

    if (!run.dropped) {
        std::optional<Move> best;
        if (!reply.move.empty()) {
            const auto legal = [&run, &reply](int base) -> std::optional<Move> {
                const auto m = parse_engine_move(reply.move, base);
                return m && is_legal_move(run.board, run.side, *m) ? m : std::nullopt;
            };
            best = legal(rank_base_);
            if (!rank_base_known_) {
                // A move that is legal counted one way only shows the engine's counting.
                const auto other = legal(1 - rank_base_);
                if (best.has_value() != other.has_value()) {
                    rank_base_known_ = true;
                    if (other) rank_base_ = 1 - rank_base_;
                }
                if (!best) best = other;
            }
        }
        SearchUpdate update;
        update.search = run.request.id;
        update.final = true;
        update.best = best;
        if (run.best_info) {
            update.depth = run.best_info->depth;
            if (run.best_info->score) update.evaluation = red_side_evaluation(*run.best_info->score, run.side);
            update.pv = legal_line(run.best_info->pv, run.board, run.side);
        }
        if (best && (update.pv.empty() || update.pv.front() != *best)) update.pv = {*best};
        if (!best) update.pv.clear();
        deliver(update);
    }
    if (state_ == State::Ready && waiting_) {
        Request next = std::move(*waiting_);
        waiting_.reset();
        begin_search(std::move(next));
    }
}

void EngineClient::notice_rank_base(std::string_view move_text) {
    if (rank_base_known_ || !running_) return;
    if (const auto shown = rank_base_shown(move_text)) {
        rank_base_ = *shown;
        rank_base_known_ = true;
    }
}

std::vector<Move> EngineClient::legal_line(const std::vector<std::string>& words, const Position& board,
                                           Side side) const {
    std::vector<Move> line;
    Position b = board;
    for (const std::string& word : words) {
        const auto move = parse_engine_move(word, rank_base_);
        if (!move || !is_legal_move(b, side, *move)) break;
        line.push_back(*move);
        make_move(b, *move);
        side = opponent(side);
    }
    return line;
}

void EngineClient::deliver_immediate(Request request) {
    SearchUpdate update;
    update.search = request.id;
    update.final = true;
    // Only a position without moves is judged: its side to move has lost.
    const Position board = request.position.board();
    const Side side = request.position.side_to_move();
    if (is_playable(board, side) && has_no_moves(board, side)) update.evaluation = Evaluation{std::nullopt, 0};
    deliver(update);
}

void EngineClient::deliver(const SearchUpdate& update) {
    if (update_handler_) update_handler_(update);
}

bool EngineClient::send(const std::string& line) {
    if (process_.write_line(line)) return true;
    engine_ended();
    return false;
}

void EngineClient::engine_ended() {
    const auto exit = process_.reap(milliseconds(100));
    std::string detail = settings_.program;
    if (!name_.empty()) detail += " (" + name_ + ")";
    if (exit && exit->signal)
        detail += ": ended by signal " + std::to_string(exit->signal) + " (" + strsignal(exit->signal) + ")";
    else if (exit)
        detail += ": ended with exit status " + std::to_string(exit->status);
    else
        detail += ": ended";
    fail(EngineFailure::Kind::Exited, std::move(detail));
}

void EngineClient::fail(EngineFailure::Kind kind, std::string detail) {
    if (process_.running()) process_.stop({}, milliseconds(0));
    state_ = State::Failed;
    running_.reset();
    waiting_.reset();
    immediate_.reset();
    failure_ = EngineFailure{kind, std::move(detail)};
    if (failure_handler_) failure_handler_(*failure_);
}

std::string describe(const EngineFailure& failure) {
    switch (failure.kind) {
        case EngineFailure::Kind::NotFound: return "engine not found: " + failure.detail;
        case EngineFailure::Kind::CannotStart: return "cannot start the engine: " + failure.detail;
        case EngineFailure::Kind::NoAnswer: return "the engine does not answer: " + failure.detail;
        case EngineFailure::Kind::RefusesVariant: return "the engine does not play xiangqi: " + failure.detail;
        case EngineFailure::Kind::Exited: return "the engine quit: " + failure.detail;
        case EngineFailure::Kind::Silent: return "the engine hangs: " + failure.detail;
    }
    return failure.detail;
}

}  // namespace kelvara
