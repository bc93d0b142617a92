// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources_init.h"

#include <QtGlobal>

// Q_INIT_RESOURCE has to be used outside any namespace.
static void registerVelmoraResources() { Q_INIT_RESOURCE(velmora); }

namespace velmora {

void initResources() { registerVelmoraResources(); }

}  // namespace velmora
