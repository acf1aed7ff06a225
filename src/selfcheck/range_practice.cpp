#include "selfcheck/range_practice.h"
namespace velmo {
RangePractice::RangePractice(Platform& platform) : platform_(platform) {}
void RangePractice::CorrectNext() {}
void RangePractice::IncorrectNext() {}
void RangePractice::Done() {}
} // namespace velmo
