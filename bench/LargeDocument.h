#pragma once

// A large planner for the benchmarks: twenty years of days with every field filled, and 2,000
// ToDo items. Texts are a teacher's plans, lesson contents, events and memos in code page 932.

#include "model/CPlanovaDoc.h"
#include "model/Clock.h"
#include "model/FixedTexts.h"

#include <string>

namespace planova::bench {

constexpr int SchoolYears = 20;
constexpr int DaysPerYear = 365;
constexpr int ToDoItems = 2000;

inline const char* const Subjects[] = {"国語", "数学", "英語",     "理科",       "社会",
                                       "音楽", "美術", "保健体育", "技術・家庭", "道徳"};
inline const char* const Classes[] = {"1年1組", "1年2組", "2年1組", "2年3組", "3年2組", "3年4組"};
inline const char* const Contents[] = {
    "二次関数のグラフ（p.45～48）", "「走れメロス」心情の読み取り", "現在完了形の練習、単語テスト",
    "電流と磁界の実験、レポート",   "江戸時代の政治と社会、資料集", "合唱コンクール課題曲の練習",
    "期末テスト範囲の復習プリント", "バスケットボール技能テスト",
};
inline const char* const Memos[] = {
    "職員会議16:00～、学年会の資料を印刷しておく。",
    "部活動は自主練習。校外学習の引率者を確認。",
    "書類の締切。生徒指導部会は第二会議室。",
};
inline const char* const Events[] = {"", "", "", "", "避難訓練", "保護者会", "始業式", "体育大会"};

inline std::string Sj(const char* utf8)
{
    return Cp932Literal(utf8);
}

/// Twenty school years of days from 1 April 2005 with every row filled, and 2,000 ToDo items.
inline CPlanovaDoc LargeDocument()
{
    FixedNowScope clock(DateTime::FromDate(2025, 1, 10));
    CPlanovaDoc document;
    const DateTime first = DateTime::FromDate(2005, 4, 1);
    for (int d = 0; d < SchoolYears * DaysPerYear; ++d) {
        document.UpdateDay(first.AddDays(d), [&](CDayData& day) {
            day.SetStandardDay();
            const bool weekend = day.GetDate().DayOfWeek() == 0 || day.GetDate().DayOfWeek() == 6;
            day.SetJitei(weekend ? Text(FixedText::Holiday) : Text(FixedText::SchoolDay50));
            day.SetGyouji(Sj(Events[d % 8]));
            for (int row = 0; row < CDayData::RowCount; ++row) {
                day.SetYotei(row, Sj(Classes[(d + row) % 6]) + " " + Sj(Subjects[(d * 3 + row) % 10]));
                day.SetNaiyou(row, Sj(Contents[(d + row * 5) % 8]));
                day.SetIro(row, (d + row) % 8);
            }
            day.SetMemo(Sj(Memos[d % 3]));
        });
    }
    for (int i = 0; i < ToDoItems; ++i) {
        CToDo item;
        item.SetKennmei(Sj(Subjects[i % 10]) + Sj("の評価資料をまとめる ") + std::to_string(i));
        const DateTime deadline = first.AddDays(i * 3);
        item.SetKigenn(deadline.Year(), deadline.Month(), deadline.Day());
        item.SetJyuuyoudo(i % 3 == 0 ? "A1" : "B2");
        item.SetMemo(Sj(Memos[i % 3]));
        document.AppendToDo(item);
    }
    return document;
}

} // namespace planova::bench
