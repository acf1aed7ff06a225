#include "common/in_memory_file_system.h"
#include "common/memory_file_store.h"

#include <utility>

namespace velmo {

InMemoryFileSystem::InMemoryFileSystem(std::chrono::milliseconds lockWait)
    : CarefulFileSystem(std::make_unique<MemoryFileStore>(), lockWait)
{
}

MemoryFileStore& InMemoryFileSystem::memory()
{
    return static_cast<MemoryFileStore&>(store());
}

const MemoryFileStore& InMemoryFileSystem::memory() const
{
    return static_cast<const MemoryFileStore&>(store());
}

InMemoryFileSystem::Kind InMemoryFileSystem::KindOf(const std::string& path) const
{
    const auto node = memory().Find(path);
    return node ? node->kind : Kind::Missing;
}

std::optional<std::string> InMemoryFileSystem::Content(const std::string& path) const
{
    const auto node = memory().Find(path);
    if (!node || node->kind != Kind::File)
        return std::nullopt;
    return node->content;
}

std::vector<std::string> InMemoryFileSystem::Names() const
{
    std::vector<std::string> names;
    for (const auto& [name, node] : memory().entries)
        names.push_back(name);
    return names;
}

void InMemoryFileSystem::SetContent(const std::string& path, std::string content)
{
    auto node = std::make_shared<MemoryFileStore::Node>();
    node->content = std::move(content);
    memory().entries.insert_or_assign(path, std::move(node));
}

void InMemoryFileSystem::MakeDirectory(const std::string& path)
{
    auto node = std::make_shared<MemoryFileStore::Node>();
    node->kind = Kind::Directory;
    memory().entries.insert_or_assign(path, std::move(node));
}

void InMemoryFileSystem::MakeReadOnly(const std::string& path)
{
    if (const auto node = memory().Find(path))
        node->readOnly = true;
}

void InMemoryFileSystem::Remove(const std::string& path)
{
    memory().entries.erase(path);
}

} // namespace velmo
