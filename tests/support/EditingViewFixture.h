#pragma once

// A planner view over its own document, drawn on a recording canvas so that its cell and ToDo row
// rectangles are those of a real redraw: the ground the selection and editing tests stand on.

#include "model/CPlanovaDoc.h"
#include "support/Dates.h"
#include "support/ScriptedViewServices.h"
#include "support/RecordingCanvas.h"
#include "view/PlannerView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace planova::test {

/// The middle of a rectangle.
inline Point Centre(const Rect& rect)
{
    return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
}

class EditingViewFixture : public ::testing::Test
{
protected:
    /// Starts the view on the day in the mode and draws it in a window of WindowSize at 96 dpi.
    void Start(ViewMode mode, const DateTime& today, bool toDoView = false)
    {
        View.InitialUpdate(today);
        View.State.DspType = static_cast<int>(mode);
        View.State.ToDoView = toDoView;
        Draw();
    }

    void Draw()
    {
        Canvas.Ops.clear();
        View.DrawScreen(Canvas, ScreenGeometry{WindowSize.Width, WindowSize.Height, 140, 16},
                        Date(2024, 6, 12));
    }

    /// A window low enough for ten ToDo pane rows (the header and nine items).
    static constexpr Size TenToDoRows{1920, 254};

    Point CellPoint(int cell) const
    {
        return Centre(View.State.CellRects.at(static_cast<std::size_t>(cell)));
    }
    Point ToDoRowPoint(int row) const
    {
        return Centre(View.State.ToDoRowRects.at(static_cast<std::size_t>(row)));
    }

    /// A stored day whose period row r has the label "L<r>", plan "P<r>", content "C<r>" and colour r % 8.
    void StoreNumberedDay(const DateTime& date, const std::string& memo = "memo")
    {
        Document.UpdateDay(date, [&](CDayData& day) {
            day.SetJitei("kind");
            day.SetGyouji("event");
            for (int r = 0; r < CDayData::RowCount; ++r) {
                const std::string n = std::to_string(r);
                day.SetJigenn(r, "L" + n);
                day.SetYotei(r, "P" + n);
                day.SetNaiyou(r, "C" + n);
                day.SetIro(r, r % 8);
            }
            day.SetMemo(memo);
        });
        Document.SetModified(false);
    }

    CDayData StoredDay(const DateTime& date) const { return Document.Day(date); }

    std::vector<std::string> Labels(const DateTime& date)
    {
        const CDayData day = StoredDay(date);
        std::vector<std::string> labels;
        for (int r = 0; r < CDayData::RowCount; ++r)
            labels.push_back(day.GetJigenn(r));
        return labels;
    }

    /// Items "item 0" … with deadlines on consecutive days from 1 April 2024 and importance "A1".
    void AddItems(int count)
    {
        for (int n = 0; n < count; ++n) {
            CToDo todo;
            todo.SetKennmei("item " + std::to_string(n));
            const DateTime deadline = Date(2024, 4, 1).AddDays(n);
            todo.SetKigenn(deadline.Year(), deadline.Month(), deadline.Day());
            Document.AppendToDo(todo);
        }
        Document.SetModified(false);
    }

    std::vector<std::string> Subjects() const
    {
        std::vector<std::string> subjects;
        for (const CToDo& item : Document.ToDoList())
            subjects.push_back(item.GetKennmei());
        return subjects;
    }

    Size WindowSize{1920, 1080};
    CPlanovaDoc Document;
    PlannerView View{Document};
    RecordingCanvas Canvas;
};

} // namespace planova::test
