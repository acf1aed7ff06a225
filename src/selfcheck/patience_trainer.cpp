#include "selfcheck/patience_trainer.h"
namespace velmo {
PatienceTrainer::PatienceTrainer(Platform& platform) : platform_(platform) {}
void PatienceTrainer::Hit() {}
void PatienceTrainer::Done() {}
} // namespace velmo
