#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace planova::test {

/**
 * A program running beside a test (a server, a proxy), its standard output and error going to a
 * log file; stopped (SIGTERM, then waited for) when the object goes.
 */
class BackgroundProcess
{
public:
    BackgroundProcess(const std::vector<std::string>& command, const std::string& logFile);
    ~BackgroundProcess();
    BackgroundProcess(const BackgroundProcess&) = delete;
    BackgroundProcess& operator=(const BackgroundProcess&) = delete;

    bool Started() const { return Child > 0; }
    /// Whether it still runs (false once it has exited on its own).
    bool Running();

private:
    pid_t Child = -1;
};

/// A TCP port of 127.0.0.1 that nothing listens on at the moment of the call.
int FreeLocalPort();

/// Waits up to `seconds` until a connection to 127.0.0.1:port succeeds.
bool WaitForLocalPort(int port, double seconds, BackgroundProcess& server);

} // namespace planova::test
