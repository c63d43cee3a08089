#include "workbench/core/navigation_tree.h"

#include <array>

#include "model/text_utils.h"
#include "model/workbook.h"
#include "workbench/core/sheet_catalogue.h"

namespace spf {

bool NavigationTree::HasOwnNode(int sheetIndex) const {
    if (sheetIndex < 0 || sheetIndex >= static_cast<int>(sheetNode.size())) return false;
    const int node = sheetNode[static_cast<size_t>(sheetIndex)];
    return node >= 0 && nodes[static_cast<size_t>(node)].sheetIndex == sheetIndex;
}

int NavigationTree::FindCaption(std::string_view caption) const {
    for (size_t i = 0; i < nodes.size(); ++i)
        if (EqualsIgnoreCase(nodes[i].caption, caption)) return static_cast<int>(i);
    return -1;
}

NavigationTree BuildNavigationTree(const Workbook& workbook) {
    enum Group { Statements, Notes, Analysis, GroupCount };
    struct Child {
        int sheetIndex;
        std::string caption;
    };
    std::array<std::vector<Child>, GroupCount> children;
    // Nodes are added group by group in sheet order, so "the node added last
    // before" an unlisted sheet is the previous listed sheet or, before any,
    // the last group node.
    std::vector<std::pair<int, int>>
        linkedTo;  // (group, child position) per sheet; group -1 = last group node
    std::pair<int, int> lastAdded{-1, -1};
    for (size_t i = 0; i < workbook.Sheets.size(); ++i) {
        const TSheet& sheet = workbook.Sheets[i];
        const SheetKind kind = ClassifySheet(sheet.GridName);
        const Group group = kind == SheetKind::Statement  ? Statements
                            : kind == SheetKind::Analysis ? Analysis
                                                          : Notes;
        if (kind == SheetKind::Statement || sheet.Used) {
            children[group].push_back({static_cast<int>(i), TreeCaption(sheet)});
            lastAdded = {group, static_cast<int>(children[group].size()) - 1};
        }
        linkedTo.push_back(lastAdded);
    }

    NavigationTree tree;
    tree.nodes.push_back({std::string(kTreeRootCaption), 0, -1, -1});
    const std::array<std::string_view, GroupCount> groupCaptions{kStatementsGroupCaption, kNotesGroupCaption,
                                                                 kAnalysisGroupCaption};
    std::array<int, GroupCount> firstChild{};
    int lastGroupNode = 0;
    for (int g = 0; g < GroupCount; ++g) {
        lastGroupNode = static_cast<int>(tree.nodes.size());
        tree.nodes.push_back({std::string(groupCaptions[static_cast<size_t>(g)]), 1, 0, -1});
        firstChild[static_cast<size_t>(g)] = static_cast<int>(tree.nodes.size());
        for (const Child& child : children[static_cast<size_t>(g)])
            tree.nodes.push_back({child.caption, 2, lastGroupNode, child.sheetIndex});
    }
    for (const auto& [group, position] : linkedTo)
        tree.sheetNode.push_back(group < 0 ? lastGroupNode
                                           : firstChild[static_cast<size_t>(group)] + position);
    return tree;
}

}  // namespace spf
