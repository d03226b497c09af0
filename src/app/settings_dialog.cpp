#include "app/settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

#include <algorithm>
#include <utility>

#include "app/control_place.h"
#include "app/graphic_button.h"
#include "app/main_window_layout.h"
#include "app/seconds_text.h"
#include "app/skinned_controls.h"
#include "app/skin.h"
#include "app/spin_edit.h"
#include "app/title_label.h"
#include "app/ui_text.h"
#include "platform/text.h"

#include <algorithm>

namespace kelvara {

namespace {

using layout::ControlPlace;

constexpr int kWidth = 275;
constexpr int kHeight = 256;

constexpr ControlPlace kTitleStrip{u"透明标签1", 0, 0, 248, 23};
constexpr ControlPlace kCloseButton{u"图形按钮_关闭", 254, 3, 16, 15};
constexpr ControlPlace kSoundEffects{u"选择框_音效", 16, 28, 16, 24};
constexpr ControlPlace kBackgroundMusic{u"选择框_背乐", 166, 28, 16, 24};
constexpr ControlPlace kFromSelectedMove{u"选择框_定着", 16, 50, 16, 24};
constexpr ControlPlace kAuthorBox{u"编辑框_动画作者", 198, 50, 64, 18};
constexpr ControlPlace kTitleBox{u"编辑框_动画标题", 78, 72, 184, 18};
constexpr ControlPlace kDemoDelayBox{u"编辑框_演示延时", 168, 101, 30, 18};
constexpr ControlPlace kFrameDelayBox{u"编辑框_帧延时", 168, 125, 30, 18};
constexpr ControlPlace kEngineBox{u"编辑框_分析引擎", 78, 156, 160, 18};
constexpr ControlPlace kChooseEngineButton{u"按钮_选择引擎", 242, 156, 20, 18};
constexpr ControlPlace kAnalysisTimeBox{u"编辑框_分析用时", 168, 180, 30, 18};
constexpr ControlPlace kEngineThreadsBox{u"组合框_引擎线程", 168, 204, 50, 18};
constexpr ControlPlace kDisplaySizeBox{u"组合框_显示大小", 78, 230, 56, 18};
constexpr ControlPlace kOkButton{u"图形按钮_确定", 183, 230, 32, 18};
constexpr ControlPlace kCancelButton{u"图形按钮_取消", 226, 230, 32, 18};

struct LabelPlace {
    ControlPlace place;
    std::u16string_view text;
};

// The separator 标签8 is drawn into the background; its label stays, empty.
constexpr LabelPlace kLabels[] = {
    {{u"标签1", 33, 30, 111, 20}, u"自动演示时使用音效"},
    {{u"标签2", 183, 30, 80, 20}, u"使用背景音乐"},
    {{u"标签7", 33, 52, 111, 18}, u"选中着法处开始制作"},
    {{u"标签9", 163, 52, 40, 18}, u"制作："},
    {{u"标签10", 16, 72, 56, 18}, u"动画标题："},
    {{u"标签8", 7, 95, 260, 1}, u""},
    {{u"标签3", 16, 102, 144, 20}, u"自动演示时每着棋间隔："},
    {{u"标签4", 226, 102, 24, 20}, u"秒"},
    {{u"标签5", 18, 126, 144, 20}, u"制作动画时每帧图间隔："},
    {{u"标签6", 226, 126, 24, 20}, u"秒"},
    {{u"标签12", 16, 157, 64, 18}, u"分析引擎："},
    {{u"标签13", 16, 181, 144, 20}, u"分析时每步思考："},
    {{u"标签14", 226, 181, 24, 20}, u"秒"},
    {{u"标签15", 16, 205, 144, 20}, u"分析时使用线程："},
    {{u"标签16", 226, 205, 24, 20}, u"个"},
    {{u"标签11", 16, 231, 60, 18}, u"显示大小："},
};

constexpr std::size_t kTitleBytes = 36;
constexpr std::size_t kAuthorBytes = 22;

QCheckBox* check_box(QWidget* parent, const ControlPlace& place) {
    auto* box = new QCheckBox(parent);
    put(box, place);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, kEditFill);
    colours.setColor(QPalette::Text, kEditText);
    box->setPalette(colours);
    return box;
}

// Digits, a point and as many decimals as the delay's unit has: 0.001 s for the
// demonstration, 0.01 s for a frame. Letters, signs and a second point cannot be typed.
QValidator* delay_validator(const DelayRange& range, QObject* parent) {
    int places = 0;
    for (int unit = range.units_per_second; unit > 1; unit /= 10) ++places;
    const QRegularExpression number(QStringLiteral("[0-9]{0,6}(\\.[0-9]{0,%1})?").arg(places));
    return new QRegularExpressionValidator(number, parent);
}

}  // namespace

SettingsDialog::SettingsDialog(const Settings& current, const std::string& title, bool record_loaded,
                               Messages& messages, FileDialogs& dialogs, Confirm confirm, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      current_(current), record_loaded_(record_loaded), messages_(messages), dialogs_(dialogs),
      confirm_(std::move(confirm)),
      background_(settings_background()) {
    setWindowTitle(QStringLiteral("设置"));
    setFixedSize(kWidth, kHeight);
    create_controls();
    show_values(current, title);
    // Connected only now: the rules answer what the user types, not the values shown.
    connect(title_, &QLineEdit::textChanged, this, &SettingsDialog::title_changed);
    connect(author_, &QLineEdit::textChanged, this, &SettingsDialog::author_changed);
}

void SettingsDialog::create_delay_box(DelayBox& delay, const ControlPlace& place) {
    delay.box = edit_box<SpinEdit>(this, place);
    delay.box->setValidator(delay_validator(delay.range, delay.box));
    delay.box->on_step([this, &delay](int direction) { step(delay, direction); });
    connect(delay.box, &QLineEdit::editingFinished, this, [this, &delay] { commit(delay); });
}

void SettingsDialog::create_controls() {
    auto* strip = new TitleLabel(this);
    put(strip, kTitleStrip);
    strip->setText(QStringLiteral(" 设置"));
    QFont song = strip->font();
    song.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN")});
    strip->setFont(song);
    QPalette strip_colours = strip->palette();
    strip_colours.setColor(QPalette::WindowText, kDialogTitleText);
    strip->setPalette(strip_colours);

    for (const LabelPlace& l : kLabels) dialog_label(this, l.place, text_of(l.text));

    sound_effects_ = check_box(this, kSoundEffects);
    background_music_ = check_box(this, kBackgroundMusic);
    from_selected_move_ = check_box(this, kFromSelectedMove);
    author_ = edit_box<QLineEdit>(this, kAuthorBox);
    title_ = edit_box<QLineEdit>(this, kTitleBox);
    create_delay_box(demo_delay_, kDemoDelayBox);
    create_delay_box(frame_delay_, kFrameDelayBox);
    display_size_ = edit_box<QComboBox>(this, kDisplaySizeBox);
    QPalette colours = display_size_->palette();  // a closed list is drawn as a button
    colours.setColor(QPalette::Button, kEditFill);
    colours.setColor(QPalette::ButtonText, kEditText);
    display_size_->setPalette(colours);
    for (int size : kDisplaySizes) display_size_->addItem(QStringLiteral("%1 %").arg(size), size);
    engine_ = edit_box<QLineEdit>(this, kEngineBox);
    auto* choose = new QPushButton(QStringLiteral("…"), this);
    put(choose, kChooseEngineButton);
    choose->setFocusPolicy(Qt::NoFocus);
    choose->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: %2; border: none; }")
                              .arg(kEditFill.name(), kEditText.name()));
    connect(choose, &QPushButton::clicked, this, &SettingsDialog::choose_engine);
    create_delay_box(analysis_time_, kAnalysisTimeBox);
    engine_threads_ = edit_box<QComboBox>(this, kEngineThreadsBox);
    engine_threads_->setPalette(colours);
    for (int threads = 1; threads <= offered_engine_threads(); ++threads)
        engine_threads_->addItem(QString::number(threads), threads);

    connect(skin_button(this, SkinButton::DialogClose, kCloseButton), &QAbstractButton::clicked, this,
            &QDialog::reject);
    connect(skin_button(this, SkinButton::Ok, kOkButton), &QAbstractButton::clicked, this, &SettingsDialog::confirm);
    connect(skin_button(this, SkinButton::Cancel, kCancelButton), &QAbstractButton::clicked, this, &QDialog::reject);
}

void SettingsDialog::show_values(const Settings& settings, const std::string& title) {
    sound_effects_->setChecked(settings.sound_effects);
    background_music_->setChecked(settings.background_music);
    from_selected_move_->setChecked(settings.start_at_selected_move);
    for (auto [delay, value] : {std::pair{&demo_delay_, settings.demo_delay}, {&frame_delay_, settings.frame_delay}}) {
        delay->value = value;
        show_delay(*delay);
    }
    display_size_->setCurrentIndex(std::max(0, display_size_->findData(offered_display_size(settings.display_size))));
    author_->setText(from_gbk(settings.author));
    title_->setText(from_gbk(title));
    engine_->setText(from_gbk(settings.engine_program));
    analysis_time_.value = settings.analysis_time;
    show_delay(analysis_time_);
    // A count beyond the processors (from an older file, another machine) stays offered.
    if (engine_threads_->findData(settings.engine_threads) < 0)
        engine_threads_->addItem(QString::number(settings.engine_threads), settings.engine_threads);
    engine_threads_->setCurrentIndex(engine_threads_->findData(settings.engine_threads));
    // A text longer than its box shows its beginning, not its end.
    for (QLineEdit* box : {author_, title_, engine_}) box->setCursorPosition(0);
}

void SettingsDialog::commit(DelayBox& delay) {
    if (const auto value = committed_delay(delay.box->text().toStdString(), delay.range)) delay.value = *value;
    show_delay(delay);
}

void SettingsDialog::step(DelayBox& delay, int direction) {
    commit(delay);
    const int tenth = delay.range.units_per_second / 10;
    delay.value = std::clamp(delay.value + direction * tenth, delay.range.lowest, delay.range.highest);
    show_delay(delay);
}

void SettingsDialog::show_delay(DelayBox& delay) {
    const QString shown = QString::fromStdString(delay_text(delay.value, delay.range.units_per_second));
    if (delay.box->text() == shown) return;
    delay.box->setText(shown);
    delay.box->setCursorPosition(0);  // a long value shows its whole seconds
}

void SettingsDialog::title_changed() {
    keep_within(title_, kTitleBytes, QStringLiteral("标题过长，请重新输入！"));
    if (!record_loaded_ && !title_->text().isEmpty()) {
        warn(QStringLiteral("因标题是一次性的，请在打开棋谱后设置！"));
        const QSignalBlocker quiet(title_);
        title_->clear();
    }
}

void SettingsDialog::author_changed() { keep_within(author_, kAuthorBytes, QStringLiteral("名字过长，请重新输入！")); }

void SettingsDialog::keep_within(QLineEdit* box, std::size_t max_bytes, const QString& warning) {
    const std::string text = to_gbk(box->text());
    if (text.size() <= max_bytes) return;
    warn(warning);
    const QSignalBlocker quiet(box);
    box->setText(from_gbk(gbk::cut_whole_chars(text, max_bytes)));
}

void SettingsDialog::choose_engine() {
    const QString program = dialogs_.program_to_open(this);
    if (!program.isEmpty()) engine_->setText(program);
}

void SettingsDialog::warn(const QString& text) { messages_.show(text, QStringLiteral("警告"), MessageIcon::Warning); }

void SettingsDialog::confirm() {
    Settings chosen = current_;
    chosen.sound_effects = sound_effects_->isChecked();
    chosen.background_music = background_music_->isChecked();
    chosen.start_at_selected_move = from_selected_move_->isChecked();
    commit(demo_delay_);
    commit(frame_delay_);
    chosen.demo_delay = demo_delay_.value;
    chosen.frame_delay = frame_delay_.value;
    chosen.author = to_gbk(author_->text());
    chosen.display_size = offered_display_size(display_size_->currentData().toInt());
    chosen.engine_program = to_gbk(engine_->text().trimmed());
    commit(analysis_time_);
    chosen.analysis_time = analysis_time_.value;
    chosen.engine_threads = engine_threads_->currentData().toInt();
    if (confirm_) confirm_(chosen, to_gbk(title_->text()));
    accept();
}

void SettingsDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
}

}  // namespace kelvara
