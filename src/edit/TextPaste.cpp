#include "edit/TextPaste.h"

#include "model/Cp932Codec.h"
#include "model/TextFunctions.h"
#include "view/ScreenLayout.h"

namespace planova {

namespace {

/// The length of the character at `offset`: a CR LF pair, an escape, a double-byte character or a byte.
std::size_t CharacterLength(std::string_view text, std::size_t offset)
{
    const std::size_t rest = text.size() - offset;
    const auto byte = static_cast<unsigned char>(text[offset]);
    if (byte == '\r' && rest >= 2 && text[offset + 1] == '\n')
        return 2;
    if (byte == '&') {
        if (const std::size_t escape = EscapeLengthAt(text, offset); escape != 0)
            return escape;
    }
    return IsCp932LeadByte(byte) && rest >= 2 ? 2 : 1;
}

} // namespace

std::string PasteLoss::Message() const
{
    std::string message;
    if (CutFields > 0)
        message += "貼り付ける文字列が長すぎるため、" + std::to_string(CutFields) + " か所を " +
                   std::to_string(MaxPastedFieldBytes) + " バイトまでで切りました。";
    if (LeftOverLines > 0)
        message +=
            "最後の時限の行より下にあたる " + std::to_string(LeftOverLines) + " 行は貼り付けませんでした。";
    return message;
}

std::string FitToField(std::string_view text, PasteLoss& loss)
{
    if (text.size() <= MaxPastedFieldBytes)
        return std::string(text);
    std::size_t end = 0;
    for (std::size_t next = 0; next <= MaxPastedFieldBytes; next += CharacterLength(text, next))
        end = next;
    ++loss.CutFields;
    return std::string(text.substr(0, end));
}

std::vector<std::string> PastedLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        // A CR LF pair cannot hide inside a double-byte character: LF is no trail byte.
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

void PasteTextIntoDay(CDayData& day, int row, std::string_view text, PasteLoss& loss)
{
    if (row == DayRow::KindAndEvent) {
        day.SetGyouji(FitToField(text, loss));
    } else if (row == DayRow::Memo) {
        day.SetMemo(FitToField(text, loss));
    } else if (row >= DayRow::FirstPeriod && row < DayRow::FirstPeriod + CDayData::RowCount) {
        const std::vector<std::string> lines = PastedLines(text);
        int period = row - DayRow::FirstPeriod;
        for (const std::string& line : lines) {
            if (period >= CDayData::RowCount) {
                ++loss.LeftOverLines;
                continue;
            }
            day.SetYotei(period++, FitToField(line, loss));
        }
    }
}

std::vector<CToDo> PastedToDos(std::string_view text, const DateTime& deadline, PasteLoss& loss)
{
    std::vector<CToDo> items;
    for (const std::string& line : PastedLines(text)) {
        if (line.empty())
            continue;
        CToDo item;
        item.SetKennmei(FitToField(line, loss));
        item.SetKigenn(deadline.Year(), deadline.Month(), deadline.Day());
        items.push_back(std::move(item));
    }
    return items;
}

} // namespace planova
