#pragma once

#include "export/ExportSource.h"
#include "model/CPlanovaDoc.h"

#include <string>

namespace planova {

/**
 * The document as an Excel workbook (the bytes of an .xlsx file), written by libxlsxwriter, with
 * three sheets:
 * - "予定": the day table of the range (see DayColumns) with the date as a date cell shown
 *   "yyyy/mm/dd (aaa)" ("2024/06/12 (水)"), which carries the weekday, so the weekday column is left out;
 * - "ToDo": the ToDo list, the deadline as a date cell;
 * - "授業時数": the class-hour count of the document's named classes over the counting period
 *   (the range's ends, an open end taken from the document's stored period): 学級名, オフセット値,
 *   時数, 計算結果 and the period's two dates, the figures of CountClassHours.
 * Texts are text cells whatever they start with. Throws ExportError for a text that cannot be
 * written, a counting period that is not a period, and when the progress asks to stop.
 */
std::string WorkbookBytes(const CPlanovaDoc& document, const ExportRange& range,
                          const ExportProgress& progress = {});

} // namespace planova
