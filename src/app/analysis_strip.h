#pragma once
// The analysis strip under the board: the engine's evaluation of the position on the
// board from red's side, as a number and as a bar, the depth it reached and its best line;
// while a whole game is analysed, a progress bar with a cancel button instead. It only
// shows what it is given; the analysis controller decides what that is.

#include <QWidget>

class QAbstractButton;
class QLabel;

namespace kelvara {

class GraphicButton;
class ScoreBar;

class AnalysisStrip : public QWidget {
    Q_OBJECT
public:
    explicit AnalysisStrip(QWidget* parent = nullptr);

    // An evaluation: its text, red's share of the bar (0 to 1), the depth and the line.
    void show_evaluation(const QString& score, double red_share, int depth, const QString& line);
    // A message in place of the line (the engine starting, failing, nothing to analyse);
    // the evaluation is cleared.
    void show_status(const QString& text);
    // A whole-game analysis: answered of total positions.
    void show_progress(int answered, int total);
    void hide_progress();

    QAbstractButton* close_button() const;
    QAbstractButton* cancel_button() const;
    QString score_text() const;
    QString line_text() const;
    QString depth_text() const;
    double red_share() const;
    bool showing_progress() const;

private:
    QLabel* score_ = nullptr;
    ScoreBar* bar_ = nullptr;
    QLabel* depth_ = nullptr;
    QLabel* line_ = nullptr;
    GraphicButton* close_ = nullptr;
    QLabel* progress_ = nullptr;
    QLabel* progress_fill_ = nullptr;
    GraphicButton* cancel_ = nullptr;
};

}  // namespace kelvara
