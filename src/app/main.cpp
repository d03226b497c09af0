// The desktop program: the application object, the main window, and a record named on
// the command line opened at once, or handed to the Kelvara that already runs.

#include <QApplication>
#include <QStringList>

#include <iostream>

#include "app/command_line.h"
#include "app/display_scale.h"
#include "app/file_dialogs.h"
#include "app/kelvara_app.h"
#include "app/main_window.h"
#include "app/messages.h"
#include "app/signal_quit.h"
#include "app/single_instance.h"
#include "app/skin.h"
#include "app/translations.h"
#include "platform/app_paths.h"
#include "platform/memory_policy.h"

int main(int argc, char** argv) {
    kelvara::keep_freed_memory_for_reuse();
    if (const auto status = kelvara::answer_information_options(argc, argv, std::cout)) return *status;
    const auto settings_file = kelvara::settings_file_path(kelvara::executable_dir());
    const kelvara::DisplayScale display_scale(settings_file);
    QApplication qt(argc, argv);
    display_scale.restore_environment();
    QApplication::setApplicationName(QStringLiteral("Kelvara"));
    QApplication::setFont(kelvara::program_font());
    kelvara::install_qt_translations(qt);
    // SIGTERM, SIGINT and SIGHUP end the program as its close button does.
    kelvara::QuitOnSignals quit_on_signals([] { QCoreApplication::quit(); });

    const QString record = kelvara::record_argument(QApplication::arguments());
    kelvara::SingleInstance instance;
    if (instance.hand_over(record)) return 0;

    kelvara::KelvaraApp app(settings_file, {}, kelvara::picture_scale());
    kelvara::MessageBoxes messages;
    kelvara::QtFileDialogs dialogs;
    kelvara::MainWindow window(app, messages, dialogs);
    messages.set_owner(&window);
    window.show();
    if (!instance.listen() && instance.hand_over(record)) return 0;
    QObject::connect(&instance, &kelvara::SingleInstance::file_received, &window,
                     [&window](const QString& file) { window.open_handed_over(file); });

    if (!record.isEmpty()) window.open_record_file(record);
    return QApplication::exec();
}
