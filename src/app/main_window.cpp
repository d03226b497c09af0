#include "app/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QTimer>
#include <QUrl>

#include <iostream>

#include "app/analysis_controller.h"
#include "app/analysis_strip.h"
#include "app/board_display.h"
#include "app/comment_strip.h"
#include "app/control_place.h"
#include "app/file_error_text.h"
#include "app/graphic_button.h"
#include "app/maker_window.h"
#include "app/move_list_view.h"
#include "app/settings_dialog.h"
#include "app/title_label.h"
#include "app/ui_text.h"
#include "notation/text_record.h"
#include "platform/atomic_file.h"
#include "record/read_stop.h"
#include "view/board_commands.h"

namespace kelvara {

namespace {

// The first local file among dropped URLs; empty when there is none.
QString dropped_file(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) return url.toLocalFile();
    return {};
}

const QString kProgramCaption = QStringLiteral("Kelvara-1.62版");
const QString kNotice = QStringLiteral("提示");
const QString kError = QStringLiteral("错误");

}  // namespace

MainWindow::MainWindow(KelvaraApp& app, Messages& messages, FileDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint),
      app_(app), messages_(messages), dialogs_(dialogs), background_(main_background()) {
    setWindowTitle(QStringLiteral("Kelvara"));
    setWindowIcon(app_icon());
    setFixedSize(layout::kWindowWidth, layout::kWindowHeight);
    setAcceptDrops(true);
    create_controls();
    create_analysis();
    create_board_menu();
    moves_->setFocus();
    app_.session().playback.on_demonstration_changed([this] { demonstration_changed(); });
    if (app_.settings().analysis_shown) analysis_->open();
}

MainWindow::~MainWindow() {
    app_.session().playback.on_demonstration_changed({});
    app_.session().playback.on_followed({});
}

void MainWindow::create_analysis() {
    analysis_strip_ = new AnalysisStrip(this);
    analysis_strip_->hide();
    analysis_ = new AnalysisController(app_, *analysis_strip_, moves_->move_model(), messages_, this);
    analysis_->on_open_changed([this](bool open) { show_analysis_strip(open); });
    app_.session().playback.on_followed([this] { analysis_->follow(); });
}

void MainWindow::show_analysis_strip(bool open) {
    analysis_strip_->setVisible(open);
    setFixedSize(layout::kWindowWidth, open ? layout::kWindowHeightWithAnalysis : layout::kWindowHeight);
    background_ = open ? main_background_with_analysis() : main_background();
    if (analysis_action_) analysis_action_->setChecked(open);
    update();
}

void MainWindow::create_controls() {
    title_ = new TitleLabel(this);
    put(title_, layout::kTitleLabel);
    title_->setText(kProgramCaption);

    auto* minimise = add_button(SkinButton::Minimise, layout::kMinimiseButton);
    connect(minimise, &QAbstractButton::clicked, this, &QWidget::showMinimized);
    // Ends the program at once; leaving the event loop lets every owner clean up.
    auto* close = add_button(SkinButton::Close, layout::kCloseButton);
    connect(close, &QAbstractButton::clicked, qApp, &QCoreApplication::quit);

    auto* canvas_place = new QWidget(this);
    put(canvas_place, layout::kBoardCanvas);
    canvas_place->hide();
    display_ = new BoardDisplay(app_.session().view, this);
    put(display_, layout::kBoardDisplay);

    moves_ = new MoveListView(app_.session().list, this);
    put(moves_, layout::kMoveList);
    comments_ = new CommentStrip(this);
    comments_->setObjectName(QStringLiteral("编辑框_注释"));
    comments_->hide();
    connect(moves_, &MoveListView::selection_shown, this, &MainWindow::show_comments);

    connect(add_button(SkinButton::First, layout::kFirstButton), &QAbstractButton::clicked, this,
            &MainWindow::first_move);
    connect(add_button(SkinButton::Previous, layout::kPreviousButton), &QAbstractButton::clicked, this,
            &MainWindow::previous_move);
    play_button_ = add_button(SkinButton::Play, layout::kPlayButton);
    connect(play_button_, &QAbstractButton::clicked, this, &MainWindow::toggle_demonstration);
    demo_timer_ = new QTimer(this);
    demo_timer_->setObjectName(text_of(layout::kDemoTimer));
    connect(demo_timer_, &QTimer::timeout, this, &MainWindow::demonstration_tick);
    connect(add_button(SkinButton::Next, layout::kNextButton), &QAbstractButton::clicked, this,
            &MainWindow::next_move);
    connect(add_button(SkinButton::Last, layout::kLastButton), &QAbstractButton::clicked, this,
            &MainWindow::last_move);
    connect(add_button(SkinButton::Open, layout::kOpenButton), &QAbstractButton::clicked, this,
            &MainWindow::open_record);
    connect(add_button(SkinButton::Flip, layout::kFlipButton), &QAbstractButton::clicked, this,
            &MainWindow::flip_board);
    make_button_ = add_button(SkinButton::Make, layout::kMakeButton);
    connect(make_button_, &QAbstractButton::clicked, this, &MainWindow::make_animation);
    make_button_->installEventFilter(this);
    connect(add_button(SkinButton::Settings, layout::kSettingsButton), &QAbstractButton::clicked, this,
            &MainWindow::open_settings);
}

void MainWindow::create_board_menu() {
    board_menu_ = new QMenu(this);
    board_menu_->setObjectName(text_of(layout::kBoardMenu));
    auto add = [this](std::u16string_view name, void (MainWindow::*command)()) {
        QAction* action = board_menu_->addAction(text_of(name));
        action->setObjectName(text_of(name));
        connect(action, &QAction::triggered, this, command);
        return action;
    };
    QAction* copy = add(layout::kCopyTextAction, &MainWindow::copy_record_text);
    QAction* save = add(layout::kSavePictureAction, &MainWindow::save_board_picture);
    QAction* copy_picture = add(layout::kCopyPictureAction, &MainWindow::copy_board_picture);
    add(layout::kPasteRecordAction, &MainWindow::paste_record);
    QAction* save_pgn = add(layout::kSavePgnAction, &MainWindow::save_record_as_pgn);
    analysis_action_ = board_menu_->addAction(text_of(layout::kAnalysisAction));
    analysis_action_->setObjectName(text_of(layout::kAnalysisAction));
    analysis_action_->setCheckable(true);
    analysis_action_->setChecked(analysis_->is_open());
    connect(analysis_action_, &QAction::triggered, this, [this] { analysis_->toggle(); });
    QAction* whole_game = board_menu_->addAction(text_of(layout::kGameAnalysisAction));
    whole_game->setObjectName(text_of(layout::kGameAnalysisAction));
    connect(whole_game, &QAction::triggered, this, [this] { analysis_->analyse_game(); });
    // Pasting and the analysis strip need no record; the other commands work on the one shown.
    display_->set_menu(board_menu_, [this, copy, save, copy_picture, save_pgn, whole_game] {
        const bool loaded = app_.session().game.loaded;
        for (QAction* a : {copy, save, copy_picture, save_pgn, whole_game}) a->setEnabled(loaded);
        return true;
    });
}

GraphicButton* MainWindow::add_button(SkinButton pictures, const layout::ControlPlace& place) {
    auto* button = new GraphicButton(button_pictures(pictures), this);
    put(button, place);
    return button;
}

void MainWindow::show_message(const QString& text, const QString& caption, MessageIcon icon) {
    messages_.show(text, caption, icon);
}

void MainWindow::open_record() {
    const QString file_name = dialogs_.record_to_open(this);
    if (file_name.isEmpty()) return;  // cancelled: the loaded record stays
    open_record_file(file_name);
}

void MainWindow::open_record_file(const QString& file_name) {
    const std::filesystem::path path = local_path(file_name);
    int game_index = 0;
    const std::vector<GameSummary> games = list_record_file_games(path);
    if (games.size() > 1) {
        const std::optional<int> chosen = dialogs_.game_to_open(this, games);
        if (!chosen) return;  // cancelled: the loaded record stays
        game_index = *chosen;
    }
    // A file that could not be listed is counted again as it is read, or refused there.
    const OpenOutcome outcome = app_.open_record_file(
        path, game_index, games.empty() ? std::nullopt : std::optional<int>(static_cast<int>(games.size())));
    if (!outcome.opened) {
        // The old first line stays; the second names the file and why.
        QString text = QStringLiteral("打开文件失败!\n") + QFileInfo(file_name).fileName() + QStringLiteral("：");
        if (outcome.refusal == OpenOutcome::Refusal::Unreadable)
            text += chinese_reason(outcome.error);
        else
            text += QStringLiteral("不是可以打开的棋谱文件，读不出任何着法或开局局面");
        if (outcome.stop) text += QStringLiteral("\n") + from_gbk(describe(*outcome.stop));
        show_message(text, kError, MessageIcon::Critical);
        return;
    }
    show_opened(outcome);
}

void MainWindow::show_opened(const OpenOutcome& outcome) {
    moves_->reload();
    analysis_->record_changed();
    title_->setText(from_gbk(outcome.caption));
    if (outcome.stop) show_message(from_gbk(describe(*outcome.stop)), kNotice, MessageIcon::Information);
}

void MainWindow::open_handed_over(const QString& file_name) {
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
    if (!file_name.isEmpty()) open_record_file(file_name);
}

void MainWindow::show_comments() {
    const BoardSession& s = app_.session();
    const bool shown = s.game.has_comments();
    if (shown != comments_->isVisible()) {
        // The strip takes the lower part of the move list's place.
        const layout::ControlPlace& list = layout::kMoveList;
        const int list_height = shown ? list.height - kCommentStripHeight - kCommentStripGap : list.height;
        moves_->setGeometry(list.left, list.top, list.width, list_height);
        comments_->setGeometry(list.left, list.top + list_height + kCommentStripGap, list.width, kCommentStripHeight);
        comments_->setVisible(shown);
    }
    if (shown) comments_->show_comment(s.game, s.list.selection());
}

void MainWindow::first_move() {
    app_.session().playback.first();
    moves_->show_list_selection();
}

void MainWindow::previous_move() {
    app_.session().playback.previous();
    moves_->show_list_selection();
}

void MainWindow::next_move() {
    app_.session().playback.next();
    moves_->show_list_selection();
}

void MainWindow::last_move() {
    app_.session().playback.last();
    moves_->show_list_selection();
}

void MainWindow::flip_board() {
    BoardSession& s = app_.session();
    if (!turn_board(s.game, s.list, s.view)) {
        show_message(QStringLiteral("请先打开一个棋谱文件！"), kNotice, MessageIcon::Information);
        return;
    }
    FileError error;
    if (!app_.remember_board_turned(&error) && !turn_not_remembered_told_) {
        turn_not_remembered_told_ = true;
        show_message(QStringLiteral("设置保存失败！\n") + chinese_reason(error), kError, MessageIcon::Critical);
    }
}

void MainWindow::copy_record_text() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const BoardSession& s = app_.session();
    clipboard->setText(from_gbk(text_record(s.list.rows(), s.game.fen_start)));
    // Judged by what the clipboard holds afterwards, not by what was asked of it.
    if (!clipboard->text().isEmpty())
        show_message(QStringLiteral("复制棋谱成功！"), kNotice, MessageIcon::Information);
    else
        show_message(QStringLiteral("复制棋谱失败！"), kError, MessageIcon::Warning);
}

void MainWindow::save_board_picture() {
    BoardSession& s = app_.session();
    if (s.playback.demo_running()) {
        show_message(QStringLiteral("请先停止自动演示！"), kNotice, MessageIcon::Information);
        return;
    }
    const Image picture = app_.board_image();
    if (picture.empty()) return;
    const QString file_name = dialogs_.picture_to_save(this);
    if (file_name.isEmpty()) return;
    // The name's suffix says the format: the dialog adds the one of the type chosen.
    const bool png = file_name.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
    const std::vector<std::uint8_t> bytes = png ? board_png(picture) : board_bmp(picture);
    FileError error;
    if (!write_file_atomically(local_path(file_name), bytes, &error))
        show_message(QStringLiteral("保存棋图失败！\n") + file_name + QStringLiteral("：") + chinese_reason(error), kError,
                     MessageIcon::Critical);
}

void MainWindow::copy_board_picture() {
    const QImage picture = to_qimage(app_.board_image());
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setImage(picture);
    // Judged by what the clipboard holds afterwards, as for the text.
    if (clipboard->image().convertToFormat(picture.format()) == picture)
        show_message(QStringLiteral("复制棋图成功！"), kNotice, MessageIcon::Information);
    else
        show_message(QStringLiteral("复制棋图失败！"), kError, MessageIcon::Warning);
}

void MainWindow::toggle_demonstration() {
    app_.session().playback.toggle_demonstration(app_.settings().demo_delay);
}

void MainWindow::demonstration_changed() {
    const Playback& playback = app_.session().playback;
    // The stop pictures are a pixel taller than the play pictures.
    const ButtonPictures pictures = button_pictures(playback.demo_running() ? SkinButton::Stop : SkinButton::Play);
    play_button_->set_pictures(pictures);
    play_button_->resize(pictures.normal.deviceIndependentSize().toSize());
    if (playback.demo_running())
        demo_timer_->start(playback.timer_period());
    else
        demo_timer_->stop();
}

void MainWindow::demonstration_tick() {
    app_.session().playback.demonstration_tick();
    moves_->show_list_selection();
}

void MainWindow::make_animation() {
    BoardSession& s = app_.session();
    if (s.playback.demo_running()) {
        show_message(QStringLiteral("请先停止自动播放！"), kNotice, MessageIcon::Information);
        return;
    }
    if (!s.game.loaded) {
        show_message(QStringLiteral("请先打开一个棋谱文件！"), kNotice, MessageIcon::Information);
        return;
    }
    MakerWindow maker(app_.animation_job(), app_.animation_palette(), this);
    maker.exec();
    // The size the user made an animation at is the one the next pictures take.
    if (maker.started() && maker.picture_size() != app_.settings().picture_size) {
        FileError error;
        if (!app_.remember_picture_size(maker.picture_size(), &error))
            show_message(QStringLiteral("设置保存失败！\n") + chinese_reason(error), kError, MessageIcon::Critical);
    }
    // Not finished: the program is ending, and the job was stopped.
    if (maker.finished()) animation_made(maker.result());
}

void MainWindow::animation_made(const GifResult& result) {
    const QString file = QString::fromStdString(result.path.string());
    const QString folder = QString::fromStdString(result.path.parent_path().string());
    switch (result.failure) {
        case GifResult::Failure::None: {
            const int choice = messages_.ask(QStringLiteral("动画制作完成，已保存为：\n") + file, kNotice,
                                             MessageIcon::Information,
                                             {QStringLiteral("打开文件夹"), QStringLiteral("打开动画"), QStringLiteral("确定")});
            if (choice == 0) open_externally(folder);
            if (choice == 1) open_externally(file);
            break;
        }
        case GifResult::Failure::Folder:
            std::cerr << "kelvara: cannot create " << result.path.parent_path().string() << ": "
                      << english_reason(result.error) << "\n";
            show_message(QStringLiteral("无法创建文件夹：") + folder + QStringLiteral("\n") + chinese_reason(result.error),
                         kError, MessageIcon::Critical);
            break;
        case GifResult::Failure::File:
            std::cerr << "kelvara: cannot write " << result.path.string() << ": " << english_reason(result.error)
                      << "\n";
            show_message(QStringLiteral("无法写入动画文件：") + file + QStringLiteral("\n") + chinese_reason(result.error),
                         kError, MessageIcon::Critical);
            break;
        case GifResult::Failure::Stopped: break;
    }
}

void MainWindow::open_externally(const QString& path) {
    if (!dialogs_.open_externally(path))
        show_message(QStringLiteral("没有可以打开它的程序：") + path, kError, MessageIcon::Critical);
}

QString MainWindow::make_button_tip() const { return animation_start_text(app_.animation_job()); }

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // Asked as the tooltip is about to show, so that it follows the selection.
    if (watched == make_button_ && event->type() == QEvent::ToolTip) make_button_->setToolTip(make_button_tip());
    return QWidget::eventFilter(watched, event);
}

void MainWindow::open_settings() {
    BoardSession& s = app_.session();
    SettingsDialog dialog(
        app_.settings(), s.game.title, s.game.loaded, messages_, dialogs_,
        [this](const Settings& chosen, const std::string& title) { apply_settings(chosen, title); }, this);
    dialog.exec();
}

void MainWindow::apply_settings(const Settings& chosen, const std::string& title) {
    const Settings before = app_.settings();
    app_.take_settings(chosen, title);
    if (chosen.engine_program != before.engine_program || chosen.engine_threads != before.engine_threads)
        analysis_->settings_changed();
    Playback& playback = app_.session().playback;
    playback.set_demo_delay(app_.settings().demo_delay);
    if (playback.demo_running()) demo_timer_->start(playback.timer_period());  // the new pace at once
    app_.sounds().follow_music_setting(app_.settings().background_music);
    FileError error;
    if (!app_.save_settings(&error)) {
        show_message(QStringLiteral("设置保存失败！\n") + chinese_reason(error), kError, MessageIcon::Critical);
        return;
    }
    // Qt scales a program only as it starts.
    if (chosen.display_size != before.display_size && chosen.display_size != app_.started_display_size())
        show_message(QStringLiteral("新的显示大小将在下次启动时生效。"), kNotice, MessageIcon::Information);
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!dropped_file(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString file_name = dropped_file(event->mimeData());
    if (file_name.isEmpty()) return;
    event->acceptProposedAction();
    // Opened once the drop is over, so that a message box does not hold the drag source.
    QTimer::singleShot(0, this, [this, file_name] { open_record_file(file_name); });
}

}  // namespace kelvara
