#pragma once

#include "dialogs/EntryDialog.h"

#include <functional>
#include <vector>

namespace planova::test {

/// An edit dialog without a window: records what it was started with and answers with a script.
class ScriptedEntryDialog : public EntryDialog
{
public:
    using Answer = std::function<bool(EntryDialogValues&)>;

    explicit ScriptedEntryDialog(Answer answer = {}) : Script(std::move(answer)) {}

    bool Run(EntryDialogValues& values) override
    {
        ApplyStartRule(values);
        Started.push_back(values);
        return Script ? Script(values) : false;
    }

    Answer Script;
    std::vector<EntryDialogValues> Started;
};

/// A dialog that confirms after the change applied to its values.
inline ScriptedEntryDialog Confirming(std::function<void(EntryDialogValues&)> change = {})
{
    return ScriptedEntryDialog([change](EntryDialogValues& values) {
        if (change)
            change(values);
        return true;
    });
}

/// A dialog that is cancelled after the user typed into it.
inline ScriptedEntryDialog Cancelling()
{
    return ScriptedEntryDialog([](EntryDialogValues& values) {
        values.Text1 = "typed";
        values.ComboText = "typed";
        values.ColorIndex = 5;
        return false;
    });
}

} // namespace planova::test
