// SPDX-License-Identifier: GPL-3.0-or-later
// The record editor's part in a save: the writer calls these at its commit
// points; each reads the form afresh, so running them twice is harmless.
#pragma once

#include "channel_writer.h"

namespace velmora {

class CArdelEditView;

class EditorSaveHooks : public SaveHooks {
public:
    explicit EditorSaveHooks(CArdelEditView& view) : view_(view) {}
    void commitSatellite(ChannelDatabase& db) override;
    void satellitesWritten(ChannelDatabase& db) override;
    void commitTransponder(ChannelDatabase& db) override;
    void transpondersWritten(ChannelDatabase& db) override;
    void commitChannel(ChannelDatabase& db) override;

private:
    CArdelEditView& view_;
};

}  // namespace velmora
