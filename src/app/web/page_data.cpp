// Run under node when the site is built: prints the page's data module, the
// layout table and the page's settings as the program has them, so that the
// page can build and show the dialog while the program is still arriving.
#include "app/web/page_settings.h"
#include "shell/layout_json.h"

#include <iostream>

int main()
{
    std::cout << "// Made when the site was built, from the program's own tables.\n"
              << "export const layout = " << velmo::LayoutJson() << ";\n"
              << "export const settings = " << velmo::PageSettingsJson() << ";\n";
    return std::cout ? 0 : 1;
}
