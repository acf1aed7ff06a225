#include "odds/fold_drill.h"
namespace velmo {
FoldDrill::FoldDrill(Platform& platform) : platform_(platform) {}
void FoldDrill::Fold() {}
void FoldDrill::CallOpen() {}
} // namespace velmo
