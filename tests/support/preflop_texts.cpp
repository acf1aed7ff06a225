#include "support/preflop_texts.h"

#include <algorithm>
#include <map>
#include <unordered_map>

namespace velmo::test {
namespace {

std::vector<std::string_view> Entries(PreflopList list)
{
    const auto e = PreflopListEntries(list);
    return {e.begin(), e.end()};
}

DrawPath Path(std::string name, std::vector<std::string_view> prefixes, PreflopList tails, std::uint32_t pauseMs)
{
    return {std::move(name), std::move(prefixes), PreflopListEntries(tails), pauseMs};
}

std::map<int, std::vector<DrawPath>> BuildPaths()
{
    using L = PreflopList;
    std::map<int, std::vector<DrawPath>> paths;
    paths[1] = {
        Path("UTG 6-max", {"You are UTG, 6-max, with "}, L::UtgSixMaxOpenHands, 25),
        Path("UTG full ring", {"You are UTG, full ring, with "}, L::UtgFullRingOpenHands, 25),
        Path("HJ", {"You are in the HJ, with "}, L::HijackOpenHands, 25),
    };
    paths[2] = {
        Path("late open", Entries(L::LateOpenFoldPrefixes), L::FoldHands, 75 + 11),
        Path("against UTG", Entries(L::UtgFoldPrefixes), L::FoldHandsAgainstUtg, 90 + 21),
        Path("complete", {""}, L::CompleteFoldTexts, 12),
    };
    const struct {
        std::string_view prefix;
        L hands;
        std::uint32_t pause;
    } calls[] = {
        {"CO opens 3x BB, folds to you in BB with: ", L::CallList1Hands, 26},
        {"BU opens 2x BB, folds to you in BB with: ", L::CallList2Hands, 35},
        {"BU opens 2,5x BB, folds to you in BB with: ", L::CallList3Hands, 52},
        {"BU opens 3x BB, folds to you in BB with: ", L::CallList4Hands, 24},
        {"UTG opens 3x BB (6-max), folds to you on BU with: ", L::CallList5Hands, 65},
        {"UTG opens 3x BB (full ring), folds to you on BU with: ", L::CallList6Hands, 65},
        {"UTG opens 3x BB (6-max), folds to you in HJ with: ", L::CallList7Hands, 65},
        {"UTG opens 3x BB (full ring), folds to you in HJ with: ", L::CallList8Hands, 65},
        {"UTG opens 3x BB (6-max), folds to you in CO with: ", L::CallList9Hands, 65},
        {"BU opens 3x BB, you are in SB with: ", L::CallList10Hands, 65},
        {"BU opens 2x BB, folds to you in BB with: ", L::CallList11Hands, 35},
        {"UTG opens 3x BB (full ring), folds to you in CO with: ", L::CallList12Hands, 65},
    };
    int n = 0;
    for (const auto& c : calls)
        paths[3].push_back(Path("call " + std::to_string(++n), {c.prefix}, c.hands, 35 + c.pause));
    paths[4] = {Path("3b", Entries(L::ThreeBetPrefixes), L::ThreeBetHands, 26 + 16)};
    paths[5] = {Path("open, call 3b", Entries(L::OpenCallPrefixes), L::OpenCallHands, 26 + 36)};
    paths[6] = {Path("open, fold to 3b", {""}, L::OpenFoldToThreeBetTexts, 16)};
    paths[7] = {Path("open, 4b", Entries(L::FourBetPrefixes), L::FourBetHands, 20 + 11)};
    return paths;
}

using TextIndex = std::map<int, std::unordered_map<std::string, std::vector<const DrawPath*>>>;

// Every text each code can show, with the paths that give it.
TextIndex BuildIndex()
{
    TextIndex index;
    for (int code = 1; code <= 7; ++code)
        for (const DrawPath& path : PathsOf(code))
            for (std::string_view prefix : path.prefixes)
                for (std::string_view tail : path.tails)
                    index[code][std::string(prefix) + std::string(tail)].push_back(&path);
    return index;
}

} // namespace

const std::vector<DrawPath>& PathsOf(int code)
{
    static const auto paths = BuildPaths();
    static const std::vector<DrawPath> none;
    const auto it = paths.find(code);
    return it == paths.end() ? none : it->second;
}

std::vector<const DrawPath*> PathsGiving(int code, std::string_view text)
{
    static const TextIndex index = BuildIndex();
    const auto texts = index.find(code);
    if (texts == index.end())
        return {};
    const auto it = texts->second.find(std::string(text));
    if (it == texts->second.end())
        return {};
    auto found = it->second;
    // A text listed twice on one path names that path once.
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

std::string SessionLikeDrawer::Draw(int code)
{
    platform.Advance(static_cast<std::uint32_t>(waits_() % 3000 + 1));
    platform.Reseed();
    platform.rand();
    const auto before = platform.sleptMs();
    auto text = GeneratePreflopSituation(platform, code);
    lastPause_ = platform.sleptMs() - before;
    return text;
}

} // namespace velmo::test
