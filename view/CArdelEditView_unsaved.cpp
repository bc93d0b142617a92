// SPDX-License-Identifier: GPL-3.0-or-later
// Whether closing the window or opening another file would lose anything.
// Judged from the data, not from flags set by each operation: the file as
// last loaded or saved is kept as the writer's bytes, and compared with what
// a save would write now.
#include "CArdelEditView.h"
#include "channel_writer.h"
#include "editor_save_hooks.h"

namespace velmora {

void CArdelEditView::rememberSavedImage() { savedImage_ = serializeUnchanged(*db_); }

bool CArdelEditView::hasUnsavedChanges() const {
    if (!flags_.fileLoaded) return false;
    // A New waits in the working tables until a save carries it back. A sort
    // alone changes nothing Save writes (each row goes back to its own
    // record), so it is judged like any edit: by what Save would write. (A
    // pending cut changes no table before its Paste.)
    if (flags_.newRecordPending) return true;
    ChannelDatabase now = *db_;
    if (flags_.editActive) {
        // The commits of a save, into a copy: the form is read exactly as Save
        // reads it, so a text that only looks different ("1A" for "001a")
        // changes nothing.
        hooks_->commitSatellite(now);
        hooks_->commitTransponder(now);
        hooks_->commitChannel(now);
    }
    // The band rule is left out: the saved image was taken after it.
    SaveOptions options = saveOptions();
    options.currentTransponder = -1;
    return buildChannelFile(now, options) != savedImage_;
}

bool CArdelEditView::shouldAskSaveOnClose() const {
    return (flags_.editActive && !flags_.savedOnce) || hasUnsavedChanges();
}

}  // namespace velmora
