#pragma once

#include <string>
#include <utility>
#include <vector>

namespace planova::test {

/// A poppler tool's standard output for the arguments (/usr/bin/pdfinfo, pdftotext, ...); a failing
/// run fails the test.
std::string Poppler(const std::string& tool, const std::vector<std::string>& args);

/// A field of pdfinfo's report ("Pages", "Title", "Page size", ...); empty when it is missing.
std::string PdfInfoField(const std::string& pdf, const std::string& field);

/// The first page's size in whole millimetres, from pdfinfo's points.
std::pair<int, int> PdfPageSizeMm(const std::string& pdf);

/// The text of one page (1-based), as pdftotext reads it.
std::string PdfPageText(const std::string& pdf, int page);

} // namespace planova::test
