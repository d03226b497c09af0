#pragma once
// How large the desktop program draws itself. The display size of the settings (100, 150
// or 200 %) scales the whole program through Qt's scale factor, set before the
// application object exists, so that the window, its skin, its text and the board grow
// together and keep their layout. The pictures are then chosen for the resulting device
// pixel ratio, so that they are drawn sharp rather than blown up.

#include <QByteArray>

#include <filesystem>
#include <optional>

namespace kelvara {

// Qt's scale factor for a display size: the user's own QT_SCALE_FACTOR (when it is a
// positive number) times the size in percent.
double scale_factor(const QByteArray& user_factor, int display_size);

class DisplayScale {
public:
    // Reads the display size from settings_file and sets QT_SCALE_FACTOR for it. Make it
    // before the QApplication.
    explicit DisplayScale(const std::filesystem::path& settings_file);
    // Once Qt has read it: gives the environment back the user's own value, so that
    // programs started from here do not inherit the display size.
    void restore_environment() const;

private:
    std::optional<QByteArray> user_factor_;
};

// The scale (1 to 3) of the pictures that show sharp on the densest screen there is.
// Needs the QApplication.
int picture_scale();

}  // namespace kelvara
