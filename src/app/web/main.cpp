// The web edition's program: one TrainerSet over the page's platform, for
// the life of the page.  The page calls these functions one at a time, in
// the order of the player's clicks (click_queue.js); a call that pauses or
// shows a message returns to the browser and resumes after it.
#include "app/web/browser_log_lines.h"
#include "app/web/score_import.h"
#include "app/web/web_platform.h"
#include "progress/stored_practice_log.h"
#include "scores/highscore_file.h"
#include "shell/event_table.h"
#include "shell/progress_json.h"
#include "shell/trainer_set.h"
#include "system/web/browser_storage.h"
#include "system/web/web_clock.h"
#include "system/web/web_file_system.h"

#include <emscripten/emscripten.h>

#include <cstddef>
#include <iterator>
#include <string>

namespace velmo {
namespace {

struct WebProgram {
    BrowserStorage storage;
    WebFileSystem files{storage, {kHighscoreFileName}};
    WebClock clock;
    WebPlatform platform{files, clock};
    BrowserLogLines logLines;
    StoredPracticeLog log{logLines, clock};
    TrainerSet trainers{platform, log};
    std::string reply; // the text last handed to the page
};

WebProgram& Program()
{
    static WebProgram program;
    return program;
}

} // namespace
} // namespace velmo

using velmo::Program;

extern "C" {

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

// The Progress view's numbers over the span the page picked: 0 the last 7
// days, 1 the last 30, 2 everything.
EMSCRIPTEN_KEEPALIVE const char* velmo_progress_json(int span)
{
    constexpr velmo::ProgressSpan kSpans[] = {velmo::ProgressSpan::LastWeek, velmo::ProgressSpan::LastMonth,
                                              velmo::ProgressSpan::Everything};
    Program().reply = velmo::ProgressJson(Program().log, kSpans[span >= 0 && span <= 2 ? span : 2]);
    return Program().reply.c_str();
}

// "Keep a practice log" (1) and "Stop the log" (0): 1 when the log is as asked.
EMSCRIPTEN_KEEPALIVE int velmo_log_switch(int on)
{
    return (on ? Program().log.TurnOn() : Program().log.TurnOff()) ? 1 : 0;
}

// "Load log": merges a log from another device in and says what it did.
EMSCRIPTEN_KEEPALIVE const char* velmo_merge_log(const char* bytes, std::size_t length)
{
    Program().reply = velmo::LogMergeMessage(Program().log.Merge(std::string_view(bytes, length)));
    return Program().reply.c_str();
}
}
