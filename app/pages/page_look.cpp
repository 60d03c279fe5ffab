#include "app/pages/page_look.h"

namespace oravin {

std::shared_ptr<Font> PageFont() { return std::make_shared<Font>(L"Tahoma", 8.25, false, 0); }

Label::Look HeaderLook() { return {.font = PageFont(), .backColor = kHeaderBackColor}; }

}  // namespace oravin
