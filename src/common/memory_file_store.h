// The in-memory store under InMemoryFileSystem, and under the web edition's
// store for the files that never leave memory.
#pragma once

#include "common/file_store.h"
#include "common/in_memory_file_system.h"

#include <cstring>
#include <map>
#include <memory>
#include <thread>
#include <utility>

namespace velmo {

// Names in a map, each leading to a node that open files share.
class MemoryFileStore : public FileStore {
public:
    struct Node {
        InMemoryFileSystem::Kind kind = InMemoryFileSystem::Kind::File;
        std::string content;
        bool readOnly = false;
        int holders = 0; // files made by CreateExclusive and still open
    };

    std::optional<Link> LinkTarget(const std::string& /*path*/) override { return std::nullopt; }
    int LinkLimit() const override { return 0; }

    std::vector<std::string> List(const std::string& /*folder*/) override
    {
        std::vector<std::string> names;
        for (const auto& [name, node] : entries)
            names.push_back(name);
        return names;
    }

    OpenResult Open(const std::string& path, bool forWriting) override
    {
        const auto node = Find(path);
        if (!node)
            return {OpenResult::Status::Missing, nullptr};
        if (node->kind != InMemoryFileSystem::Kind::File)
            return {OpenResult::Status::NotAFile, nullptr};
        OpenResult result{OpenResult::Status::Opened, std::make_unique<File>(node, false)};
        result.writable = forWriting;
        result.readOnly = node->readOnly;
        return result;
    }

    OpenResult OpenForAppend(const std::string& path) override { return Open(path, true); }

    CreateResult CreateExclusive(const std::string& path) override
    {
        if (Find(path))
            return {CreateResult::Status::Exists, nullptr};
        auto node = std::make_shared<Node>();
        entries.emplace(path, node);
        return {CreateResult::Status::Created, std::make_unique<File>(std::move(node), true)};
    }

    CreateResult CreateUnnamed(const std::string& /*target*/) override
    {
        return {CreateResult::Status::Created, std::make_unique<File>(std::make_shared<Node>(), true)};
    }

    PublishResult Name(StoredFile& file, const std::string& name) override
    {
        const bool named = entries.emplace(name, static_cast<File&>(file).node()).second;
        return named ? PublishResult::Done : PublishResult::Exists;
    }

    LockResult TryLock(const std::string& /*path*/) override { return {LockResult::Status::NoLock, nullptr}; }

    bool KeepAttributes(StoredFile& /*from*/, StoredFile& /*to*/) override { return true; }

    PublishResult Publish(StoredFile& file, const std::string& name, const std::string& target, bool replace) override
    {
        if (!replace && Find(target))
            return PublishResult::Exists;
        auto node = static_cast<File&>(file).node();
        if (!name.empty())
            entries.erase(name);
        entries.insert_or_assign(target, std::move(node));
        return PublishResult::Done;
    }

    void Delete(StoredFile& file, const std::string& name) override
    {
        const auto it = entries.find(name);
        if (it != entries.end() && it->second == static_cast<File&>(file).node())
            entries.erase(it);
    }

    Standing Look(const std::string& name) override
    {
        auto node = Find(name);
        Standing standing;
        if (!node) {
            standing.kind = Standing::Kind::Nothing;
            return standing;
        }
        standing.kind = node->kind == InMemoryFileSystem::Kind::File ? Standing::Kind::File : Standing::Kind::Other;
        standing.readOnly = node->readOnly;
        standing.held = node->holders > 0;
        standing.seen = std::make_unique<SeenNode>(std::move(node));
        return standing;
    }

    RemoveResult RemoveIfStill(const std::string& name, Standing& standing) override
    {
        const auto it = entries.find(name);
        if (it == entries.end() || it->second != static_cast<SeenNode&>(*standing.seen).node)
            return RemoveResult::Gone;
        entries.erase(it);
        return RemoveResult::Removed;
    }

    void Nap() override { std::this_thread::yield(); }

    std::shared_ptr<Node> Find(const std::string& path) const
    {
        const auto it = entries.find(path);
        return it == entries.end() ? nullptr : it->second;
    }

    std::map<std::string, std::shared_ptr<Node>, std::less<>> entries;

private:
    struct SeenNode : Standing::Seen {
        explicit SeenNode(std::shared_ptr<Node> seen) : node(std::move(seen)) {}
        std::shared_ptr<Node> node;
    };

    class File : public StoredFile {
    public:
        File(std::shared_ptr<Node> node, bool holds) : node_(std::move(node)), holds_(holds)
        {
            node_->holders += holds_ ? 1 : 0;
        }
        ~File() override { node_->holders -= holds_ ? 1 : 0; }
        const std::shared_ptr<Node>& node() const { return node_; }

        std::optional<std::size_t> ReadAt(std::uint64_t offset, char* buffer, std::size_t size) override
        {
            return ReadTextAt(node_->content, offset, buffer, size);
        }
        std::optional<std::size_t> WriteAt(std::uint64_t offset, const char* data, std::size_t size) override
        {
            std::string& content = node_->content;
            if (content.size() < offset + size)
                content.resize(offset + size);
            std::memcpy(content.data() + offset, data, size);
            return size;
        }
        bool Truncate(std::uint64_t size) override
        {
            node_->content.resize(size);
            return true;
        }
        bool Flush() override { return true; }
        std::optional<std::uint64_t> Size() override { return node_->content.size(); }
        std::optional<std::size_t> Append(const char* data, std::size_t size) override
        {
            node_->content.append(data, size);
            return size;
        }

    private:
        std::shared_ptr<Node> node_;
        bool holds_;
    };
};

} // namespace velmo
