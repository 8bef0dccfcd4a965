#include "model/FixedTexts.h"

#include "model/Cp932Codec.h"

#include <array>

namespace planova {
namespace {

constexpr std::array<const char*, static_cast<std::size_t>(FixedText::Count)> Utf8Texts{
    "50分時程",         "45分時程",   "休日",       "振替休業日", "朝①②③④昼⑤⑥放", "08091011121314151617",
    "日月火水木金土日", "件名",       "A1",         "年",         "月",           "日",
    "振替休日",         "国民の休日", "開校記念日", "都民の日",
};

} // namespace

const std::string& Text(FixedText id)
{
    static const auto texts = [] {
        std::array<std::string, Utf8Texts.size()> converted;
        for (std::size_t i = 0; i < Utf8Texts.size(); ++i)
            converted[i] = Utf8ToCp932(Utf8Texts[i]);
        return converted;
    }();
    return texts.at(static_cast<std::size_t>(id));
}

std::string Cp932Literal(std::string_view utf8)
{
    return Utf8ToCp932(utf8);
}

} // namespace planova
