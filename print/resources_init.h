// SPDX-License-Identifier: GPL-3.0-or-later
// Registers the editor's pictures (":/images/...") with Qt's resource system.
// The program and every test that shows a window call it once before use.
#pragma once

namespace velmora {

void initResources();

}  // namespace velmora
