#include "common/temporary_names.h"

#include <algorithm>
#include <random>
#include <string_view>

namespace velmo {
namespace {

namespace fs = std::filesystem;
using NativeString = fs::path::string_type;
using NativeChar = fs::path::value_type;

constexpr std::string_view kTemporaryInfix = ".tmp-velmo-";
constexpr std::size_t kTemporarySuffixLength = 6;
constexpr std::string_view kSuffixChars = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

bool IsSuffixChar(NativeChar c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

NativeString TemporaryPrefix(const fs::path& target)
{
    NativeString prefix(1, NativeChar('.'));
    prefix += target.filename().native();
    prefix.append(kTemporaryInfix.begin(), kTemporaryInfix.end());
    return prefix;
}

fs::path FreshTemporaryPath(const fs::path& target)
{
    std::random_device entropy;
    std::uniform_int_distribution<std::size_t> pick(0, kSuffixChars.size() - 1);
    NativeString name = TemporaryPrefix(target);
    for (std::size_t i = 0; i < kTemporarySuffixLength; ++i)
        name += NativeChar(kSuffixChars[pick(entropy)]);
    return target.parent_path() / name;
}

bool IsTemporaryName(const fs::path& name, const fs::path& target)
{
    const NativeString& text = name.native();
    const NativeString prefix = TemporaryPrefix(target);
    if (text.size() != prefix.size() + kTemporarySuffixLength || text.compare(0, prefix.size(), prefix) != 0)
        return false;
    return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(prefix.size()), text.end(), IsSuffixChar);
}

} // namespace velmo
