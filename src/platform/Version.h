#pragma once

namespace quillon {

// The program's version ("0.1.0") and the address the About window's link opens.
const char* programVersion();
const char* projectAddress();

}  // namespace quillon
