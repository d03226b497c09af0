#pragma once
// The settings dialog: the sound switches, the demonstration and frame delays in seconds,
// the author, the loaded record's title, where the animation starts, the analysis engine
// with its time per position and its threads, and the display size. The title and author
// boxes keep their texts within bounds as they are typed; a delay box (the engine's time
// too) takes any number as it is typed and brings it into its range when it is committed
// (Enter, the focus leaving it, a spin button, OK), showing then what will be saved. OK
// hands the values to the owner, cancel and close drop them.

#include <QDialog>
#include <QPixmap>

#include <functional>
#include <string>

#include "app/file_dialogs.h"
#include "app/main_window_layout.h"
#include "app/messages.h"
#include "app/settings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace kelvara {

class SpinEdit;

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    // Runs on OK with the chosen settings and title (GBK), before the dialog closes.
    using Confirm = std::function<void(const Settings& chosen, const std::string& title)>;

    // record_loaded: whether the move list has rows; a title can only be given to a record.
    SettingsDialog(const Settings& current, const std::string& title, bool record_loaded, Messages& messages,
                   FileDialogs& dialogs, Confirm confirm, QWidget* parent = nullptr);

    void confirm();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void create_controls();
    void show_values(const Settings& settings, const std::string& title);
    // A delay box, its range and the value it last committed.
    struct DelayBox {
        SpinEdit* box = nullptr;
        DelayRange range;
        int value = 0;
    };
    void create_delay_box(DelayBox& delay, const layout::ControlPlace& place);
    void title_changed();
    void author_changed();
    // A text that is no number goes back to the value before it.
    void commit(DelayBox& delay);
    void step(DelayBox& delay, int direction);
    void show_delay(DelayBox& delay);
    // Cuts the box's text to max_bytes of GBK at a whole character, after the warning.
    void keep_within(QLineEdit* box, std::size_t max_bytes, const QString& warning);
    void warn(const QString& text);
    void choose_engine();

    Settings current_;
    bool record_loaded_;
    Messages& messages_;
    FileDialogs& dialogs_;
    Confirm confirm_;
    QPixmap background_;
    QCheckBox* sound_effects_ = nullptr;
    QCheckBox* background_music_ = nullptr;
    QCheckBox* from_selected_move_ = nullptr;
    QLineEdit* author_ = nullptr;
    QLineEdit* title_ = nullptr;
    DelayBox demo_delay_{nullptr, kDemoDelayRange, 0};
    DelayBox frame_delay_{nullptr, kFrameDelayRange, 0};
    QComboBox* display_size_ = nullptr;
    QLineEdit* engine_ = nullptr;
    DelayBox analysis_time_{nullptr, kAnalysisTimeRange, 0};
    QComboBox* engine_threads_ = nullptr;
};

}  // namespace kelvara
