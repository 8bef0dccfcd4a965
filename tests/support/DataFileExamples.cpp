#include "support/DataFileExamples.h"

#include "model/SettingsTable.h"
#include "support/Cp932Literals.h"
#include "support/TempDir.h"

#include <stdexcept>

namespace planova::test {

CPlanovaDoc ExampleDocument2014()
{
    CPlanovaDoc document;
    document.UpdateDay(DateTime::FromDate(2014, 1, 1), [&](CDayData& day) {
        day.SetStandardDay();
        day.SetYotei(1, Sj("予定"));
        day.SetIro(1, 2);
    });
    document.AppendToDo(CToDo());
    document.SetModified(false);
    return document;
}

CPlanovaDoc FullDocument()
{
    CPlanovaDoc document;
    const char* plans[] = {"国語",
                           "数学 2年3組",
                           "理科\r\n実験室",
                           "</Yotei>を含む予定",
                           "<YoteiSet>行",
                           "a < b > c",
                           "<\x7F/Memo> そのまま",
                           "英語",
                           "",
                           "放課後"};
    for (int d = 0; d < 3; ++d) {
        document.UpdateDay(DateTime::FromDate(2013, 4, 8 + d), [&](CDayData& day) {
            day.SetStandardDay();
            day.SetGyouji(Sj(d == 1 ? "始業式</Gyouji>" : "始業式"));
            for (int row = 0; row < CDayData::RowCount; ++row) {
                day.SetYotei(row, Sj(plans[(row + d) % 10]));
                day.SetNaiyou(row, Sj("内容①～⑥（テスト）"));
                day.SetIro(row, (row + d) % 8);
            }
            day.SetMemo(Sj("メモ\r\n二行目</DayData></YoteiData><ToDo>"));
        });
    }
    const char* subjects[] = {"提出物", "</Task>会議", "面談"};
    for (int i = 0; i < 3; ++i) {
        CToDo item;
        item.SetKennmei(Sj(subjects[i]));
        item.SetKigenn(2013, 5, 1 + i);
        item.SetJyuuyoudo(Sj(i == 2 ? "PJ" : "B2"));
        item.SetMemo(Sj("メモ</Memo>"));
        document.AppendToDo(item);
    }
    // Every plain setting away from its default: numbers 3 (negative where allowed), flags flipped, texts
    // set.
    for (const SettingEntry& entry : Settings()) {
        std::visit(
            [&](auto member) {
                auto& value = SettingOf(document, member);
                using Value = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<Value, bool>)
                    value = !value;
                else if constexpr (std::is_same_v<Value, std::string>)
                    value = Sj("山田</Shiyousya>太郎");
                else if constexpr (std::is_same_v<Value, std::uint32_t>)
                    value = 0x00FF8040;
                else
                    value = entry.Form == ValueForm::SignedNumber ? -12 : 3;
            },
            entry.Member);
    }
    document.BirthdayYear = 1980;
    document.BirthdayMonth = 2;
    document.BirthdayDay = 28;
    for (int i = 0; i < CPlanovaDoc::FontPointCount; ++i)
        document.FontPoint[i] = i + 4;
    for (int i = 0; i < CPlanovaDoc::JikannwariCount; ++i)
        document.Jikannwari[i] = Sj(i % 2 ? "1-2 数学" : "");
    for (int i = 0; i < CPlanovaDoc::ClassCount; ++i) {
        document.Class[i] = Sj("2年") + std::to_string(i + 1) + Sj("組");
        document.Offset[i] = i * 3 - 10;
    }
    document.SetModified(false);
    return document;
}

std::string TestDataFile(const std::string& name)
{
    const std::string path = std::string(PLANOVA_TEST_DATA_DIR) + "/" + name;
    std::string bytes = ReadBytes(path);
    if (bytes.empty())
        throw std::runtime_error("missing test data file " + path);
    return bytes;
}

} // namespace planova::test
