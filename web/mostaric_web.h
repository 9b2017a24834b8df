// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/session.h"

namespace mostaric::web {

// The one session the module's C interface drives; the native test driver
// reads it to tell which outcome each batch reached.
Session& session();

}  // namespace mostaric::web
