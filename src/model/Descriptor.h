#pragma once

#include <unistd.h>

#include <utility>

namespace planova {

/// Owns a file or socket descriptor and closes it when it goes out of scope.
class Descriptor
{
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : Fd(fd) {}
    ~Descriptor()
    {
        if (Fd >= 0)
            close(Fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor(Descriptor&& other) noexcept : Fd(std::exchange(other.Fd, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        if (this != &other) {
            if (Fd >= 0)
                close(Fd);
            Fd = std::exchange(other.Fd, -1);
        }
        return *this;
    }
    int Get() const { return Fd; }
    bool IsOpen() const { return Fd >= 0; }
    /// Closes now; false with errno when closing reported an error.
    bool Close()
    {
        const int fd = std::exchange(Fd, -1);
        return close(fd) == 0;
    }

private:
    int Fd = -1;
};

} // namespace planova
