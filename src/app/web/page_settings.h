// What the page takes from the program rather than keeping a copy of its
// own, sent once at the start: the highscore file's name ("Save scores"
// downloads it under that name), the largest file "Load scores" reads, how
// long the site's storage may keep the program waiting (the file system's
// lock wait, after which an open that has not answered counts as refused),
// and the floors below which the whole dialog is not usable at the size it
// fits and the page shows one panel at a time.
#pragma once

#include <string>

namespace velmo {

// CSS pixels: with a mouse every button at least kFineTargetPx square and
// every caption kFineCaptionPx high; with a finger every button
// kCoarseTargetPx square.
inline constexpr int kFineTargetPx = 24;
inline constexpr int kFineCaptionPx = 12;
inline constexpr int kCoarseTargetPx = 44;

std::string PageSettingsJson();

} // namespace velmo
