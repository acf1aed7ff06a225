#include "progress/csv_cells.h"

#include "common/utf8_text.h"

#include <algorithm>

namespace velmo {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// -12 or -0.5: a spreadsheet reads it as a number, not a formula.
bool IsNegativeNumber(std::string_view text)
{
    if (text.size() < 2 || text[0] != '-')
        return false;
    const std::string_view rest = text.substr(1);
    const std::size_t point = rest.find('.');
    const std::string_view whole = rest.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? "0" : rest.substr(point + 1);
    return !whole.empty() && !fraction.empty() && std::all_of(whole.begin(), whole.end(), IsDigit) &&
           std::all_of(fraction.begin(), fraction.end(), IsDigit);
}

bool NeedsApostrophe(std::string_view text)
{
    if (text.empty() || IsNegativeNumber(text))
        return false;
    return std::string_view("=+-@\t\r'").find(text.front()) != std::string_view::npos;
}

// Undoes steps 1 and 2 of the writing (see the header).  The apostrophe can
// be dropped first: no escape begins with one.  An unknown escape, which
// only a hand edit makes, is kept as it stands.
void Unescape(std::string_view stored, std::string& text)
{
    if (!stored.empty() && stored.front() == '\'')
        stored.remove_prefix(1);
    if (stored.find('\\') == std::string_view::npos) {
        text.assign(stored);
        return;
    }
    text.clear();
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const char c = stored[i];
        const char next = i + 1 < stored.size() ? stored[i + 1] : '\0';
        if (c == '\\' && (next == '\\' || next == 'n' || next == 'r')) {
            text += next == 'n' ? '\n' : next == 'r' ? '\r' : '\\';
            ++i;
        } else
            text += c;
    }
}

} // namespace

void AppendCell(std::string& line, std::string_view text)
{
    const std::string valid = ToValidUtf8(text);
    std::string cell = NeedsApostrophe(valid) ? "'" : "";
    for (const char c : valid) {
        switch (c) {
        case '\\': cell += "\\\\"; break;
        case '\n': cell += "\\n"; break;
        case '\r': cell += "\\r"; break;
        default: cell += c;
        }
    }
    if (!line.empty())
        line += ',';
    if (cell.find_first_of(",\"") == std::string::npos) {
        line += cell;
        return;
    }
    line += '"';
    for (const char c : cell) {
        if (c == '"')
            line += '"';
        line += c;
    }
    line += '"';
}

bool SplitCells(std::string_view line, std::vector<std::string>& cells)
{
    std::size_t count = 0;
    std::string quoted; // a quoted cell without its quotes
    std::size_t at = 0;
    while (true) {
        std::string_view stored;
        if (at < line.size() && line[at] == '"') {
            quoted.clear();
            ++at;
            while (true) {
                const std::size_t quote = line.find('"', at);
                if (quote == std::string_view::npos)
                    return false;
                quoted.append(line.substr(at, quote - at));
                at = quote + 1;
                if (at < line.size() && line[at] == '"') {
                    quoted += '"';
                    ++at;
                } else
                    break;
            }
            if (at < line.size() && line[at] != ',')
                return false;
            stored = quoted;
        } else {
            const std::size_t end = std::min(line.find(',', at), line.size());
            stored = line.substr(at, end - at);
            if (stored.find('"') != std::string_view::npos)
                return false;
            at = end;
        }
        if (cells.size() <= count)
            cells.emplace_back();
        Unescape(stored, cells[count++]);
        if (at >= line.size())
            break;
        ++at; // the comma
    }
    cells.resize(count);
    return true;
}

} // namespace velmo
