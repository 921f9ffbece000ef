// TForm1: the navigation tree and the life cycle of a page (read on entry, Save, Cancel).
#include "main_window.h"

#include "app/navigation.h"
#include "model/param_table.h"
#include "session/poll_requests.h"
#include "session/program.h"
#include "ui_main_window.h"

namespace tarvix {
namespace {
constexpr int kNodeRole = Qt::UserRole;
}

void TForm1::BuildTree() {
    QTreeWidget* tree = ui_->TreeView1;
    std::array<QTreeWidgetItem*, kNodeCount> items{};
    for (int n = 0; n < kNodeCount; ++n) {
        const TreeNode& node = kTreeNodes[static_cast<std::size_t>(n)];
        auto* item = node.parent < 0
                         ? new QTreeWidgetItem(tree)
                         : new QTreeWidgetItem(items[static_cast<std::size_t>(node.parent)]);
        item->setData(0, kNodeRole, n);
        items[static_cast<std::size_t>(n)] = item;
    }
    connect(tree, &QTreeWidget::itemClicked, this, [this] { OpenSelectedNode(); });
    connect(tree, &QTreeWidget::itemActivated, this, [this] { OpenSelectedNode(); });
    connect(tree, &QTreeWidget::itemExpanded, this, &TForm1::ExpandNode);
}

void TForm1::SetTreeCaptions(int lang) {
    for (QTreeWidgetItemIterator it(ui_->TreeView1); *it; ++it) {
        (*it)->setText(0, NodeCaption((*it)->data(0, kNodeRole).toInt(), lang));
    }
}

void TForm1::PruneTree() {
    // From the last node to node 1, so that deleting a parent never skips a child.
    for (int n = kNodeCount - 1; n >= 1; --n) {
        if (kTreeNodes[static_cast<std::size_t>(n)].level >= AccessLevel) continue;
        delete FindNode(n);
    }
}

QTreeWidgetItem* TForm1::FindNode(int number) const {
    for (QTreeWidgetItemIterator it(ui_->TreeView1); *it; ++it) {
        if ((*it)->data(0, kNodeRole).toInt() == number) return *it;
    }
    return nullptr;
}

void TForm1::SelectNode(int node) {
    if (QTreeWidgetItem* item = FindNode(node)) ui_->TreeView1->setCurrentItem(item);
}

int TForm1::SelectedNodeNumber() const {
    const QTreeWidgetItem* item = ui_->TreeView1->currentItem();
    return item ? item->data(0, kNodeRole).toInt() : 0;
}

void TForm1::ReselectRememberedNode() { SelectNode(rememberedNode_); }

int TForm1::ActivePage() const { return ui_->PageControl1->currentIndex(); }

void TForm1::ShowPage(int page) {
    if (page >= 0 && page < kPageCount) ui_->PageControl1->setCurrentIndex(page);
}

void TForm1::OpenSelectedNode() {
    // Qt delivers no click with a click on a node's expander, so unlike toolkits that do,
    // no click needs to be ignored after expanding or collapsing.
    if (!p_.Started) return;
    // Another page, or the same one read again: the refused save belonged to what was shown.
    ClearSaveFailure();
    const int node = SelectedNodeNumber();
    const int mode = p_.Worker.WorkMode.load();
    if (mode == kModeOffline && node != 0) {
        ConnectFirst([this, node] {
            SelectNode(node);
            OpenSelectedNode();
        });
        return;
    }
    // In file mode the measuring module is not there: its pages give way to a notice.
    const int page =
        (mode == kModeFile && node >= 40 && node <= 44) ? kPageDspFile : NodePage(node, p_.Image);
    if (page == kPageStart) {
        ShowPage(kPageStart);
        rememberedNode_ = node;
        EnableSaveCancel(false, true);
        return;
    }
    // A double click is a click and an activation: the read of this page already under way
    // is not started again.
    if (page == connection_->RunningPageRead()) return;
    if (page == kPageErrors || page == kPagePwlCorr || page == kPageTargetFluid ||
        page == kPageCarrierFluid) {
        ModbusList& op = p_.Lists->OpList;
        if (!connection_->OperationIdle()) return;
        p_.Lists->ResetList(op);
        if (page == kPageErrors) {
            op.Flags = kFlagErrors;
            AppendStatusRequests(op);
        } else {
            op.Flags = page == kPagePwlCorr       ? kFlagPwlTable
                       : page == kPageTargetFluid ? kFlagTargetTable
                                                  : kFlagCarrierTable;
            if (hooks_.ReadPageRequests) hooks_.ReadPageRequests(op, page);
        }
        if (op.Len == 0) {
            ShowPage(page);
            rememberedNode_ = node;
        } else {
            op.Launch();
            connection_->StartOperation(page);
        }
        EnableSaveCancel(false, true);
        return;
    }
    ReadPage(page);
    EnableSaveCancel(false, true);
}

void TForm1::ReadPage(int page) {
    const int mode = p_.Worker.WorkMode.load();
    if (!p_.Started || (mode != kModeOnline && mode != kModeFile)) return;
    ModbusList& op = p_.Lists->OpList;
    if (!connection_->OperationIdle()) {
        // The operation list is still in use: try again when it is free.
        connection_->PostponePageRead(page);
        return;
    }
    p_.Lists->ResetList(op);
    if (hooks_.ReadPageRequests) hooks_.ReadPageRequests(op, page);
    if (op.Len > 0) {
        op.Launch();
        connection_->StartOperation(page);
    } else {
        ShowPage(page);
        rememberedNode_ = SelectedNodeNumber();
    }
}

void TForm1::ExpandNode(QTreeWidgetItem* item) {
    if (expandingDetached_ || !p_.Started) return;
    const int node = item->data(0, kNodeRole).toInt();
    const int mode = p_.Worker.WorkMode.load();
    auto refuse = [this, item] {
        expandingDetached_ = true;
        item->setExpanded(false);
        expandingDetached_ = false;
    };
    if (mode == kModeOffline) {
        refuse();
        ConnectFirst([this, item] {
            expandingDetached_ = true;
            item->setExpanded(true);
            expandingDetached_ = false;
        });
        return;
    }
    // The output nodes whose caption ends with a blank read their own page first and open
    // when that read has finished.
    const int page = NodePage(node, p_.Image);
    if (item->text(0).endsWith(QLatin1Char(' ')) && page != kPageStart) {
        refuse();
        nodeToExpand_ = item;
        ui_->TreeView1->setCurrentItem(item);
        ReadPage(page);
    }
}

void TForm1::EnableSaveCancel(bool enable, bool force) {
    if (p_.Distributing || (!enable && !force)) return;
    ui_->ButtonSave->setEnabled(enable);
    ui_->ButtonCancel->setEnabled(enable);
    ui_->Label128->setEnabled(enable);
}

void TForm1::SavePage() {
    if (!p_.Lists->OpList.Idle()) return;
    if (p_.Worker.WorkMode.load() == kModeOffline) {
        ConnectFirst([this] { SavePage(); });
        return;
    }
    int result = 0;
    try {
        if (hooks_.WritePage) result = hooks_.WritePage(ActivePage());
    } catch (const std::exception& e) {
        HandleError(e);
        return;
    }
    if (result == 0) EnableSaveCancel(false, true);
}

void TForm1::RereadPage() {
    if (!p_.Lists->OpList.Idle()) return;
    if (p_.Worker.WorkMode.load() == kModeOffline) {
        ConnectFirst([this] { RereadPage(); });
        return;
    }
    OpenSelectedNode();
    EnableSaveCancel(false, true);
}

}  // namespace tarvix
