#pragma once

#include "model/PrintSettings.h"
#include "print/PageGeometry.h"
#include "view/Canvas.h"

#include <optional>
#include <vector>

namespace planova {

/**
 * Refill pages imposed on A4 sheets: two Bible or A5 refills or four Mini refills per portrait A4 sheet,
 * printed on both sides so that the back of every refill lies behind its front once the sheet is turned
 * on its long edge, with cut marks outside the corners. Plain geometry in millimetres of the sheet; the
 * painting lives with the PDF output.
 */

/// The portrait A4 sheet the refills are placed on.
constexpr double ImposedSheetWidthMm = 210.0;
constexpr double ImposedSheetHeightMm = 297.0;
/// The widest gap left between neighbouring pieces; narrower where the sheet has less room.
constexpr double ImposedMaxGapMm = 10.0;
/// Cut marks: thin lines along the edges of a piece, starting a little away from its corners.
constexpr double CutMarkWidthMm = 0.1;
constexpr double CutMarkLengthMm = 5.0;
constexpr double CutMarkDistanceMm = 1.0;

/// The message for refills that are as large as the sheet.
constexpr const char* CannotImposeMessage =
    "Ａ４のリフィルはＡ４用紙に面付けできません。バイブル、ミニまたはＡ５のリフィルを選んでください。";

/// A rectangle in millimetres of the sheet, from its top left corner.
struct MmRect
{
    double Left = 0.0;
    double Top = 0.0;
    double Right = 0.0;
    double Bottom = 0.0;

    double Width() const { return Right - Left; }
    double Height() const { return Bottom - Top; }
    bool operator==(const MmRect&) const = default;
};

/// A point in millimetres of the sheet.
struct MmPoint
{
    double X = 0.0;
    double Y = 0.0;
    bool operator==(const MmPoint&) const = default;
};

/// A cut mark: a straight line from one point to another.
struct MmSegment
{
    MmPoint From;
    MmPoint To;
    bool operator==(const MmSegment&) const = default;
};

/// One refill's place on a side of the sheet.
struct ImposedSlot
{
    MmRect Box;       ///< the piece on the sheet, as it lies there (turned when Rotation is not 0)
    int Rotation = 0; ///< degrees clockwise the refill page is turned: 0, 90 or -90

    /// Where the refill page's own top left corner lands on the sheet.
    MmPoint Anchor() const;
};

/// A side of a sheet.
enum class SheetFace
{
    Front,
    Back, ///< as seen after turning the sheet on its long edge
};

/**
 * The placement of one job's refills on A4 sheets. Job pages 1 and 2 are the front and back of refill
 * 1, pages 3 and 4 of refill 2, and so on; sheet k carries refills k × slots + 1 onwards, row by row.
 */
struct ImpositionPlan
{
    double PieceWidthMm = 0.0; ///< the refill page standing as the job prints it
    double PieceHeightMm = 0.0;
    std::vector<ImposedSlot> Front;  ///< row by row, left to right
    std::vector<ImposedSlot> Back;   ///< Back[i] lies behind Front[i]: mirrored, turned the other way
    std::vector<MmSegment> CutMarks; ///< on the front side only, so a shifted back leaves no double marks

    int SlotCount() const { return static_cast<int>(Front.size()); }
    const std::vector<ImposedSlot>& Slots(SheetFace face) const
    {
        return face == SheetFace::Front ? Front : Back;
    }
    /// The sheets needed for a job of that many pages (each sheet is two sides).
    int SheetCount(int pages) const;
    /// The job page (1-based) on a slot of a side of sheet `sheet` (0-based); 0 when the slot stays empty.
    int PageAt(int sheet, SheetFace face, int slot, int pages) const;
};

/// Refills per sheet for a paper type: 2 for Bible and A5, 4 for Mini, 0 for A4 (not imposed).
int PiecesPerSheet(int paperType);

/// The placement for the job's paper and orientation; none for A4 refills.
std::optional<ImpositionPlan> PlanImposition(const PrintSettings& settings);

/**
 * The refill on a printed page, in the page's pixels: the layout's rectangle (X0, Y0, W × H) for the
 * spread and one-page types; for the left and right page types the half of the double-width layout that
 * is printed (W2 wide, the right page at X0 + W2), or, printed on one side of the sheet, the sheet's
 * refill itself (W wide at X0).
 */
Rect RefillRect(const PageGeometry& geometry, int pageType, bool oneSided);

} // namespace planova
