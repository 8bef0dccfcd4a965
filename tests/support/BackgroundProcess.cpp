#include "support/BackgroundProcess.h"

#include <arpa/inet.h>
#include <csignal>
#include <fcntl.h>
#include <netinet/in.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace planova::test {
namespace {

sockaddr_in LocalAddress(int port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

} // namespace

BackgroundProcess::BackgroundProcess(const std::vector<std::string>& command, const std::string& logFile)
{
    std::vector<std::string> args = command;
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, logFile.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t child = 0;
    if (posix_spawn(&child, args.front().c_str(), &actions, nullptr, argv.data(), environ) == 0)
        Child = child;
    posix_spawn_file_actions_destroy(&actions);
}

BackgroundProcess::~BackgroundProcess()
{
    if (Child <= 0)
        return;
    kill(Child, SIGTERM);
    waitpid(Child, nullptr, 0);
}

bool BackgroundProcess::Running()
{
    if (Child <= 0)
        return false;
    if (waitpid(Child, nullptr, WNOHANG) == 0)
        return true;
    Child = -1;
    return false;
}

int FreeLocalPort()
{
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = LocalAddress(0);
    socklen_t size = sizeof address;
    int port = 0;
    if (bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size) == 0)
        port = ntohs(address.sin_port);
    close(probe);
    return port;
}

bool WaitForLocalPort(int port, double seconds, BackgroundProcess& server)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < until && server.Running()) {
        const int probe = socket(AF_INET, SOCK_STREAM, 0);
        const sockaddr_in address = LocalAddress(port);
        const bool connected =
            connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        close(probe);
        if (connected)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

} // namespace planova::test
