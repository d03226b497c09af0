#pragma once
// A tree of moves as binary and web records store their games: the root is the start
// position, a node's first child is the move that continues its line, and the node's
// other children are alternatives to that move. Nodes live in one vector and link by
// index, so that a tree as deep as a long game is built, walked and freed without
// recursion.

#include <string>
#include <vector>

#include "board/position.h"

namespace kelvara {

struct MoveTree {
    struct Node {
        Move move{};               // standard orientation; squares may lie off the board
        bool readable = true;      // false: the record breaks off here (damaged or cut short)
        std::string comment;       // GBK, the text after the move
        int parent = -1;
        int first_child = -1;
        int last_child = -1;
        int next_sibling = -1;
    };

    MoveTree();

    // Appends a child after the parent's other children and returns its index.
    int add_child(int parent, Move move);
    // Marks where a record breaks off: an unreadable child of parent.
    int add_break(int parent);

    Node& root() { return nodes[0]; }
    const Node& root() const { return nodes[0]; }
    // The moves of the main line (first children from the root), an unreadable one included.
    int main_line_length() const;
    // The lines of play: the leaves of the tree (1 for a tree without moves).
    int line_count() const;

    std::vector<Node> nodes;  // nodes[0] is the root
};

// Builds a tree from nodes listed in pre-order, as XQF and CBR store them: each node,
// then its whole subtree, then its next sibling. Each node says whether a child follows
// it and whether a sibling follows its subtree.
class PreorderTreeBuilder {
public:
    PreorderTreeBuilder(MoveTree& tree, bool root_has_child);
    // Whether the tree is whole: no node still waits for a child or a sibling.
    bool complete() const { return complete_; }
    // Adds the next node; call only while the tree is not complete.
    int add(Move move, bool has_child, bool has_sibling);
    // The record ends before the tree is complete: an unreadable node takes the place of
    // the node that should have come next, and the tree is complete.
    void break_off();

private:
    MoveTree& tree_;
    int parent_ = 0;
    std::vector<int> pending_;  // parents of nodes whose siblings follow their subtrees
    bool complete_;
};

}  // namespace kelvara
