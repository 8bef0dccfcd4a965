#!/usr/bin/env python3
"""Writes example-2014.dat: the data file of a document created on 1 January 2014 with one
day (1 January 2014, the standard school day, "予定" with colour 2 in row 1), one ToDo item
and default settings. It is built line by line from the documented layout, independently of
the C++ writer, so that the writer's test compares against something it did not produce."""
import pathlib

def e(name, value=""):
    return f"<{name}>{value}</{name}>"

labels = ["朝", "①", "②", "③", "④", "昼", "⑤", "⑥", "放", ""]
rows = []
for row, label in enumerate(labels):
    plan, colour = ("予定", "2") if row == 1 else ("", "")
    rows.append(e("YoteiSet", e("No", row) + e("Jigenn", label) + e("Yotei", plan) + e("Naiyou") + e("Iro", colour)))

numbers = dict(PrintType=0, P_VL_Type=0, PYearType=0, PYoushiType=0, PPaperType=0, PPageType=0,
               PFontSize=9, PKeisenFutosa=1, PKeisenIro=0)
flags = dict(PDayTodo=0, PDayKiroku=1, PKirokuDate=1, PKirokuTodo=1, PKirokuTomorrow=1, PKirokuCenterline=1,
             PKirokuCenterline1by3=0, PRoutineWork=0, PKirokuBunnrui=0, PPageYohakuhidari=0, PPageYohakumigi=0,
             PPageYohakuue=0, PPageYohakushita=0)
rest = [("PIdouMigi", 0), ("PIdouSita", 0), ("PWaku", 0), ("PDialog", 0), ("PSennyoushi", 0), ("PStartWeekday", 0),
        ("PKatagawa", 0), ("PDateType", 0), ("PKenin", 0), ("PZerotoru", 0), ("WakunaiNuritubushi", 0)]
printLine = e("Print", "".join(e(k, v) for k, v in list(numbers.items()) + list(flags.items()) + rest))

fontPoints = [9, 6, 5, 9, 7, 5, 4, 7, 5, 5, 4, 5, 6, 5, 5, 6, 16, 12, 16, 12, 6, 6, 4, 6]
date = lambda y, m, d: e("Year", y) + e("Month", m) + e("Day", d)

lines = [
    "<Planova><YoteiData>" + e("datasuu", 1),
    "<DayData>" + e("Date", "20140101") + e("Jitei", "50分時程") + e("Gyouji"),
    *rows,
    e("Memo") + "</DayData>",
    "</YoteiData>",
    "<ToDo>" + e("datasuu", 1),
    e("Task", e("Kennmei", "件名") + e("Kigenn", "20140101") + e("Jyuuyoudo", "A1") + e("Jyunni") + e("Memo")),
    e("ToDoSort") + e("ToDoGyouji", 0) + e("ToDoKigenn", 0) + e("ToDoHanni", 0) + "</ToDo>",
    "<Setting>" + e("Birthday", date(2014, 1, 1)),
    e("Property", e("DspType", 0) + e("StartWeekday", 0) + e("ToDoView", 1) + e("Biorhythm", 0) + e("Shiyousya")),
    printLine,
    e("FontPoint", "".join(e("Set", e("No", i) + e("FP", p)) for i, p in enumerate(fontPoints))),
    e("Jikannwari", "".join(e("Set", e("No", i) + e("Data")) for i in range(36)) + e("JUwagaki", 0)),
    e("JisuuKeisan", "".join(e("Set", e("No", i) + e("Class") + e("Offset", 0)) for i in range(10))
      + e("Hajime", date(2013, 4, 1)) + e("Owari", date(2014, 3, 31)) + e("Keisannsuru", 0)),
    "</Setting>",
    "</Planova>",
]
assert len(lines) == 25
text = "\r\n".join(lines).encode("cp932")
assert 255 <= len(text) < 0xFFFE
data = b"\xff" + len(text).to_bytes(2, "little") + text
pathlib.Path(__file__).with_name("example-2014.dat").write_bytes(data)
