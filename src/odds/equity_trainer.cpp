#include "odds/equity_trainer.h"
namespace velmo {
EquityTrainer::EquityTrainer(Platform& platform, SituationClock& clock) : platform_(platform), clock_(clock) {}
void EquityTrainer::StartNext() {}
void EquityTrainer::Fold() {}
void EquityTrainer::Call() {}
void EquityTrainer::Reset() {}
} // namespace velmo
