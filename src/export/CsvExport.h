#pragma once

#include "export/CsvText.h"
#include "export/ExportSource.h"
#include "model/CPlanovaDoc.h"

#include <string>

namespace planova {

/**
 * The stored days of the range as CSV (see CsvText): a header line "日付,曜日,時程,行事,行,時限,
 * 予定,内容,色,メモ", then ten lines per day in date order, one per period row: the date
 * ("2024/06/12"), weekday letter, time-table kind and event on every line, the row number 1–10,
 * label, plan, content and colour name of the row, and the day's memo on its first line only.
 * Throws ExportError for bytes that are not code page 932 or when the progress asks to stop.
 */
std::string DayCsvText(const CPlanovaDoc& document, const ExportRange& range,
                       CsvFormulas formulas = CsvFormulas::Neutralised, const ExportProgress& progress = {});

/**
 * The ToDo list in its own order as CSV: "件名,期限,重要度,メモ", one line per item (an invalid
 * deadline is an empty field). Throws like DayCsvText.
 */
std::string ToDoCsvText(const CPlanovaDoc& document, CsvFormulas formulas = CsvFormulas::Neutralised,
                        const ExportProgress& progress = {});

} // namespace planova
