#include "app/comment_strip.h"

#include "app/skin.h"
#include "app/ui_text.h"

namespace kelvara {

namespace {

// A little darker than the list, so that the two read as separate panes.
const QColor kStripBackground{236, 226, 200};
const QColor kStripText{60, 40, 24};

}  // namespace

CommentStrip::CommentStrip(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);  // the move list keeps the keys
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setFont(program_font());
    QPalette colours = palette();
    colours.setColor(QPalette::Base, kStripBackground);
    colours.setColor(QPalette::Text, kStripText);
    colours.setColor(QPalette::Window, kListScrollGround);
    colours.setColor(QPalette::Button, kListScrollGround);
    setPalette(colours);
    document()->setDocumentMargin(3);
}

void CommentStrip::show_comment(const GameRecord& game, int move_index) {
    const std::string& comment =
        move_index < 0 ? game.start_comment : game.notes_of(static_cast<std::size_t>(move_index)).comment;
    setPlainText(from_gbk(comment));
}

}  // namespace kelvara
