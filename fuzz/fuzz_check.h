// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Shared by the fuzz targets: a check that stays on in every build type and
// stops the process loudly, so that libFuzzer and CTest both see the failure.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(cond)                                                                           \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond);          \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
