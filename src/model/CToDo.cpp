#include "model/CToDo.h"

#include "model/Clock.h"
#include "model/FixedTexts.h"

namespace planova {

CToDo::CToDo()
    : Kennmei(Text(FixedText::DefaultSubject)), Kigenn(Now()), Jyuuyoudo(Text(FixedText::DefaultImportance))
{
}

bool CToDo::operator==(const CToDo& other) const
{
    return Kigenn.IsIdenticalTo(other.Kigenn) && Kennmei == other.Kennmei && Jyuuyoudo == other.Jyuuyoudo &&
           Memo == other.Memo;
}

} // namespace planova
