#include "app/web/browser_log_lines.h"

#include "system/web/page_imports.h"

#include <cstdlib>
#include <memory>

namespace velmo {
namespace {

using PageText = std::unique_ptr<char, decltype(&std::free)>;

} // namespace

bool BrowserLogLines::MayBeOn()
{
    return velmo_log_may_be_on() != 0;
}

std::optional<bool> BrowserLogLines::IsOn()
{
    switch (static_cast<PageLogStateAnswer>(velmo_log_state())) {
    case PageLogStateAnswer::On: return true;
    case PageLogStateAnswer::Off: return false;
    case PageLogStateAnswer::Unreadable: break;
    }
    return std::nullopt;
}

bool BrowserLogLines::TurnOn(std::string_view header)
{
    return velmo_log_turn_on(header.data(), header.size()) != 0;
}

bool BrowserLogLines::TurnOff()
{
    return velmo_log_turn_off() != 0;
}

void BrowserLogLines::Append(std::string_view line, std::string_view time)
{
    velmo_log_append(line.data(), line.size(), time.data(), time.size());
}

bool BrowserLogLines::AppendAll(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        velmo_log_stage(line.data(), line.size());
    return velmo_log_append_staged() != 0;
}

std::optional<LogLineStore::Batch> BrowserLogLines::Read(std::int64_t after)
{
    double last = 0;
    std::size_t length = 0;
    int end = 0;
    const PageText text(velmo_log_read(static_cast<double>(after), &last, &end, &length), &std::free);
    if (!text)
        return std::nullopt;
    return Batch{std::string(text.get(), length), static_cast<std::int64_t>(last), end != 0};
}

std::optional<std::string> BrowserLogLines::FailingSince()
{
    std::size_t length = 0;
    const PageText text(velmo_log_failing_since(&length), &std::free);
    return text ? std::optional<std::string>(std::string(text.get(), length)) : std::nullopt;
}

} // namespace velmo
