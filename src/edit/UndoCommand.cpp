#include "edit/UndoCommand.h"

#include "model/CPlanovaDoc.h"

namespace planova {

namespace {

std::string MenuText(std::string_view verb, bool possible, const std::string& name)
{
    return possible && !name.empty() ? std::string(verb) + ": " + name : std::string(verb);
}

} // namespace

bool CanUndo(const CPlanovaDoc& document)
{
    return document.CanUndo();
}

bool CanRedo(const CPlanovaDoc& document)
{
    return document.CanRedo();
}

bool UndoLast(CPlanovaDoc& document)
{
    return document.Undo();
}

bool RedoLast(CPlanovaDoc& document)
{
    return document.Redo();
}

std::string UndoMenuText(const CPlanovaDoc& document)
{
    return MenuText("元に戻す", CanUndo(document), CanUndo(document) ? document.Undos().NextUndo().Name : "");
}

std::string RedoMenuText(const CPlanovaDoc& document)
{
    return MenuText("やり直し", CanRedo(document), CanRedo(document) ? document.Undos().NextRedo().Name : "");
}

} // namespace planova
