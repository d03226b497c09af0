#include "app/game_chooser.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QTableWidget>

#include "app/control_place.h"
#include "app/graphic_button.h"
#include "app/main_window_layout.h"
#include "app/skin.h"
#include "app/title_label.h"
#include "app/ui_text.h"

namespace kelvara {

namespace {

using layout::ControlPlace;

constexpr int kWidth = 400;
constexpr int kHeight = 252;

constexpr ControlPlace kTitleStrip{u"透明标签1", 3, 3, 370, 18};
constexpr ControlPlace kCloseButton{u"图形按钮_关闭", 379, 5, 16, 15};
constexpr ControlPlace kGameList{u"超级列表框_对局", 9, 28, 382, 190};
constexpr ControlPlace kCountLabel{u"标签1", 12, 226, 180, 18};
constexpr ControlPlace kOkButton{u"图形按钮_确定", 316, 226, 32, 18};
constexpr ControlPlace kCancelButton{u"图形按钮_取消", 358, 226, 32, 18};

struct Column {
    std::u16string_view title;
    int width;
};
// They leave room for the scroll bar of a long list.
constexpr Column kColumns[] = {{u"序号", 34}, {u"标题", 120}, {u"红方", 66}, {u"黑方", 66}, {u"结果", 42}, {u"着数", 34}};

// The skin's colours (the asset generator paints the other windows with the same).
const QColor kOlive{94, 98, 58};
const QColor kOliveDark{80, 84, 48};
const QColor kWood{40, 36, 25};
const QColor kWoodDeep{22, 20, 14};
const QColor kGold{206, 166, 74};
const QColor kGoldDark{140, 106, 44};
const QColor kLacquer{128, 30, 24};
const QColor kLacquerLight{164, 46, 36};
const QColor kLacquerDark{84, 18, 14};

QRect rect_of(const ControlPlace& place) { return {place.left, place.top, place.width, place.height}; }

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    item->setToolTip(text);
    return item;
}

}  // namespace

GameChooser::GameChooser(const std::vector<GameSummary>& games, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("选择对局"));
    setWindowTitle(QStringLiteral("选择对局"));
    setFixedSize(kWidth, kHeight);
    create_controls(games);
    if (parent) move(parent->window()->geometry().center() - rect().center());
}

void GameChooser::create_controls(const std::vector<GameSummary>& games) {
    auto* strip = new TitleLabel(this);
    put(strip, kTitleStrip);
    strip->setText(QStringLiteral("选择要打开的对局"));
    QPalette strip_colours = strip->palette();
    strip_colours.setColor(QPalette::WindowText, kDialogTitleText);
    strip->setPalette(strip_colours);
    strip->setFont(program_font());

    table_ = new QTableWidget(static_cast<int>(games.size()), static_cast<int>(std::size(kColumns)), this);
    put(table_, kGameList);
    table_->setFont(program_font());
    table_->setFrameShape(QFrame::NoFrame);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setShowGrid(false);
    table_->setWordWrap(false);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(17);
    QHeaderView* header = table_->horizontalHeader();
    header->setFont(program_font());
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setStretchLastSection(true);
    QPalette colours = table_->palette();
    colours.setColor(QPalette::Base, kListBackground);
    colours.setColor(QPalette::AlternateBase, kListUnfocusedSelection.lighter(112));
    colours.setColor(QPalette::Window, kListScrollGround);
    colours.setColor(QPalette::Button, kListScrollGround);
    colours.setColor(QPalette::Text, QColor(40, 30, 20));
    colours.setColor(QPalette::Inactive, QPalette::Highlight, kListUnfocusedSelection);
    table_->setPalette(colours);
    table_->setAlternatingRowColors(true);
    for (int c = 0; c < static_cast<int>(std::size(kColumns)); ++c) {
        table_->setHorizontalHeaderItem(c, cell(text_of(kColumns[c].title), Qt::AlignCenter));
        table_->setColumnWidth(c, kColumns[c].width);
    }
    for (int r = 0; r < static_cast<int>(games.size()); ++r) {
        const GameSummary& g = games[static_cast<std::size_t>(r)];
        table_->setItem(r, 0, cell(QString::number(g.number), Qt::AlignRight | Qt::AlignVCenter));
        table_->setItem(r, 1, cell(from_gbk(g.title)));
        table_->setItem(r, 2, cell(from_gbk(g.red)));
        table_->setItem(r, 3, cell(from_gbk(g.black)));
        table_->setItem(r, 4, cell(from_gbk(g.result), Qt::AlignCenter));
        table_->setItem(r, 5, cell(QString::number(g.plies), Qt::AlignRight | Qt::AlignVCenter));
    }
    if (!games.empty()) table_->selectRow(0);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { open_selected(); });

    auto* count = new QLabel(QStringLiteral("本棋谱共有%1局").arg(games.size()), this);
    put(count, kCountLabel);
    count->setFont(program_font());
    QPalette count_colours = count->palette();
    count_colours.setColor(QPalette::WindowText, kDialogLabelText);
    count->setPalette(count_colours);

    auto button = [this](SkinButton pictures, const ControlPlace& place) {
        auto* b = new GraphicButton(button_pictures(pictures), this);
        put(b, place);
        return b;
    };
    connect(button(SkinButton::DialogClose, kCloseButton), &QAbstractButton::clicked, this, &QDialog::reject);
    connect(button(SkinButton::Ok, kOkButton), &QAbstractButton::clicked, this, &GameChooser::open_selected);
    connect(button(SkinButton::Cancel, kCancelButton), &QAbstractButton::clicked, this, &QDialog::reject);
    table_->setFocus();
}

std::optional<int> GameChooser::selected_game() const {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    if (rows.isEmpty()) return std::nullopt;
    return rows.first().row();
}

void GameChooser::open_selected() {
    if (selected_game()) accept();
}

std::optional<int> GameChooser::choose(const std::vector<GameSummary>& games, QWidget* parent) {
    GameChooser chooser(games, parent);
    if (chooser.exec() != QDialog::Accepted) return std::nullopt;
    return chooser.selected_game();
}

void GameChooser::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        open_selected();
        return;
    }
    QDialog::keyPressEvent(event);
}

void GameChooser::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The olive ground with its darker rim.
    painter.fillRect(rect(), kOlive);
    painter.setPen(kOliveDark);
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
    painter.setPen(kGoldDark);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    // The red lacquer title strip with a gold edge.
    const QRect strip = rect_of(kTitleStrip);
    QLinearGradient lacquer(strip.topLeft(), strip.bottomLeft());
    lacquer.setColorAt(0, kLacquerLight);
    lacquer.setColorAt(0.5, kLacquer);
    lacquer.setColorAt(1, kLacquerDark);
    painter.fillRect(strip, lacquer);
    painter.setPen(kGoldDark);
    painter.drawRect(strip.adjusted(0, 0, -1, -1));

    // The dark wood panel around the list, rimmed in gold.
    const QRect list = rect_of(kGameList);
    const QRect panel = list.adjusted(-3, -3, 3, 3);
    painter.fillRect(panel, kWood);
    painter.setPen(kWoodDeep);
    painter.drawRect(panel.adjusted(0, 0, -1, -1));
    painter.setPen(kGold);
    painter.drawRect(list.adjusted(-1, -1, 0, 0));
    // The tray under it for the count and the buttons.
    const QRect tray(panel.left(), panel.bottom() + 3, panel.width(), kHeight - panel.bottom() - 7);
    painter.fillRect(tray, kWood);
    painter.setPen(kGoldDark);
    painter.drawLine(tray.topLeft(), tray.topRight());
}

}  // namespace kelvara
