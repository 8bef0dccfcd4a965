#pragma once

#include <cstdlib>
#include <memory>

namespace planova::cli {

/**
 * The Qt application object a command needs (QGuiApplication to paint, QApplication for widgets);
 * without a display the offscreen platform is used.
 */
template <typename Application> std::unique_ptr<Application> StartQt()
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
        std::getenv("WAYLAND_DISPLAY") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "planova-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<Application>(argc, argv);
}

} // namespace planova::cli
