#include "support/tournament_texts.h"

#include "tournament/tournament_tables.h"

#include <regex>

namespace velmo::test {

std::optional<Description> ParseDescription(std::string_view text)
{
    static const std::regex form(R"(Blinds ([1-9][0-9]*)/([1-9][0-9]*), you have ([1-9][0-9]*), )"
                                 R"(([1-9][0-9]*) p from bubble, with: )");
    std::match_results<std::string_view::const_iterator> m;
    if (!std::regex_match(text.begin(), text.end(), m, form))
        return std::nullopt;
    return Description{std::stoll(m.str(1)), std::stoll(m.str(2)), std::stoll(m.str(3)), std::stoll(m.str(4))};
}

bool IsSituationOf(int group, std::string_view text)
{
    if (group < 1 || group > kTournamentGroupCount || text.size() < 4)
        return false;
    const TournamentGroup& g = TournamentGroups()[static_cast<std::size_t>(group - 1)];
    const std::string_view description = text.substr(0, text.size() - 4);
    const std::string_view hand = text.substr(text.size() - 4);
    bool descriptionFound = false;
    for (std::string_view d : g.descriptions)
        descriptionFound = descriptionFound || d == description;
    bool handFound = false;
    for (std::string_view h : g.hands)
        handFound = handFound || h == hand;
    return descriptionFound && handFound;
}

} // namespace velmo::test
