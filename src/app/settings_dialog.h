#pragma once
// The settings dialog: the sound switches, the demonstration and frame delays in seconds,
// the author, the loaded record's title, where the animation starts and the display size. Its boxes keep
// their texts within bounds as they are typed; OK hands the values to the owner, cancel
// and close drop them.

#include <QDialog>
#include <QPixmap>

#include <functional>
#include <string>

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
                   Confirm confirm, QWidget* parent = nullptr);

    void confirm();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void create_controls();
    void show_values(const Settings& settings, const std::string& title);
    void title_changed();
    void author_changed();
    void demo_delay_changed();
    void step(SpinEdit* box, int direction);
    // Cuts the box's text to max_bytes of GBK at a whole character, after the warning.
    void keep_within(QLineEdit* box, std::size_t max_bytes, const QString& warning);
    void warn(const QString& text);

    Settings current_;
    bool record_loaded_;
    Messages& messages_;
    Confirm confirm_;
    QPixmap background_;
    QCheckBox* sound_effects_ = nullptr;
    QCheckBox* background_music_ = nullptr;
    QCheckBox* from_selected_move_ = nullptr;
    QLineEdit* author_ = nullptr;
    QLineEdit* title_ = nullptr;
    SpinEdit* demo_delay_ = nullptr;
    SpinEdit* frame_delay_ = nullptr;
    QComboBox* display_size_ = nullptr;
};

}  // namespace kelvara
