// The real desktop platform: an SDL2 window and keys, OpenAL Soft sound, espeak-ng speech.
#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"

namespace dravlen::desktop {

class DesktopPlatform {
public:
    // Opens the sound device, the window and the speech engine. Null, with a sentence saying
    // what is missing in *error, when there is no sound device or no window can be made. A
    // speech engine that cannot start gives no voices (the game itself reports that).
    static std::unique_ptr<DesktopPlatform> create(std::string* error);
    ~DesktopPlatform();
    DesktopPlatform(const DesktopPlatform&) = delete;
    DesktopPlatform& operator=(const DesktopPlatform&) = delete;

    Platform platform();

    // A message box when one can be shown, always also on standard error; usable without a
    // platform (when creating one failed).
    static void showError(const std::string& text);

    struct Parts;

private:
    explicit DesktopPlatform(std::unique_ptr<Parts> parts);
    std::unique_ptr<Parts> parts_;
};

}  // namespace dravlen::desktop
