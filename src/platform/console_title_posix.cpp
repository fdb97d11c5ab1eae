#include "platform/console_title.h"

#include <iconv.h>
#include <signal.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <string>

namespace {

// xterm's window operations: keep the terminal's own title on its title
// stack, and take it back.
constexpr char kPushTitle[] = "\033[22;0t";
constexpr char kPopTitle[] = "\033[23;0t";

// Whether the terminal's own title is on its title stack.
bool title_pushed = false;

// The quiz is stopped from outside: give the title back, then end as the
// signal would have ended the process.  Only async-signal-safe calls here;
// SA_RESETHAND has already made the signal's action the default again.
extern "C" void give_back_title_and_stop(int signal_number) {
  ssize_t ignored = write(STDOUT_FILENO, kPopTitle, sizeof kPopTitle - 1);
  (void)ignored;
  raise(signal_number);
}

void catch_stopping_signals() {
  struct sigaction action;
  memset(&action, 0, sizeof action);
  action.sa_handler = give_back_title_and_stop;
  action.sa_flags = static_cast<int>(SA_RESETHAND);
  sigemptyset(&action.sa_mask);
  for (int signal_number : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction before;
    // A signal the quiz was started to ignore (nohup) stays ignored.
    if (sigaction(signal_number, nullptr, &before) == 0 &&
        before.sa_handler != SIG_IGN) {
      sigaction(signal_number, &action, nullptr);
    }
  }
}

void append_utf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string utf16_to_utf8(const char16_t* text) {
  std::string out;
  for (; *text != u'\0'; ++text) {
    char32_t c = *text;
    if (c >= 0xD800 && c < 0xDC00 && text[1] >= 0xDC00 && text[1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (*++text - 0xDC00);
    }
    append_utf8(out, c);
  }
  return out;
}

// GBK terminals are rare, so the converter is opened only for them.
bool utf8_to_gbk(std::string& text) {
  static iconv_t converter = iconv_open("GBK", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return false;
  std::string out(text.size() * 2, '\0');
  char* in_at = text.data();
  size_t in_left = text.size();
  char* out_at = out.data();
  size_t out_left = out.size();
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  if (iconv(converter, &in_at, &in_left, &out_at, &out_left) ==
      static_cast<size_t>(-1)) {
    return false;
  }
  out.resize(out.size() - out_left);
  text = std::move(out);
  return true;
}

}  // namespace

bool console_has_title() {
  static const bool has_title = [] {
    const char* term = getenv("TERM");
    return isatty(STDOUT_FILENO) && term != nullptr && *term != '\0' &&
           strcmp(term, "dumb") != 0;
  }();
  return has_title;
}

void set_console_title(const char16_t* title, TextEncoding encoding,
                       const WriteText& write) {
  if (!console_has_title()) return;
  if (!title_pushed) {
    write(kPushTitle);
    catch_stopping_signals();
    title_pushed = true;
  }

  std::string text = utf16_to_utf8(title);
  if (encoding == TextEncoding::Gbk && !utf8_to_gbk(text)) return;
  // OSC 2 sets the window title; BEL ends it.
  write("\033]2;");
  write(text);
  write("\a");
}

void restore_console_title(const WriteText& write) {
  if (title_pushed) write(kPopTitle);
}
