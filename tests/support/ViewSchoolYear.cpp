#include "support/ViewSchoolYear.h"

#include "model/Cp932Codec.h"
#include "model/FixedTexts.h"

#include <array>
#include <string>

namespace planova::test {

namespace {

std::string Sjis(const std::string& utf8)
{
    return Utf8ToCp932(utf8);
}

struct MonthDay
{
    int Month;
    int Day;
    const char* Text;
};

// National holidays on fixed days, or on the day they fall in most years.
constexpr std::array<MonthDay, 16> Holidays{{
    {4, 29, "昭和の日"},
    {5, 3, "憲法記念日"},
    {5, 4, "みどりの日"},
    {5, 5, "こどもの日"},
    {7, 15, "海の日"},
    {8, 11, "山の日"},
    {9, 16, "敬老の日"},
    {9, 22, "秋分の日"},
    {10, 14, "スポーツの日"},
    {11, 3, "文化の日"},
    {11, 23, "勤労感謝の日"},
    {1, 1, "元日"},
    {1, 13, "成人の日"},
    {2, 11, "建国記念の日"},
    {2, 23, "天皇誕生日"},
    {3, 20, "春分の日"},
}};

constexpr std::array<MonthDay, 30> Events{{
    {4, 5, "新年度準備・職員会議"},
    {4, 8, "始業式・着任式"},
    {4, 9, "入学式"},
    {4, 10, "身体測定"},
    {4, 18, "全国学力・学習状況調査"},
    {4, 24, "授業参観・PTA総会"},
    {5, 13, "家庭訪問"},
    {5, 17, "体育祭予行"},
    {5, 18, "体育祭"},
    {5, 29, "中間テスト"},
    {6, 4, "修学旅行（京都・奈良）"},
    {6, 5, "修学旅行"},
    {6, 6, "修学旅行"},
    {6, 12, "避難訓練"},
    {6, 20, "教育実習開始"},
    {7, 3, "期末テスト"},
    {7, 19, "終業式"},
    {9, 2, "始業式"},
    {9, 27, "生徒会役員選挙"},
    {10, 19, "文化祭"},
    {11, 1, "研究授業"},
    {11, 15, "三者面談"},
    {12, 4, "期末テスト"},
    {12, 24, "終業式"},
    {1, 8, "始業式"},
    {1, 24, "実力テスト"},
    {2, 14, "公立高校出願"},
    {3, 7, "卒業式"},
    {3, 14, "学年末テスト返却"},
    {3, 24, "修了式"},
}};

struct Lesson
{
    const char* Plan;
    const char* Unit; ///< the lesson's unit; the content numbers the lessons of it
};

// The weekly timetable of a Japanese teacher: Monday … Friday, periods ① … ⑥.
constexpr std::array<std::array<Lesson, 6>, 5> Timetable{{
    {{{"2-1 国語", "走れメロス"},
      {"2-3 国語", "走れメロス"},
      {"空き", ""},
      {"1-2 国語", "少年の日の思い出"},
      {"2-1 学活", "学級目標の振り返り"},
      {"委員会", ""}}},
    {{{"1-2 国語", "少年の日の思い出"},
      {"空き", ""},
      {"2-2 国語", "走れメロス"},
      {"2-3 国語", "走れメロス"},
      {"2-1 道徳", "友情について考える"},
      {"2-1 総合", "職場体験の準備"}}},
    {{{"2-2 国語", "走れメロス"},
      {"2-1 国語", "走れメロス"},
      {"1-2 書写", "楷書と行書"},
      {"空き", ""},
      {"2-3 国語", "漢字の成り立ち"},
      {"学年会", ""}}},
    {{{"2-3 国語", "走れメロス"},
      {"1-2 国語", "少年の日の思い出"},
      {"2-1 国語", "漢字の成り立ち"},
      {"2-2 国語", "走れメロス"},
      {"空き", ""},
      {"2-1 学活", "係活動"}}},
    {{{"空き", ""},
      {"2-2 国語", "漢字の成り立ち"},
      {"2-1 国語", "作文 わたしの夢"},
      {"1-2 国語", "少年の日の思い出"},
      {"2-3 国語", "作文 わたしの夢"},
      {"部活動指導", ""}}},
}};

constexpr std::array<const char*, 6> LessonSteps{"音読と初発の感想", "場面分けと登場人物", "心情の変化を読む",
                                                 "表現の工夫を探す", "小テストと振り返り", "まとめの感想文"};

constexpr std::array<const char*, 7> Memos{
    "学年会議 16:00〜 会議室\r\n議題：行事の分担",
    "保護者面談 3名（15:30〜）",
    "教室の掲示物を貼り替える",
    "部活動の大会申込書を提出",
    "",
    "週案を教頭先生に提出",
    "職員室の当番（鍵の確認）",
};

const MonthDay* FindDay(const auto& table, int month, int day)
{
    for (const MonthDay& entry : table) {
        if (entry.Month == month && entry.Day == day)
            return &entry;
    }
    return nullptr;
}

bool InVacation(int month, int day)
{
    return (month == 7 && day >= 20) || month == 8 || (month == 12 && day >= 25) ||
           (month == 1 && day <= 7) || (month == 3 && day >= 25) || (month == 4 && day <= 5);
}

void FillSchoolDay(CDayData& day, int weekdayIndex, int lessonCount)
{
    day.SetStandardDay();
    day.SetYotei(0, Sjis("朝の会・健康観察"));
    day.SetYotei(5, Sjis("給食指導"));
    day.SetYotei(8, Sjis(weekdayIndex == 4 ? "清掃・帰りの会" : "帰りの会"));
    day.SetYotei(9, Sjis(weekdayIndex == 2 ? "職員会議" : "部活動（バレーボール部）"));
    const std::array<int, 6> rows{1, 2, 3, 4, 6, 7}; // ① … ④, then ⑤ ⑥ after lunch
    for (std::size_t period = 0; period < rows.size(); ++period) {
        const Lesson& lesson = Timetable[static_cast<std::size_t>(weekdayIndex)][period];
        const int row = rows[period];
        day.SetYotei(row, Sjis(lesson.Plan));
        if (*lesson.Unit != '\0') {
            const int step = (lessonCount + static_cast<int>(period)) % static_cast<int>(LessonSteps.size());
            day.SetNaiyou(row, Sjis(std::string(lesson.Unit) + " (" + std::to_string(step + 1) + ") " +
                                    LessonSteps[step]));
        }
        if (std::string(lesson.Plan) == "空き")
            day.SetNaiyou(row, Sjis("ノート点検・教材準備"));
    }
    if (weekdayIndex == 2)
        day.SetIro(9, 1); // the staff meeting
    if (lessonCount % 9 == 4)
        day.SetIro(3, 6); // a lesson someone comes to watch
}

} // namespace

void AddSchoolYear(CPlanovaDoc& document, int startYear)
{
    const DateTime first = DateTime::FromDate(startYear, 4, 1);
    const DateTime last = DateTime::FromDate(startYear + 1, 3, 31);
    int lessonCount = 0;
    for (DateTime date = first; !date.IsLaterThan(last); date = date.AddDays(1)) {
        const int month = date.Month();
        const int dayOfMonth = date.Day();
        const int weekday = date.DayOfWeek();
        CDayData day;
        day.ClearDay(date);
        const MonthDay* holiday = FindDay(Holidays, month, dayOfMonth);
        const MonthDay* event = FindDay(Events, month, dayOfMonth);
        if (holiday != nullptr) {
            day.SetJitei(Text(FixedText::Holiday));
            day.SetGyouji(Sjis(holiday->Text));
        } else if (weekday == 0 || weekday == 6) {
            if (weekday == 6 && dayOfMonth % 2 == 0 && !InVacation(month, dayOfMonth)) {
                day.SetGyouji(Sjis("部活動 練習試合"));
                day.SetMemo(Sjis("8:30 集合 市民体育館"));
            } else {
                continue; // an untouched weekend day has no record
            }
        } else if (InVacation(month, dayOfMonth) && event == nullptr) {
            day.SetGyouji(Sjis(month >= 7 && month <= 8    ? "夏季休業日"
                               : month == 12 || month == 1 ? "冬季休業日"
                                                           : "春季休業日"));
            day.SetMemo(Sjis(dayOfMonth % 3 == 0 ? "研修会 9:30〜 教育センター" : ""));
        } else {
            FillSchoolDay(day, weekday - 1, lessonCount++);
            if (weekday == 1 && dayOfMonth <= 7)
                day.SetJitei(Sjis("45分時程"));
            day.SetMemo(Sjis(Memos[static_cast<std::size_t>(lessonCount) % Memos.size()]));
            if (event != nullptr)
                day.SetGyouji(Sjis(event->Text));
        }
        document.PutDay(std::move(day));
    }
}

void AddSchoolToDos(CPlanovaDoc& document, int startYear)
{
    struct Item
    {
        const char* Subject;
        int Month;
        int Day;
        const char* Importance;
        const char* Memo;
    };
    const std::array<Item, 10> items{{
        {"家庭訪問の日程調整", 4, 26, "A1", "全員分の希望を集める"},
        {"修学旅行のしおり原稿", 5, 20, "A1", "班別行動のページ"},
        {"体育祭の係分担表", 5, 10, "B1", ""},
        {"週案の提出", 6, 14, "R1", "毎週金曜"},
        {"研究授業の学習指導案", 10, 25, "PJ", "国語科 2年「走れメロス」"},
        {"通知表の所見入力", 7, 12, "A1", "1学期分"},
        {"三者面談の資料作り", 11, 8, "A2", "進路希望調査を添付"},
        {"図書室の本を返却", 6, 28, "C1", ""},
        {"教育実習生の評価票", 7, 5, "B2", "指導教員欄"},
        {"年度末の指導要録", 3, 15, "A1", "担任分"},
    }};
    for (const Item& item : items) {
        CToDo todo;
        todo.SetKennmei(Sjis(item.Subject));
        todo.SetKigenn(item.Month >= 4 ? startYear : startYear + 1, item.Month, item.Day);
        todo.SetJyuuyoudo(item.Importance);
        todo.SetMemo(Sjis(item.Memo));
        document.AppendToDo(todo);
    }
}

CPlanovaDoc SchoolYearDocument(int startYear, int years)
{
    CPlanovaDoc document;
    for (int year = 0; year < years; ++year)
        AddSchoolYear(document, startYear + year);
    AddSchoolToDos(document, startYear + years - 1);
    document.BirthdayYear = 1985;
    document.BirthdayMonth = 7;
    document.BirthdayDay = 14;
    document.SetModified(false);
    return document;
}

} // namespace planova::test
