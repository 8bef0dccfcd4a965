#pragma once

#include "support/BackgroundProcess.h"
#include "support/TempDir.h"

#include <memory>
#include <string>
#include <vector>

namespace planova::test {

/**
 * A Radicale calendar server of its own on 127.0.0.1 (a free port, a temporary storage folder, one
 * user "teacher" with the password "secret"), holding an empty calendar collection; stopped and
 * removed at the end. When Radicale cannot start, Failure() says why and the test skips.
 */
class RadicaleServer
{
public:
    static constexpr const char* User = "teacher";
    static constexpr const char* Password = "secret";

    RadicaleServer();

    const std::string& Failure() const { return Reason; }
    /// The calendar collection, "http://127.0.0.1:PORT/teacher/planner/".
    const std::string& Collection() const { return CollectionUrl; }
    /// The server's root, "http://127.0.0.1:PORT".
    std::string Root() const { return "http://127.0.0.1:" + std::to_string(Port); }
    /// A file holding the password, for "--password-file".
    std::string PasswordFile() const { return Folder.File("password"); }
    /// How many requests of the method ("PUT", "DELETE") the server has answered so far.
    int Requests(const std::string& method) const;

    /// Runs the independent client (caldav_tool.py) with the arguments; its standard output.
    static std::string Tool(const std::vector<std::string>& args, int* status = nullptr);

private:
    TempDir Folder;
    int Port = 0;
    std::string CollectionUrl;
    std::string Reason;
    std::unique_ptr<BackgroundProcess> Server;
};

} // namespace planova::test
