// The navigation tree's fixed description: the 47 nodes with their captions in both
// languages, the access level each needs and the page it opens, and the 51 pages of the page
// control by objectName.
#pragma once

#include "model/register_image.h"
#include "pages/catalogue.h"

#include <QString>

#include <array>

namespace tarvix {

inline constexpr int kNodeCount = 47;

// The objectName of page index i of the page control (the catalogue's page list).
QString PageName(int page);

inline constexpr int kPageStart = 0;
inline constexpr int kPageErrors = 5;
inline constexpr int kPagePwlCorr = 36;
inline constexpr int kPageTargetFluid = 39;
inline constexpr int kPageCarrierFluid = 40;
inline constexpr int kPageDspFile = 48;
inline constexpr int kPageCorio = 50;

struct TreeNode {
    int parent;      // -1 for a top-level node
    const char* ru;  // captions (UTF-8); 16 and 18 end with a blank: their page is read
    const char* en;  // before they expand
    int level;       // the access level the node needs
    int pageOffset;  // page = number + offset (nodes 17 and 19 depend on the output type)
};
extern const std::array<TreeNode, kNodeCount> kTreeNodes;

QString NodeCaption(int node, int langIndex);

// The page a node opens. Nodes 17 and 19 open the configuration page of the output's type
// (registers 900 PFS1_Mode and 1000 FS2_Mode); type 0 opens the start page, and a type
// beyond the last configuration page opens the output's own page rather than a page that
// belongs to another node.
int NodePage(int node, const RegisterImage& image);

}  // namespace tarvix
