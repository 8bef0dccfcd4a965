#pragma once

namespace planova {

/// What is printed (the print setting PrintType).
namespace PrintType {
constexpr int Day = 0;   ///< "日予定表": the day planner, with the record sheet on the right page
constexpr int Week = 1;  ///< "週予定表"
constexpr int Month = 2; ///< "月予定表"
constexpr int Year = 3;  ///< "年予定表"
constexpr int Memo = 4;  ///< "メモ用紙": a ruled sheet
constexpr int ToDo = 5;  ///< "ToDo表"
constexpr int Count = 6;
} // namespace PrintType

/// The refill size (the print setting PPaperType); also the column of the print font-size table.
namespace PaperType {
constexpr int A4 = 0;
constexpr int Bible = 1;
constexpr int Mini = 2;
constexpr int A5 = 3;
constexpr int Count = 4;
} // namespace PaperType

/// Which refill pages a sheet carries (the print setting PPageType).
namespace PageType {
constexpr int Spread = 0; ///< "見開き　タイプ": a left and a right page side by side
constexpr int Left = 1;   ///< "左ページ": the left page of a spread only
constexpr int Right = 2;  ///< "右ページ": the right page of a spread only
constexpr int One = 3;    ///< "１ページ　タイプ": one page over the whole usable width
} // namespace PageType

/// The orientation of the sheet (the print setting PYoushiType).
namespace Orientation {
constexpr int Landscape = 0; ///< "横置き"
constexpr int Portrait = 1;  ///< "縦置き"
} // namespace Orientation

} // namespace planova
