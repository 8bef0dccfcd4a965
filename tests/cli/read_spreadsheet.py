#!/usr/bin/env python3
"""Reads an exported spreadsheet with independent readers and prints what they see as JSON.

  read_spreadsheet.py csv FILE   -> [[field, ...], ...] as Python's csv module reads the file
  read_spreadsheet.py xlsx FILE  -> {"sheets": [...], "SHEET": {"cells": [[{"type", "value", "format"}]],
                                     "frozen", "paper", "orientation", "fit_width", "fit_height", "title_rows",
                                     "widths": {"A": width}, "filter"}}
"""
import csv
import datetime
import json
import sys


def read_csv(path):
    with open(path, newline="", encoding="utf-8-sig") as file:
        return list(csv.reader(file))


def cell_json(cell):
    value = cell.value
    if isinstance(value, datetime.datetime):
        value = value.date().isoformat()
    return {"type": cell.data_type, "value": value, "format": cell.number_format}


def read_xlsx(path):
    import openpyxl

    book = openpyxl.load_workbook(path)
    result = {"sheets": book.sheetnames}
    for sheet in book.worksheets:
        result[sheet.title] = {
            "cells": [[cell_json(cell) for cell in row] for row in sheet.iter_rows()],
            "frozen": sheet.freeze_panes,
            "paper": int(sheet.page_setup.paperSize or 0),
            "orientation": sheet.page_setup.orientation,
            # An absent fitToWidth or fitToHeight is 1, the default of the file format.
            "fit_width": 1 if sheet.page_setup.fitToWidth is None else int(sheet.page_setup.fitToWidth),
            "fit_height": 1 if sheet.page_setup.fitToHeight is None else int(sheet.page_setup.fitToHeight),
            "fit_to_page": bool(sheet.sheet_properties.pageSetUpPr and sheet.sheet_properties.pageSetUpPr.fitToPage),
            "title_rows": sheet.print_title_rows,
            "widths": {key: dim.width for key, dim in sheet.column_dimensions.items()},
            "filter": sheet.auto_filter.ref,
        }
    return result


if __name__ == "__main__":
    kind, path = sys.argv[1], sys.argv[2]
    json.dump(read_csv(path) if kind == "csv" else read_xlsx(path), sys.stdout, ensure_ascii=False)
