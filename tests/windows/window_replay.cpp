// velmo-window-replay: a replay script played on the real Win32 dialog
// rather than on the trainers alone.  The program's own CTrainerDlg runs
// modally with its dialog procedure, event table and Win32 platform writing
// the real edit controls; only the clock is the replay tool's simulated one
// (so every response time, pause and log time is the script's, not the
// machine's) and messages are answered at once instead of shown.  Each
// `press` reaches the dialog as its button's click does (WM_COMMAND,
// BN_CLICKED), each `wait` moves the clock, each `type` sets the box's text,
// all from inside the dialog's own message loop.
//
//   velmo-window-replay [--log-time TIME] --tick N SCRIPT
//
// It prints what velmorandine-replay prints, each box's text as read back
// from its control, so that compare_replay.sh holds its output, the
// practice log and the highscores against the Linux replay tool's.
#include "app/win32/dialog_template.h"
#include "app/win32/trainer_dlg.h"
#include "app/win32/win32_platform.h"
#include "common/clock.h"
#include "common/file_system.h"
#include "progress/local_time.h"
#include "replay_runner.h"
#include "replay_script.h"
#include "shell/trainer_set.h"
#include "system/windows/windows_text.h"
#include "velmo_names.h"

#include <fcntl.h>
#include <io.h>

#include <fstream>
#include <iostream>
#include <string>

namespace {

using namespace velmo;

// The Win32 platform, writing the real controls, that also prints each
// effect as the replay tool does; a message is printed, not shown.
class ScriptPlatform : public Win32Platform {
public:
    using Win32Platform::Win32Platform;
    void SetBoxText(int boxId, std::string_view text) override
    {
        Win32Platform::SetBoxText(boxId, text);
        std::string shown(text);
        if (dialog) {
            const HWND box = ::GetDlgItem(dialog, boxId);
            std::wstring wide(static_cast<std::size_t>(::GetWindowTextLengthW(box)) + 1, L'\0');
            wide.resize(static_cast<std::size_t>(::GetWindowTextW(box, wide.data(), static_cast<int>(wide.size()))));
            shown = NarrowToUtf8(wide);
        }
        std::cout << replay::BoxLine(boxId, shown) << '\n';
    }
    void ShowMessage(std::string_view text, std::optional<std::string_view> caption) override
    {
        std::cout << replay::MessageLine(std::string(text), std::string(caption ? *caption : kApplicationName)) << '\n';
    }
    HWND dialog = nullptr; // found once the dialog runs
};

struct ScriptRun {
    std::ifstream script;
    std::string scriptName;
    SimulatedClock* clock = nullptr;
    ScriptPlatform* platform = nullptr;
    int status = replay::kExitOk;
};
ScriptRun* run = nullptr;

HWND FindOwnDialog()
{
    HWND window = nullptr;
    while ((window = ::FindWindowExW(nullptr, window, L"#32770", kDialogCaption)) != nullptr) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        if (process == ::GetCurrentProcessId() && !::GetWindow(window, GW_OWNER))
            return window;
    }
    return nullptr;
}

// The whole script, run once the dialog's loop dispatches the timer; then
// the dialog ends as Escape ends it.
void CALLBACK RunScript(HWND, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(nullptr, timer);
    const HWND dialog = FindOwnDialog();
    run->platform->dialog = dialog;
    std::string line;
    for (long number = 1; dialog && std::getline(run->script, line); ++number) {
        const replay::ParseResult parsed = replay::ParseLine(line);
        if (!parsed.command) {
            replay::ReportProblem(std::cerr, run->scriptName, number, parsed.error);
            run->status = replay::kExitBadInput;
            break;
        }
        if (const auto* press = std::get_if<replay::PressCommand>(&*parsed.command))
            ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(press->id, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(dialog, press->id)));
        else if (const auto* wait = std::get_if<replay::WaitCommand>(&*parsed.command))
            run->clock->Advance(wait->ms);
        else if (const auto* type = std::get_if<replay::TypeCommand>(&*parsed.command))
            run->platform->SetBoxText(type->id, type->text);
    }
    std::cout.flush();
    ::SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

int Usage()
{
    std::cerr << "usage: velmo-window-replay [--log-time TIME] --tick N SCRIPT\n";
    return replay::kExitBadInput;
}

} // namespace

int main(int argc, char** argv)
{
    ::_setmode(::_fileno(stdout), _O_BINARY); // "\n" alone, as the replay tool writes
    std::optional<std::uint32_t> tick;
    std::optional<LocalTime> logTime;
    ScriptRun state;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--tick" && i + 1 < argc)
            tick = replay::ParseUnsigned(argv[++i]);
        else if (arg == "--log-time" && i + 1 < argc)
            logTime = ParseLocalTime(argv[++i]);
        else
            state.scriptName = arg;
    }
    state.script.open(state.scriptName);
    if (!tick || !state.script)
        return Usage();

    RealFileSystem files;
    SimulatedClock clock(*tick);
    clock.SetWallTime(logTime ? *logTime : RealClock().WallTime());
    ScriptPlatform platform(files, clock);
    TrainerSet trainers(platform);
    StartUp(trainers);
    state.clock = &clock;
    state.platform = &platform;
    run = &state;
    CTrainerDlg dialog(::GetModuleHandleW(nullptr), trainers, platform);
    ::SetTimer(nullptr, 0, 0, RunScript);
    dialog.DoModal();
    std::cout.flush();
    return std::cout ? state.status : replay::kExitOutputFailed;
}
