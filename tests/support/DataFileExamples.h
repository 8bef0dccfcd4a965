#pragma once

#include "model/CPlanovaDoc.h"

#include <string>

namespace planova::test {

/**
 * The document of tests/data/example-2014.dat: created on 1 January 2014 (the clock must be
 * fixed to that day), one standard school day of 1 January 2014 with "予定" and colour 2 in row 1,
 * one new ToDo item, default settings. The modified flag is cleared.
 */
CPlanovaDoc ExampleDocument2014();

/**
 * A document with every field filled: days with every row, line breaks, texts holding tags of the
 * data file, negative print and class offsets, all settings away from their defaults.
 */
CPlanovaDoc FullDocument();

/// The whole bytes of a file in tests/data.
std::string TestDataFile(const std::string& name);

} // namespace planova::test
