#include "export/gif_maker.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "export/progress_stride.h"
#include "platform/gif_codec.h"
#include "view/board_session.h"

namespace kelvara {

namespace {

// Unchanged pixels of a later picture take the key colour, which the palette keeps for
// them alone; the pixel at (1, 328) never changes, so its index is the transparent one.
constexpr Argb kKeyColour = argb(0, 255, 255);
constexpr int kProbeX = 1;
constexpr int kProbeY = 328;
constexpr int kMinDelay = 2;  // browsers play 0 and 1 as a tenth of a second
constexpr int kMaxDelay = 65535;

// Turns captured pictures into GIF pictures as they come: the first whole, each later
// one as the rectangle that differs from the picture before it.
class PictureStream {
public:
    PictureStream(GifWriter& writer, const Palette& palette, int delay)
        : writer_(writer), mapper_(palette), delay_(delay), key_index_(mapper_.index_of(kKeyColour)) {}

    // damage: where current may differ from the previous picture.
    bool add(const Image& current, const std::vector<Rect>& damage) {
        ++pictures_;
        if (previous_.empty()) {
            previous_ = current;
            indices_.resize(current.pixels.size());
            for (std::size_t i = 0; i < current.pixels.size(); ++i) indices_[i] = mapper_.index_of(current.pixels[i]);
            return writer_.add_picture(indices_, {0, 0, current.width, current.height}, delay_, -1);
        }
        Rect changed;
        for (const Rect& r : damage) changed = unite(changed, changed_within(current, r));
        if (changed.empty()) {  // nothing moved: a single transparent pixel holds the delay
            const std::uint8_t key = key_index_;
            return writer_.add_picture({&key, 1}, {0, 0, 1, 1}, delay_, key_index_);
        }
        indices_.resize(static_cast<std::size_t>(changed.width()) * changed.height());
        std::size_t o = 0;
        for (int y = changed.top; y < changed.bottom; ++y) {
            const Argb* now = &current.pixels[static_cast<std::size_t>(y) * current.width];
            const Argb* before = &previous_.pixels[static_cast<std::size_t>(y) * current.width];
            for (int x = changed.left; x < changed.right; ++x)
                indices_[o++] = now[x] == before[x] ? key_index_ : mapper_.index_of(now[x]);
        }
        const bool probe_same = current.at(kProbeX, kProbeY) == previous_.at(kProbeX, kProbeY);
        const int transparent = probe_same ? key_index_ : mapper_.index_of(current.at(kProbeX, kProbeY));
        for (int y = changed.top; y < changed.bottom; ++y) {
            const std::size_t row = static_cast<std::size_t>(y) * current.width;
            std::memcpy(&previous_.pixels[row + changed.left], &current.pixels[row + changed.left],
                        sizeof(Argb) * static_cast<std::size_t>(changed.width()));
        }
        return writer_.add_picture(indices_, changed, delay_, transparent);
    }

    int pictures() const { return pictures_; }

private:
    // The smallest rectangle within r holding every pixel that differs from previous_.
    Rect changed_within(const Image& current, const Rect& r) const {
        Rect out;
        for (int y = r.top; y < r.bottom; ++y) {
            const Argb* now = &current.pixels[static_cast<std::size_t>(y) * current.width];
            const Argb* before = &previous_.pixels[static_cast<std::size_t>(y) * current.width];
            int first = r.left;
            while (first < r.right && now[first] == before[first]) ++first;
            if (first == r.right) continue;
            int last = r.right - 1;
            while (now[last] == before[last]) --last;
            out = unite(out, {first, y, last + 1, y + 1});
        }
        return out;
    }

    GifWriter& writer_;
    PaletteMapper mapper_;
    int delay_;
    std::uint8_t key_index_;
    Image previous_;
    std::vector<std::uint8_t> indices_;
    int pictures_ = 0;
};

// Reports the progress bar's fill: one step per k-th move while replaying, and one per
// k-th picture pair, counted from the last pair as the bar has always counted them.
class ProgressReport {
public:
    ProgressReport(int moves, std::function<void(int)>& handler) : stride_(progress_stride(moves)), handler_(handler) {}
    void step_if(bool due) {
        if (!due) return;
        width_ += stride_.width;
        if (handler_) handler_(width_);
    }
    bool every(int count) const { return count % stride_.every == 0; }
    void finish() {
        width_ = std::max(width_, 199);
        if (handler_) handler_(width_);
    }

private:
    ProgressStride stride_;
    std::function<void(int)>& handler_;
    int width_ = 1;
};

// The selected row the animation starts at, or -1 for the whole game.
int start_row(int moves, bool start_at_selected_move, int selected_row) {
    return start_at_selected_move && selected_row >= 0 && selected_row < moves ? selected_row : -1;
}

}  // namespace

GifMaker::GifMaker(const Palette& palette) : palette_(palette) {}

GifResult GifMaker::make(const GifJob& job) {
    GifResult result;
    result.path = job.output_folder / (job.output_stem + ".gif");
    std::error_code ec;
    std::filesystem::create_directories(job.output_folder, ec);
    std::error_code is_folder;
    if (!std::filesystem::is_directory(job.output_folder, is_folder)) {
        result.failure = GifResult::Failure::Folder;
        result.error = FileError::system(ec ? ec.value() : ENOTDIR);
        return result;
    }

    BoardSession session;
    GameRecord& game = session.game;
    game = job.game;
    game.making = 1;
    session.view.show_file_labels(game.flip_state);
    std::string title = job.title;
    session.view.show_title(title);
    session.view.set_author_line(job.author_line);
    session.view.redraw_board(game);  // the start of the game, no markers, counter n-0

    const int n = static_cast<int>(game.moves.size());
    const int s = start_row(n, job.start_at_selected_move, job.selected_row);
    const int pictures = animation_pictures(n, job.start_at_selected_move, job.selected_row);

    GifWriter writer;
    if (!writer.open(result.path, board::kWidth, board::kHeight, palette_, 0)) {
        result.failure = GifResult::Failure::File;
        result.error = writer.file_error();
        return result;
    }
    PictureStream stream(writer, palette_, std::clamp(job.frame_delay, kMinDelay, kMaxDelay));
    ProgressReport progress(n, progress_);
    bool ok = true;
    int written = 0;
    auto capture = [&] {
        const Image& picture = session.canvas.composed();
        ok = stream.add(picture, session.canvas.take_damage()) && ok;
        // The pair just written is the j-th from the last.
        if (++written > 1) progress.step_if(progress.every(pictures - (written - 1)));
    };
    session.canvas.composed();
    session.canvas.take_damage();
    if (s < 0) capture();
    for (int i = 1; i <= n && ok && !job.stop.stop_requested(); ++i) {
        const MoveRecord move = game.moves[i - 1];
        session.playback.play_move_forward(move, i);
        session.view.show_move_markers(game.flip_state, move.from_column, move.from_row, move.to_column, move.to_row);
        session.view.set_move_counter(n, i);
        if (s >= 0) {
            if (i == s) session.view.hide_move_markers();
            if (i >= s) {
                session.view.set_move_counter(n - s, i - s);
                capture();
            }
        } else {
            capture();
        }
        progress.step_if(progress.every(i));
    }
    if (job.stop.stop_requested()) {
        result.failure = GifResult::Failure::Stopped;
        return result;  // the writer removes its unfinished file
    }
    progress.finish();
    result.pictures = stream.pictures();
    if (!ok || !writer.finish()) {
        result.failure = GifResult::Failure::File;
        result.error = writer.file_error();
    }
    return result;
}

int animation_pictures(int moves, bool start_at_selected_move, int selected_row) {
    const int s = start_row(moves, start_at_selected_move, selected_row);
    return s < 0 ? moves + 1 : s == 0 ? moves : moves - s + 1;
}

std::string output_stem(std::string_view file_name) {
    const auto dot = file_name.rfind('.');
    return std::string(dot == std::string_view::npos ? file_name : file_name.substr(0, dot));
}

}  // namespace kelvara
