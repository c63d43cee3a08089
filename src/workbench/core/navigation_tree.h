// The shape of the navigation tree built from the sheet table: a root, the
// three groups and one node per listed sheet, in display order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace spf {

class Workbook;

struct NavigationNode {
    std::string caption;
    int level = 0;        // 0 root, 1 group, 2 sheet
    int parent = -1;      // index of the parent node, -1 for the root
    int sheetIndex = -1;  // the sheet the node shows; -1 for the root and groups
};

struct NavigationTree {
    std::vector<NavigationNode> nodes;  // display order (root = 0)
    // Per sheet: its own node, or the node added last before it when the
    // sheet is not listed.
    std::vector<int> sheetNode;

    // Whether the sheet is listed under a node of its own.
    bool HasOwnNode(int sheetIndex) const;
    // First node in display order whose caption equals the text ignoring case; -1 when none.
    int FindCaption(std::string_view caption) const;
};

// Statement forms are always listed; notes, the notes list and analysis
// sheets only while they are in use.
NavigationTree BuildNavigationTree(const Workbook& workbook);

}  // namespace spf
