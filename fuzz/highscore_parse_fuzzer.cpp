// Feeds arbitrary bytes to the highscore reader as the content of
// "Highscores.txt" and checks what the reader promises: at most ten values,
// the unread slots 0, the same values as the stream library's own integer
// extraction would give, and a rewrite that reads back as the same ten slots.
#include "scores/highscore_file.h"
#include "support/highscore_format.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "highscore_parse_fuzzer: %s\n", what);
    std::abort();
}

// What the stream library's formatted integer extraction reads, value after
// value, after a whole UTF-8 byte-order mark at the very start.
velmo::HighscoreValues ReferenceParse(const std::string& content)
{
    velmo::HighscoreValues values;
    std::string body = content;
    if (body.rfind("\xEF\xBB\xBF", 0) == 0)
        body.erase(0, 3);
    else if (!body.empty() && static_cast<unsigned char>(body[0]) == 0xEF)
        return values; // part of a byte-order mark ends the reading at once
    std::istringstream in(body);
    std::int32_t v = 0;
    while (values.count < velmo::kHighscoreSlotCount && in >> v)
        values.slots[static_cast<std::size_t>(values.count++)] = v;
    return values;
}

bool IsCanonical(const std::string& text)
{
    return velmo::test::IsExactHighscoreLayout(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string content(reinterpret_cast<const char*>(data), size);
    std::istringstream in(content);
    const velmo::HighscoreValues values = velmo::ParseHighscoreValues(in);

    if (values.count < 0 || values.count > velmo::kHighscoreSlotCount)
        Fail("count out of 0..10");
    for (int i = values.count; i < velmo::kHighscoreSlotCount; ++i)
        if (values.slots[static_cast<std::size_t>(i)] != 0)
            Fail("a slot the file did not supply is not 0");

    const velmo::HighscoreValues reference = ReferenceParse(content);
    if (reference.count != values.count || reference.slots != values.slots)
        Fail("differs from the stream library's integer extraction");

    const std::string rewritten = velmo::FormatHighscoreValues(values.slots);
    if (!IsCanonical(rewritten))
        Fail("a rewrite is not ten integers each followed by one blank");
    std::istringstream again(rewritten);
    const velmo::HighscoreValues reread = velmo::ParseHighscoreValues(again);
    if (reread.count != velmo::kHighscoreSlotCount || reread.slots != values.slots)
        Fail("a rewrite does not read back as the same slots");
    return 0;
}
