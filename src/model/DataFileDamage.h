#pragma once

#include "model/DateTime.h"

#include <string>
#include <string_view>
#include <vector>

namespace planova {

/// How much of one counted part of a data file (its days, its ToDo items) could be read.
struct CountedPartReading
{
    /// The part's element is not in the text at all.
    bool Missing = false;
    /// The part's closing tag is lost: the part was read up to the end of the text.
    bool CutOff = false;
    /// What the part's count (datasuu) announced.
    std::size_t Announced = 0;
    /// The elements found and read.
    std::size_t Read = 0;

    /// The announced elements that were not found.
    std::size_t Lost() const { return Announced > Read ? Announced - Read : 0; }
    bool Damaged() const { return Missing || CutOff || Lost() > 0; }
};

/// How much of the settings block could be read.
enum class SettingsReading
{
    Whole,
    Partly, ///< some groups are missing, cut off or held unreadable bytes
    Missing ///< no settings block: every setting reads as 0, off or empty
};

/**
 * What the reader found wrong with a data file it could still read: signs no writer of the format
 * leaves behind, such as NUL bytes (a block zeroed by a crash or a failing disk), fewer elements
 * than announced, a part that is cut off or missing. A file with none of them is whole.
 */
struct DataFileDamage
{
    CountedPartReading Days;
    /// The dates (as read) of days whose element held unreadable bytes, in file order.
    std::vector<DateTime> DaysPartlyRead;
    CountedPartReading ToDo;
    /// Whether the ToDo part held unreadable bytes.
    bool ToDoPartlyRead = false;
    SettingsReading Settings = SettingsReading::Whole;
    /// NUL bytes removed from the text; no writer of the format produces them.
    std::size_t UnreadableBytes = 0;

    bool Any() const;
};

/**
 * The message telling the user what could not be read (UTF-8), built from the counts: "このファイル
 * は一部が壊れています。365 日のうち 4 日と設定を読み込めませんでした。" … Empty when nothing is damaged.
 */
std::string DamageMessage(const DataFileDamage& damage);

/// One of the three parts of a data file text (days, ToDo, settings) as the reader takes it.
struct FoundPart
{
    std::string_view Value;
    /// Its opening tag is not in the text: the value is empty.
    bool Missing = false;
    /// Its opening tag has no closing tag after it: the value runs to the end of the text.
    bool CutOff = false;
};

/**
 * The first element of the name in the text, as FindElement finds it; when its closing tag is lost
 * (zeroed, cut off), everything after the opening tag, so that what is left of the part is read and
 * what is lost is counted rather than the whole part read as empty.
 */
FoundPart FindPart(std::string_view text, std::string_view name);

/**
 * A data file text without its NUL bytes, and where they were. NUL is no byte of a code page 932
 * text and never part of a tag, so removing them changes no element boundary; the places are kept
 * to tell which elements held them.
 */
class TextWithoutNul
{
public:
    explicit TextWithoutNul(std::string_view text);
    TextWithoutNul(const TextWithoutNul&) = delete;
    TextWithoutNul& operator=(const TextWithoutNul&) = delete;

    std::string_view Text() const { return View; }
    std::size_t Removed() const { return RemovedBytes; }
    /// Whether bytes were removed inside the piece (a view into Text()) or at either of its ends.
    bool RemovedWithin(std::string_view piece) const;

private:
    std::string Copy;
    std::string_view View;
    /// Positions in Text() where a run of NUL bytes was removed, ascending.
    std::vector<std::size_t> Places;
    std::size_t RemovedBytes = 0;
};

} // namespace planova
