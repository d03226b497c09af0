#include "app/display_scale.h"

#include <QGuiApplication>

#include "app/settings.h"
#include "view/board_geometry.h"

namespace kelvara {

namespace {

constexpr const char* kScaleFactor = "QT_SCALE_FACTOR";

}  // namespace

double scale_factor(const QByteArray& user_factor, int display_size) {
    bool ok = false;
    double factor = user_factor.toDouble(&ok);
    if (!ok || !(factor > 0)) factor = 1.0;
    return factor * offered_display_size(display_size) / 100.0;
}

DisplayScale::DisplayScale(const std::filesystem::path& settings_file) {
    if (qEnvironmentVariableIsSet(kScaleFactor)) user_factor_ = qgetenv(kScaleFactor);
    const int size = load_settings(settings_file).display_size;
    if (size == 100) return;  // Qt's own scaling, untouched
    qputenv(kScaleFactor, QByteArray::number(scale_factor(user_factor_.value_or(QByteArray()), size)));
}

void DisplayScale::restore_environment() const {
    if (user_factor_)
        qputenv(kScaleFactor, *user_factor_);
    else
        qunsetenv(kScaleFactor);
}

int picture_scale() { return board::scale_for_pixel_ratio(qGuiApp ? qGuiApp->devicePixelRatio() : 1.0); }

}  // namespace kelvara
