#include "support/RadicaleServer.h"

#include "support/CliRun.h"

#include <sstream>

namespace planova::test {
namespace {

constexpr const char* Python = "/usr/bin/python3";

std::string Config(const TempDir& folder, int port)
{
    return "[server]\nhosts = 127.0.0.1:" + std::to_string(port) +
           "\n[auth]\ntype = htpasswd\nhtpasswd_filename = " + folder.File("users") +
           "\nhtpasswd_encryption = plain\n[storage]\nfilesystem_folder = " + folder.File("storage") +
           "\n[rights]\ntype = owner_only\n[logging]\nlevel = info\nmask_passwords = True\n";
}

} // namespace

RadicaleServer::RadicaleServer()
{
    if (RunProgram(Python, {"-c", "import radicale, icalendar"}).Status != 0) {
        Reason = "Radicale (python3-radicale) or python3-icalendar is not installed";
        return;
    }
    WriteBytes(Folder.File("users"), std::string(User) + ":" + Password + "\n");
    WriteBytes(PasswordFile(), std::string(Password) + "\n");
    Port = FreeLocalPort();
    WriteBytes(Folder.File("config"), Config(Folder, Port));
    Server = std::make_unique<BackgroundProcess>(
        std::vector<std::string>{Python, "-m", "radicale", "--config", Folder.File("config")},
        Folder.File("log"));
    if (!WaitForLocalPort(Port, 20, *Server)) {
        Reason = "Radicale did not start: " + ReadBytes(Folder.File("log"));
        return;
    }
    CollectionUrl = Root() + "/" + User + "/planner/";
    int status = 0;
    Tool({"mkcalendar", CollectionUrl, User, Password}, &status);
    if (status != 0)
        Reason = "Radicale did not create the calendar: " + ReadBytes(Folder.File("log"));
}

int RadicaleServer::Requests(const std::string& method) const
{
    std::istringstream log(ReadBytes(Folder.File("log")));
    const std::string mark = "] " + method + " request for ";
    int count = 0;
    for (std::string line; std::getline(log, line);)
        count += line.find(mark) != std::string::npos ? 1 : 0;
    return count;
}

std::string RadicaleServer::Tool(const std::vector<std::string>& args, int* status)
{
    std::vector<std::string> all{PLANOVA_CALDAV_TOOL};
    all.insert(all.end(), args.begin(), args.end());
    const CliResult run = RunProgram(Python, all);
    if (status)
        *status = run.Status;
    return run.Out;
}

} // namespace planova::test
