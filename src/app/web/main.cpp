// The web edition's program: one TrainerSet over the page's platform, for
// the life of the page.  The page calls these functions one at a time, in
// the order of the player's clicks (click_queue.js); a call that pauses or
// shows a message returns to the browser and resumes after it.
#include "app/web/browser_storage.h"
#include "app/web/score_import.h"
#include "app/web/web_clock.h"
#include "app/web/web_file_system.h"
#include "app/web/web_platform.h"
#include "scores/highscore_file.h"
#include "shell/dialog_layout.h"
#include "shell/event_table.h"
#include "shell/panels.h"
#include "shell/trainer_set.h"

#include "json_text.h" // the replay tool's JSON strings

#include <emscripten/emscripten.h>

#include <cstddef>
#include <iterator>
#include <sstream>
#include <string>

namespace velmo {
namespace {

using replay::JsonString;

struct WebProgram {
    BrowserStorage storage;
    WebFileSystem files{storage, {kHighscoreFileName}};
    WebClock clock;
    WebPlatform platform{files, clock};
    TrainerSet trainers{platform};
    std::string reply; // the text last handed to the page
};

WebProgram& Program()
{
    static WebProgram program;
    return program;
}

const char* KindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::GroupBox: return "group";
    case ControlKind::Button: return "button";
    case ControlKind::LineEdit: return "line";
    case ControlKind::MultiLineEdit: return "multiline";
    case ControlKind::Label: return "label";
    }
    return "";
}

// The layout table as JSON, one object per row, in tab order.
// The row's panel as its place among the panels, which the touch layout shows
// one at a time.
std::ptrdiff_t PanelIndex(const ControlSpec& row)
{
    const PanelRow* panel = PanelOf(row);
    return panel ? panel - Panels().data() : -1;
}

std::string LayoutJson()
{
    std::ostringstream json;
    json << "{\"width\":" << DialogWidthDu() << ",\"height\":" << DialogHeightDu() << ",\"controls\":[";
    const char* separator = "";
    for (const ControlSpec& row : DialogControls()) {
        json << separator << "{\"id\":" << row.id << ",\"kind\":\"" << KindName(row.kind)
             << "\",\"caption\":" << JsonString(row.caption) << ",\"x\":" << row.x << ",\"y\":" << row.y
             << ",\"width\":" << row.width << ",\"height\":" << row.height << ",\"panel\":" << PanelIndex(row)
             << ",\"name\":" << JsonString(AccessibleName(row)) << ",\"left\":" << (row.leftAligned ? "true" : "false")
             << "}";
        separator = ",";
    }
    json << "]}";
    return json.str();
}

} // namespace
} // namespace velmo

using velmo::Program;

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* velmo_layout_json()
{
    Program().reply = velmo::LayoutJson();
    return Program().reply.c_str();
}

EMSCRIPTEN_KEEPALIVE void velmo_start()
{
    velmo::StartUp(Program().trainers);
}

EMSCRIPTEN_KEEPALIVE void velmo_press(int controlId)
{
    velmo::Dispatch(Program().trainers, controlId);
}

// The highscore file's text as stored, for "Save scores"; null, once the
// player has been told the list is gone, when there is none.
EMSCRIPTEN_KEEPALIVE const char* velmo_stored_scores()
{
    const auto in = Program().files.OpenForReading(velmo::kHighscoreFileName);
    if (!in) {
        Program().platform.ShowMessage(velmo::kHighscoreGone);
        return nullptr;
    }
    Program().reply.assign(std::istreambuf_iterator<char>(*in), std::istreambuf_iterator<char>());
    return Program().reply.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* velmo_load_scores(const char* bytes, std::size_t length)
{
    Program().reply = velmo::LoadScores(Program().files, std::string_view(bytes, length));
    return Program().reply.c_str();
}
}
