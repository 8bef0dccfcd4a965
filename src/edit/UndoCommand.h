#pragma once

#include <string>

namespace planova {

class CPlanovaDoc;

/// True when the document holds a step to undo ("元に戻す" is enabled) or to redo ("やり直し").
bool CanUndo(const CPlanovaDoc& document);
bool CanRedo(const CPlanovaDoc& document);

/**
 * Takes back the newest step whole: every day it touched gets the record it had before (a day
 * that had none is removed again), the ToDo list its former items in their former order, the
 * settings their former values. The step moves to the redo list. Returns false, changing
 * nothing, when there is no step.
 */
bool UndoLast(CPlanovaDoc& document);
/// Brings back the newest undone step; false, changing nothing, when there is none.
bool RedoLast(CPlanovaDoc& document);

/// The menu texts that say what will be undone or redone ("元に戻す: 全て置換").
std::string UndoMenuText(const CPlanovaDoc& document);
std::string RedoMenuText(const CPlanovaDoc& document);

} // namespace planova
