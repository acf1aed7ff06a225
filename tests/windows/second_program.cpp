// The unit-test program's main: GoogleTest, or one role as a second program.
#include "windows/second_program.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

namespace velmo::test {
namespace {

constexpr std::string_view kRoleSwitch = "--second-program";

std::map<std::string, Role, std::less<>>& Roles()
{
    static std::map<std::string, Role, std::less<>> roles;
    return roles;
}

std::wstring ThisProgram()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

} // namespace

RoleRegistration::RoleRegistration(const char* name, Role role)
{
    Roles().emplace(name, role);
}

SecondProgram::SecondProgram(const char* role, int k)
{
    const std::wstring program = ThisProgram();
    std::wstring commandLine = L"\"" + program + L"\" " + std::wstring(kRoleSwitch.begin(), kRoleSwitch.end()) + L" ";
    for (const char* c = role; *c != '\0'; ++c)
        commandLine += static_cast<wchar_t>(*c);
    commandLine += L" " + std::to_wstring(k);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    started_ = ::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                &startup, &process_) != 0;
}

SecondProgram::~SecondProgram()
{
    if (!started_)
        return;
    if (::WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0)
        ::TerminateProcess(process_.hProcess, 98);
    ::CloseHandle(process_.hThread);
    ::CloseHandle(process_.hProcess);
}

std::optional<int> SecondProgram::Wait(std::chrono::milliseconds limit)
{
    if (!started_)
        return std::nullopt;
    if (::WaitForSingleObject(process_.hProcess, static_cast<DWORD>(limit.count())) != WAIT_OBJECT_0) {
        ::TerminateProcess(process_.hProcess, 98);
        return std::nullopt;
    }
    DWORD status = 0;
    if (!::GetExitCodeProcess(process_.hProcess, &status))
        return std::nullopt;
    return static_cast<int>(status);
}

} // namespace velmo::test

int main(int argc, char** argv)
{
    if (argc == 4 && argv[1] == velmo::test::kRoleSwitch) {
        const auto role = velmo::test::Roles().find(std::string_view(argv[2]));
        return role == velmo::test::Roles().end() ? 99 : role->second(std::atoi(argv[3]));
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
