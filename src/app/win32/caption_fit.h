// Button captions that fit inside their buttons' borders.  Dialog units give
// a caption the room of the font's average letter, so a caption of wider
// letters ("Open, fold to 3b") can run into its button's border; such a
// button gets a smaller font, as the Qt and web windows do, rather than a
// clipped caption.  The smaller fonts live as long as the
// CaptionFonts that made them, which must outlive the dialog's buttons.
#pragma once

#include "shell/dialog_layout.h"
#include "system/windows/windows_api.h"

#include <memory>
#include <type_traits>
#include <vector>

namespace velmo {

// The push buttons of `dialog` whose captions, in the font each has now, are
// wider than the room inside their border and focus rectangle.
std::vector<const DialogControl*> OverflowingButtons(HWND dialog);

class CaptionFonts {
public:
    // Gives every push button of `dialog` whose caption overflows the
    // largest smaller size of its font at which it fits (at most down to
    // about 5 points).
    void Fit(HWND dialog);
    // Deletes the fonts; call once the dialog that uses them is gone.
    void Release() { fonts_.clear(); }

private:
    struct DeleteFont {
        void operator()(HFONT font) const { ::DeleteObject(font); }
    };
    std::vector<std::unique_ptr<std::remove_pointer_t<HFONT>, DeleteFont>> fonts_;
};

} // namespace velmo
