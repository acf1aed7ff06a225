// The program icon: two playing cards on green felt, drawn in code so that
// it is sharp at every size.
#pragma once

#include <QIcon>
#include <QImage>

namespace velmo {

QImage RenderProgramIcon(int size);
QIcon ProgramIcon();

} // namespace velmo
