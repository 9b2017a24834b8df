// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/application.h"

int main(int argc, char** argv) { return mostaric::ui::runProgram(argc, argv); }
