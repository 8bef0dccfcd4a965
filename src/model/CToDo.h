#pragma once

#include "model/DateTime.h"

#include <string>

namespace planova {

/// One ToDo item: subject, deadline, importance and memo. Texts are code page 932 bytes.
class CToDo
{
public:
    /// Subject "件名", importance "A1", empty memo, deadline = the current local date and time.
    CToDo();

    const std::string& GetKennmei() const { return Kennmei; }
    void SetKennmei(std::string text) { Kennmei = std::move(text); }
    const DateTime& GetKigenn() const { return Kigenn; }
    /// That date at 00:00; invalid when the numbers do not form a date.
    void SetKigenn(int year, int month, int day) { Kigenn = DateTime::FromDate(year, month, day); }
    const std::string& GetJyuuyoudo() const { return Jyuuyoudo; }
    void SetJyuuyoudo(std::string text) { Jyuuyoudo = std::move(text); }
    const std::string& GetMemo() const { return Memo; }
    void SetMemo(std::string text) { Memo = std::move(text); }

    /// True when every field, including the deadline's validity and value, is the same.
    bool operator==(const CToDo& other) const;

private:
    std::string Kennmei;
    DateTime Kigenn;
    std::string Jyuuyoudo;
    std::string Memo;
};

} // namespace planova
