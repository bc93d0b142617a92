// SPDX-License-Identifier: GPL-3.0-or-later
// The receiver link of the form: the serial port with its settings and the
// Download/Upload transfers, owned by the view for the whole run.
#include "CArdelEditView.h"
#include "transfer_controller.h"

namespace velmora {

void CArdelEditView::setUpReceiverLink(ViewOptions options) {
    // Reads (or creates) config.ini now; the port opens in initialUpdate.
    port_ = std::make_unique<ui::PortController>(this, std::move(options.port));
    // A transfer brings the header of the file it moved; the next Save
    // writes those values. The database is looked up at that moment, since
    // File > Open replaces it.
    transfers_ = std::make_unique<ui::TransferController>(
        *port_, [this](const FileHeader& header) { db_->header = header; }, this);

    connect(port_.get(), &ui::PortController::statusText, this, &CArdelEditView::statusText);
    transfers_->setVersionStore(versions_.get());
    connect(transfers_.get(), &ui::TransferController::statusText, this, &CArdelEditView::statusText);
    connect(port_.get(), &ui::PortController::settingPaneChanged, this, &CArdelEditView::settingPaneText);
    // A lost device clears the Open port check mark without any command.
    connect(port_.get(), &ui::PortController::portOpenChanged, this, &CArdelEditView::commandStateChanged);
}

void CArdelEditView::disarmTransfers() {
    // The watcher reads these flags on its own thread; the states stay as
    // they are.
    port_->flags().downloadArmed.store(false);
    port_->flags().uploadArmed.store(false);
}

}  // namespace velmora
