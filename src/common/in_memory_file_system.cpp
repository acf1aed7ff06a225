#include "common/in_memory_file_system.h"

#include <algorithm>
#include <sstream>
#include <utility>

namespace velmo {

std::unique_ptr<std::istream> InMemoryFileSystem::OpenForReading(const std::string& path)
{
    const Entry* entry = Find(path);
    if (!entry || entry->kind != Kind::File)
        return nullptr;
    return std::make_unique<std::istringstream>(entry->content);
}

ScratchRoundTrip InMemoryFileSystem::RoundTripScratch(const std::string& path, std::string_view content)
{
    using Status = ScratchRoundTrip::Status;
    if (KindOf(path) == Kind::Directory)
        return {Status::NotWritten, {}};
    entries_.erase(path); // the old file goes first, as a fresh one is made
    if (!Writes(path, content))
        return {Status::NotWritten, {}};
    if (!ReadBackAllowed()) {
        SetContent(path, std::string(content)); // written, and it stays
        return {Status::NotReadBack, {}};
    }
    return {Status::Done, std::string(content)};
}

bool InMemoryFileSystem::CreateExclusively(const std::string& path, std::string_view content)
{
    if (KindOf(path) != Kind::Missing || !Writes(path, content))
        return false;
    SetContent(path, std::string(content));
    return true;
}

void InMemoryFileSystem::RemoveStaleTemporaries(const std::string& /*path*/)
{
    // Every rewrite here is whole at once: no temporary file is ever left.
}

bool InMemoryFileSystem::Rewrite(const std::string& path, std::string_view content)
{
    if (KindOf(path) == Kind::Directory || !Writes(path, content))
        return false;
    SetContent(path, std::string(content));
    return true;
}

UpdateOutcome InMemoryFileSystem::Update(const std::string& path, const Change& change)
{
    const Entry* entry = Find(path);
    if (!entry || entry->kind != Kind::File)
        return UpdateOutcome::Unreadable;
    std::istringstream current(entry->content);
    const std::optional<std::string> next = change(current);
    if (!next)
        return UpdateOutcome::Unchanged;
    return Rewrite(path, *next) ? UpdateOutcome::Written : UpdateOutcome::WriteFailed;
}

InMemoryFileSystem::Kind InMemoryFileSystem::KindOf(const std::string& path) const
{
    const Entry* entry = Find(path);
    return entry ? entry->kind : Kind::Missing;
}

std::optional<std::string> InMemoryFileSystem::Content(const std::string& path) const
{
    const Entry* entry = Find(path);
    if (!entry || entry->kind != Kind::File)
        return std::nullopt;
    return entry->content;
}

std::vector<std::string> InMemoryFileSystem::Names() const
{
    std::vector<std::string> names;
    for (const auto& [name, entry] : entries_)
        names.push_back(name);
    return names;
}

void InMemoryFileSystem::SetContent(const std::string& path, std::string content)
{
    entries_.insert_or_assign(path, Entry{Kind::File, std::move(content)});
}

void InMemoryFileSystem::MakeDirectory(const std::string& path)
{
    entries_.insert_or_assign(path, Entry{Kind::Directory, {}});
}

void InMemoryFileSystem::Remove(const std::string& path)
{
    entries_.erase(path);
}

bool InMemoryFileSystem::Writes(const std::string& path, std::string_view content)
{
    for (std::size_t left = content.size(); left > 0;) {
        const std::size_t allowed = std::min(WriteAllowance(path, left), left);
        if (allowed == 0)
            return false;
        left -= allowed;
    }
    return true;
}

const InMemoryFileSystem::Entry* InMemoryFileSystem::Find(const std::string& path) const
{
    const auto it = entries_.find(path);
    return it == entries_.end() ? nullptr : &it->second;
}

} // namespace velmo
