#include "platform/console_title.h"

#include <windows.h>

bool console_has_title() {
  return true;
}

void open_console_title() {}

void show_console_title(const char16_t* title) {
  // wchar_t is a UTF-16 code unit on Windows.
  static_assert(sizeof(wchar_t) == sizeof(char16_t));
  SetConsoleTitleW(reinterpret_cast<const wchar_t*>(title));
}

void close_console_title() {}
