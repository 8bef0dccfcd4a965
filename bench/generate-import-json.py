#!/usr/bin/env python3
"""Writes a large document in the JSON form of `planova-cli import` / `dump`.

Used to measure how `import` and `dump` scale (time and peak memory):

    bench/generate-import-json.py --days 100000 --todos 0 > days.json
    /usr/bin/time -v planova-cli import days.json -o days.dat
    /usr/bin/time -v planova-cli dump days.dat > /dev/null

Days run one after another from 1 April 2005 with every row filled; items carry a subject,
a deadline, an importance and a memo. The texts are a teacher's, so every one is code page 932.
"""

import argparse
import datetime
import json
import sys

SUBJECTS = ["国語", "数学", "英語", "理科", "社会", "音楽", "美術", "保健体育", "技術・家庭", "道徳"]
CLASSES = ["1年1組", "1年2組", "2年1組", "2年3組", "3年2組", "3年4組"]
CONTENTS = [
    "二次関数のグラフ（p.45～48）", "「走れメロス」心情の読み取り", "現在完了形の練習、単語テスト",
    "電流と磁界の実験、レポート", "江戸時代の政治と社会、資料集", "合唱コンクール課題曲の練習",
    "期末テスト範囲の復習プリント", "バスケットボール技能テスト",
]
MEMOS = [
    "職員会議16:00～、学年会の資料を印刷しておく。",
    "部活動は自主練習。校外学習の引率者を確認。",
    "書類の締切。生徒指導部会は第二会議室。",
]
EVENTS = ["", "", "", "", "避難訓練", "保護者会", "始業式", "体育大会"]
PERIODS = ["①", "②", "③", "④", "⑤", "⑥", "", "", "", ""]


def day(first, d):
    date = first + datetime.timedelta(days=d)
    rows = [{
        "jigenn": PERIODS[row],
        "yotei": CLASSES[(d + row) % 6] + " " + SUBJECTS[(d * 3 + row) % 10],
        "naiyou": CONTENTS[(d + row * 5) % 8],
        "iro": (d + row) % 8,
    } for row in range(10)]
    return {
        "date": date.isoformat(),
        "jitei": "休日" if date.weekday() >= 5 else "50分",
        "gyouji": EVENTS[d % 8],
        "rows": rows,
        "memo": MEMOS[d % 3],
    }


def todo(first, i):
    deadline = first + datetime.timedelta(days=(i * 3) % 700000)
    return {
        "kennmei": SUBJECTS[i % 10] + "の評価資料をまとめる " + str(i),
        "kigenn": deadline.isoformat(),
        "jyuuyoudo": "A1" if i % 3 == 0 else "B2",
        "memo": MEMOS[i % 3],
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--days", type=int, default=0)
    parser.add_argument("--todos", type=int, default=0)
    options = parser.parse_args()
    first = datetime.date(2005, 4, 1)
    out = sys.stdout
    # Written piece by piece so that a million items need no more memory than one.
    out.write('{\n  "days": [')
    for d in range(options.days):
        out.write(("\n    " if d == 0 else ",\n    ") + json.dumps(day(first, d), ensure_ascii=False))
    out.write('\n  ],\n  "todos": [')
    for i in range(options.todos):
        out.write(("\n    " if i == 0 else ",\n    ") + json.dumps(todo(first, i), ensure_ascii=False))
    out.write("\n  ]\n}\n")


if __name__ == "__main__":
    main()
