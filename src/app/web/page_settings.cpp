#include "app/web/page_settings.h"

#include "app/web/score_import.h"
#include "common/file_system.h"
#include "common/json_text.h"
#include "progress/stored_practice_log.h"
#include "scores/highscore_file.h"

#include <sstream>

namespace velmo {

std::string PageSettingsJson()
{
    std::ostringstream json;
    json << "{\"scoreFileName\":" << JsonString(kHighscoreFileName) << ",\"maxScoreFileBytes\":" << kMaxScoreFileBytes
         << ",\"logFileName\":" << JsonString(kPracticeLogFileName) << ",\"maxLogFileBytes\":" << kMaxLogFileBytes
         << ",\"storageWaitMs\":" << CarefulFileSystem::kDefaultLockWait.count()
         << ",\"wholeDialogFloors\":{\"fineTarget\":" << kFineTargetPx << ",\"fineCaption\":" << kFineCaptionPx
         << ",\"coarseTarget\":" << kCoarseTargetPx << "}}";
    return json.str();
}

} // namespace velmo
