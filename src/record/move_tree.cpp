#include "record/move_tree.h"

namespace kelvara {

MoveTree::MoveTree() : nodes(1) {}

int MoveTree::add_child(int parent, Move move) {
    const int index = static_cast<int>(nodes.size());
    nodes.push_back(Node{move, true, {}, parent, -1, -1, -1});
    Node& p = nodes[static_cast<std::size_t>(parent)];
    if (p.last_child == -1)
        p.first_child = index;
    else
        nodes[static_cast<std::size_t>(p.last_child)].next_sibling = index;
    p.last_child = index;
    return index;
}

int MoveTree::add_break(int parent) {
    const int index = add_child(parent, Move{});
    nodes[static_cast<std::size_t>(index)].readable = false;
    return index;
}

int MoveTree::main_line_length() const {
    int n = 0;
    for (int i = root().first_child; i != -1; i = nodes[static_cast<std::size_t>(i)].first_child) ++n;
    return n;
}

int MoveTree::line_count() const {
    int leaves = 0;
    for (const Node& n : nodes) leaves += n.first_child == -1 ? 1 : 0;
    return leaves;
}

PreorderTreeBuilder::PreorderTreeBuilder(MoveTree& tree, bool root_has_child)
    : tree_(tree), complete_(!root_has_child) {}

int PreorderTreeBuilder::add(Move move, bool has_child, bool has_sibling) {
    const int node = tree_.add_child(parent_, move);
    if (has_child) {
        if (has_sibling) pending_.push_back(parent_);
        parent_ = node;
    } else if (!has_sibling) {
        if (pending_.empty()) {
            complete_ = true;
        } else {
            parent_ = pending_.back();
            pending_.pop_back();
        }
    }
    return node;
}

void PreorderTreeBuilder::break_off() {
    if (complete_) return;
    tree_.add_break(parent_);
    complete_ = true;
}

}  // namespace kelvara
