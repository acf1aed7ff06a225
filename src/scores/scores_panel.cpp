#include "scores/scores_panel.h"
namespace velmo {
ScoresPanel::ScoresPanel(Platform& platform) : platform_(platform) {}
void ScoresPanel::Highscores() {}
void ScoresPanel::Reset() {}
} // namespace velmo
