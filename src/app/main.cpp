// The desktop program: the application object, the main window, and a record named on
// the command line opened at once.

#include <QApplication>
#include <QStringList>

#include "app/file_dialogs.h"
#include "app/kelvara_app.h"
#include "app/main_window.h"
#include "app/skin.h"
#include "app/messages.h"
#include "platform/app_paths.h"

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvara"));
    QApplication::setFont(kelvara::program_font());

    kelvara::KelvaraApp app(kelvara::settings_file_path(kelvara::executable_dir()));
    kelvara::MessageBoxes messages;
    kelvara::QtFileDialogs dialogs;
    kelvara::MainWindow window(app, messages, dialogs);
    window.show();

    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) window.open_record_file(arguments.at(1));
    return QApplication::exec();
}
