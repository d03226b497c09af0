#include "gui_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QItemSelectionModel>
#include <QListView>
#include <QSpinBox>
#include <QTest>

#include <fstream>

#include "app/board_display.h"
#include "app/display_scale.h"
#include "view/view_fixture.h"

namespace kelvara::test {

void GuiTest::start() {
    // As the program starts: the board at the scale of the screen's density.
    app = std::make_unique<KelvaraApp>(dir.path() / "rcanim.ini", [this] { return animation_folder(); },
                                       picture_scale());
    window = std::make_unique<MainWindow>(*app, messages, dialogs);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

void GuiTest::TearDown() {
    window.reset();
    app.reset();
}

QWidget* GuiTest::control(const char16_t* name) const {
    return window->findChild<QWidget*>(QString::fromUtf16(name));
}

QString GuiTest::write_record(const std::string& file_name, const std::string& utf8_text) const {
    const auto path = dir.path() / file_name;
    std::ofstream(path, std::ios::binary) << G(utf8_text);
    return QString::fromStdString(path.string());
}

void GuiTest::open_through_button(const std::string& file_name, const std::string& utf8_text) {
    dialogs.open_answer = write_record(file_name, utf8_text);
    click(u"图形按钮_打开");
}

void GuiTest::click(const char16_t* name) const {
    auto* button = control<QAbstractButton>(name);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

void GuiTest::with_modal(const std::function<void()>& command, const std::function<void(QWidget*)>& act) {
    bool acted = false;
    QObject scope;  // the call dies with this function, whatever happens to the window
    QTimer::singleShot(0, &scope, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        acted = true;
        act(modal);
        if (modal->isVisible()) {
            ADD_FAILURE() << "the modal window is still open";
            modal->close();
        }
    });
    command();
    EXPECT_TRUE(acted);
}

void GuiTest::make_through_button(int last_move) {
    with_modal([this] { click(u"图形按钮_制作"); },
               [last_move](QWidget* maker) {
                   auto* box = maker->findChild<QSpinBox*>(QStringLiteral("编辑框_末着"));
                   ASSERT_NE(box, nullptr);
                   if (last_move > 0) box->setValue(last_move);
                   QTest::mouseClick(maker->findChild<QAbstractButton*>(QStringLiteral("图形按钮_确定")),
                                     Qt::LeftButton);
                   for (int waited = 0; maker->isVisible() && waited < 10000; waited += 10) QTest::qWait(10);
               });
}

QImage GuiTest::expected_board(int selected) const {
    const int scale = app->session().view.scale();
    return to_qimage(fresh_picture(app->session().game, selected, scale), scale);
}

QImage GuiTest::shown_board() const { return control<BoardDisplay>(u"动画框2")->picture(); }

int GuiTest::view_selection() const {
    auto* view = control<QListView>(u"超级列表框_回合");
    const auto rows = view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

}  // namespace kelvara::test
