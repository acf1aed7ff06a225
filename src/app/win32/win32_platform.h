// The platform of the Win32 window: box texts go to the dialog's edit
// controls, messages to a modal MessageBoxW owned by the dialog; time goes
// through the Clock the Platform carries (the real one in the program).
#pragma once

#include "common/clock.h"
#include "common/platform.h"
#include "system/windows/windows_api.h"

#include <string>

namespace velmo {

class Win32Platform : public Platform {
public:
    Win32Platform(FileSystem& files, Clock& clock);

    // The dialog whose boxes SetBoxText fills and that owns the message boxes.
    void AttachDialog(HWND dialog) { dialog_ = dialog; }

    void SetBoxText(int boxId, std::string_view text) override;
    void ShowMessage(std::string_view text, std::optional<std::string_view> caption = std::nullopt) override;

private:
    HWND dialog_ = nullptr;
    std::wstring applicationName_;
};

// The application's name as Windows programs have it: the executable's file
// name without its extension ("velmorandine").
std::wstring ApplicationName();

} // namespace velmo
