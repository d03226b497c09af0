#include "app/analysis_controller.h"

#include <QAbstractButton>
#include <QTimer>

#include <cmath>
#include <numbers>

#include "app/analysis_strip.h"
#include "app/move_list_model.h"
#include "app/ui_text.h"
#include "notation/chinese_notation.h"
#include "platform/encoding.h"
#include "record/played_moves.h"

namespace kelvara {

namespace {

// The best line shows this many moves; more do not fit the strip's two rows.
constexpr std::size_t kLineMoves = 8;
// Centipawns at which the bar gives a side three quarters of its length.
constexpr double kBarScale = 400.0;

QString failure_text(const EngineFailure& failure) {
    const QString detail = QString::fromStdString(failure.detail);
    switch (failure.kind) {
        case EngineFailure::Kind::NotFound:
            return QStringLiteral("找不到分析引擎：%1\n请在“设置”中填写引擎程序。").arg(detail);
        case EngineFailure::Kind::CannotStart: return QStringLiteral("无法启动分析引擎：%1").arg(detail);
        case EngineFailure::Kind::NoAnswer: return QStringLiteral("分析引擎没有应答：%1").arg(detail);
        case EngineFailure::Kind::RefusesVariant: return QStringLiteral("这个引擎不下中国象棋：%1").arg(detail);
        case EngineFailure::Kind::Exited: return QStringLiteral("分析引擎意外退出：%1").arg(detail);
        case EngineFailure::Kind::Silent: return QStringLiteral("分析引擎停止了响应：%1").arg(detail);
    }
    return detail;
}

std::vector<std::string> marks_of(const std::vector<AnalysedPosition>& positions) {
    std::vector<std::string> marks;
    for (std::size_t i = 1; i < positions.size(); ++i) marks.emplace_back(mark_text(positions[i].mark));
    return marks;
}

}  // namespace

double red_share(const Evaluation& evaluation, Side side_to_move) {
    if (evaluation.mate) return red_value(evaluation, side_to_move) > 0 ? 1.0 : 0.0;
    return 0.5 + std::atan(evaluation.centipawns.value_or(0) / kBarScale) / std::numbers::pi;
}

AnalysisController::AnalysisController(KelvaraApp& app, AnalysisStrip& strip, MoveListModel& moves,
                                       Messages& messages, QObject* parent)
    : QObject(parent), app_(app), strip_(strip), moves_(moves), messages_(messages) {
    driver_.on_update([this](const SearchUpdate& update) { updated(update); });
    driver_.on_failure([this](const EngineFailure& failure) { failed(failure); });
    connect(strip_.close_button(), &QAbstractButton::clicked, this, &AnalysisController::close);
    connect(strip_.cancel_button(), &QAbstractButton::clicked, this, &AnalysisController::cancel_game_analysis);
}

AnalysisController::~AnalysisController() {
    game_analysis_.reset();
    driver_.stop();
}

void AnalysisController::open() {
    if (open_) return;
    set_open(true);
    start_engine();
    follow();
}

void AnalysisController::close() {
    if (!open_) return;
    cancel_game_analysis();
    driver_.stop();
    set_open(false);
}

void AnalysisController::set_open(bool open) {
    open_ = open;
    // Remembered at once; a settings file that cannot be written only forgets it.
    app_.settings().analysis_shown = open;
    app_.save_settings();
    if (open_changed_) open_changed_(open);
}

bool AnalysisController::start_engine() {
    const Settings& settings = app_.settings();
    if (settings.engine_program.empty()) {
        strip_.show_status(QStringLiteral("未设置分析引擎：请在“设置”中填写引擎程序。"));
        return false;
    }
    EngineSettings engine;
    engine.program = gbk_to_utf8(settings.engine_program);
    engine.threads = settings.engine_threads;
    strip_.show_status(QStringLiteral("正在启动引擎……"));
    return driver_.start(engine);
}

SearchPosition AnalysisController::position_shown() const {
    const GameRecord& game = app_.session().game;
    std::vector<Move> moves = played_moves(game);
    const auto shown = static_cast<std::size_t>(std::clamp<int>(game.current_move + 1, 0, static_cast<int>(moves.size())));
    moves.resize(shown);
    return {start_position(game), first_mover(game), std::move(moves)};
}

void AnalysisController::follow() {
    if (!open_ || analysing_game() || !driver_.running()) return;
    if (!app_.session().game.loaded) {
        strip_.show_status(QStringLiteral("打开棋谱后即可分析。"));
        return;
    }
    searched_ = position_shown();
    strip_.show_status(QStringLiteral("正在分析……"));
    search_ = driver_.search(searched_, {.movetime_ms = app_.settings().analysis_time});
}

void AnalysisController::record_changed() {
    game_analysis_.reset();
    analysed_.clear();
    strip_.hide_progress();
    follow();
}

void AnalysisController::settings_changed() {
    if (!open_) return;
    cancel_game_analysis();
    start_engine();
    follow();
}

void AnalysisController::updated(const SearchUpdate& update) {
    if (game_analysis_ && game_analysis_->take(update)) {
        strip_.show_progress(game_analysis_->answered(), game_analysis_->total());
        if (game_analysis_->done()) finish_game_analysis();
        return;
    }
    if (update.search == search_) show_update(update);
}

void AnalysisController::show_update(const SearchUpdate& update) {
    const Side side = searched_.side_to_move();
    if (!update.evaluation) {
        if (update.final) strip_.show_status(QStringLiteral("这个局面无法分析。"));
        return;
    }
    QString line;
    for (const std::string& move : notation::chinese_line_text(searched_.board(), update.pv, kLineMoves))
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + from_gbk(move);
    strip_.show_evaluation(from_gbk(evaluation_text(*update.evaluation, side)), red_share(*update.evaluation, side),
                           update.depth, line);
}

void AnalysisController::analyse_game() {
    if (!app_.session().game.loaded) {
        tell(QStringLiteral("请先打开一个棋谱文件！"), QStringLiteral("提示"), MessageIcon::Information);
        return;
    }
    if (analysing_game()) return;
    if (!open_) open();
    if (!driver_.running() && !start_engine()) return;
    if (!driver_.client()) return;
    const GameRecord& game = app_.session().game;
    driver_.cancel();
    game_analysis_.emplace(*driver_.client(),
                           game_positions(start_position(game), first_mover(game), played_moves(game)),
                           SearchLimit{.movetime_ms = app_.settings().analysis_time});
    strip_.show_progress(0, game_analysis_->total());
    game_analysis_->start();
    driver_.rearm();
}

void AnalysisController::cancel_game_analysis() {
    if (!game_analysis_) return;
    game_analysis_->cancel();
    finish_game_analysis();
}

void AnalysisController::finish_game_analysis() {
    analysed_ = game_analysis_->positions();
    // Cut short, the moves analysed so far are marked all the same.
    if (!game_analysis_->done()) mark_moves(analysed_);
    game_analysis_.reset();
    moves_.set_marks(marks_of(analysed_));
    strip_.hide_progress();
    driver_.rearm();
    follow();
}

void AnalysisController::failed(const EngineFailure& failure) {
    if (game_analysis_) finish_game_analysis();
    const QString text = failure_text(failure);
    strip_.show_status(text);
    tell(text, QStringLiteral("错误"), MessageIcon::Critical);
}

void AnalysisController::tell(const QString& text, const QString& caption, MessageIcon icon) {
    // Not from inside the engine's handlers: a message box runs an event loop of its own.
    QTimer::singleShot(0, this, [this, text, caption, icon] { messages_.show(text, caption, icon); });
}

}  // namespace kelvara
