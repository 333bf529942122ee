// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// The entry point of the doctest programs, which run natively and under Wine. The C library's
// locale is the environment's, as a program of the user's would have it, so that a run in a comma
// locale shows any dependence on it.
#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

#include <clocale>

int main(int argc, char **argv)
{
    std::setlocale(LC_ALL, "");
    return doctest::Context(argc, argv).run();
}
