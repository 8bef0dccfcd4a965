#include "cli/CalDavArguments.h"

#include "caldav/CalDavError.h"
#include "calendar/ToolDates.h"
#include "model/SafeSave.h"

namespace planova::cli {

bool TakeCalDavOption(ArgumentReader& reader, const std::string& option, CalDavOptions& options)
{
    if (option == "--caldav")
        options.Url = reader.Value(option);
    else if (option == "--user")
        options.User = reader.Value(option);
    else if (option == "--password-file")
        options.PasswordFile = reader.Value(option);
    else if (option == "--from")
        options.Range.First = DateArgument(option, reader.Value(option));
    else if (option == "--to")
        options.Range.Last = DateArgument(option, reader.Value(option));
    else
        return false;
    return true;
}

void CheckCalDavOptions(const CalDavOptions& options)
{
    if (options.User.empty() != options.PasswordFile.empty())
        throw CommandError::Usage("--user と --password-file は一緒に指定してください。");
    const ExportRange& range = options.Range;
    if (range.First.IsValid() && range.Last.IsValid()) {
        if (const std::string refusal = DateRangeRefusal(range.First, range.Last); !refusal.empty())
            throw CommandError::BadInput(refusal);
    }
}

CalDavAccount CalDavAccountOf(const CalDavOptions& options)
{
    CalDavAccount account;
    try {
        account.Collection = CollectionUrl(QString::fromStdString(options.Url));
    } catch (const CalDavError& error) {
        throw CommandError::BadInput(std::string("--caldav: ") + error.what());
    }
    account.User = QString::fromStdString(options.User);
    if (!options.PasswordFile.empty()) {
        std::string password;
        if (const Outcome read = ReadWholeFile(options.PasswordFile, password); !read.Ok)
            throw CommandError::BadInput(options.PasswordFile + ": " + read.Error);
        password = password.substr(0, password.find_first_of("\r\n"));
        account.Password = QString::fromStdString(password);
    }
    return account;
}

} // namespace planova::cli
