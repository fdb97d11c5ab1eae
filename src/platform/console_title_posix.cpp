#include "platform/console_title.h"

#include <errno.h>
#include <signal.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <string_view>

#include "platform/console_text.h"

// A terminal takes the title as xterm's escape sequences, written straight
// to it.  It keeps its own title on its title stack while the quiz shows
// the tally, and gets it back whenever the quiz leaves it: at the end, when
// a signal stops the quiz, and while Ctrl-Z has it suspended.  Pushes and
// pops alternate, starting with a push, so a pop never takes a title that
// is not the quiz's to take.

namespace {

constexpr char kPushTitle[] = "\033[22;0t";
constexpr char kPopTitle[] = "\033[23;0t";
constexpr char kTitleStart[] = "\033]2;";  // OSC 2, ended by BEL

// The tally's title sequence, ready for the handlers, which may write it
// but never make it.  It is changed only with the signals blocked.
// A title is at most 29 UTF-16 units, each at most three bytes.
char sequence[sizeof kTitleStart + 3 * 29 + 1];
volatile sig_atomic_t sequence_size = 0;
// The terminal's own title is on its stack: a push has reached it.
volatile sig_atomic_t pushed = 0;
volatile sig_atomic_t suspend_caught = 0;

// Only async-signal-safe calls from here to the handlers' end.
void put(const char* bytes, std::size_t size) {
  while (size > 0) {
    const ssize_t n = write(STDOUT_FILENO, bytes, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    bytes += n;
    size -= static_cast<std::size_t>(n);
  }
}

void push_title() {
  if (pushed) return;
  put(kPushTitle, sizeof kPushTitle - 1);
  pushed = 1;
}

void pop_title() {
  if (!pushed) return;
  put(kPopTitle, sizeof kPopTitle - 1);
  pushed = 0;
}

// The signals whose handlers write to the terminal; each handler runs with
// all of them blocked, so no two of them interleave their sequences.
sigset_t handled_signals() {
  sigset_t set;
  sigemptyset(&set);
  for (int s : {SIGINT, SIGTERM, SIGHUP, SIGTSTP, SIGCONT}) sigaddset(&set, s);
  return set;
}

void catch_signal(int signal_number, void (*handler)(int), int flags) {
  struct sigaction action;
  memset(&action, 0, sizeof action);
  action.sa_handler = handler;
  action.sa_flags = flags;
  action.sa_mask = handled_signals();
  sigaction(signal_number, &action, nullptr);
}

// Stopped from outside: give the title back, then end as the signal would
// have ended the quiz; SA_RESETHAND has made its action the default again,
// and it comes once the handler returns.
extern "C" void give_back_and_stop(int signal_number) {
  pop_title();
  raise(signal_number);
}

extern "C" void give_back_and_suspend(int) {
  const int saved_errno = errno;
  pop_title();
  signal(SIGTSTP, SIG_DFL);
  raise(SIGTSTP);  // stops the quiz once the handler returns
  errno = saved_errno;
}

extern "C" void take_back_on_resume(int) {
  const int saved_errno = errno;
  if (suspend_caught) {
    catch_signal(SIGTSTP, give_back_and_suspend, SA_RESTART);
  }
  if (sequence_size > 0) {
    push_title();
    put(sequence, static_cast<std::size_t>(sequence_size));
  }
  errno = saved_errno;
}

// Whether the quiz was started with `signal_number` ignored (nohup): then
// it stays ignored.
bool ignored(int signal_number) {
  struct sigaction before;
  return sigaction(signal_number, nullptr, &before) == 0 &&
         before.sa_handler == SIG_IGN;
}

struct BlockedSignals {
  BlockedSignals() {
    const sigset_t set = handled_signals();
    sigprocmask(SIG_BLOCK, &set, &before);
  }
  ~BlockedSignals() { sigprocmask(SIG_SETMASK, &before, nullptr); }
  sigset_t before;
};

}  // namespace

bool console_has_title() {
  static const bool has_title = [] {
    const char* term = getenv("TERM");
    return isatty(STDOUT_FILENO) && term != nullptr && *term != '\0' &&
           strcmp(term, "dumb") != 0;
  }();
  return has_title;
}

void open_console_title() {
  for (int signal_number : {SIGINT, SIGTERM, SIGHUP}) {
    if (!ignored(signal_number)) {
      catch_signal(signal_number, give_back_and_stop,
                   static_cast<int>(SA_RESETHAND));
    }
  }
  if (!ignored(SIGTSTP)) {
    suspend_caught = 1;
    catch_signal(SIGTSTP, give_back_and_suspend, SA_RESTART);
  }
  catch_signal(SIGCONT, take_back_on_resume, SA_RESTART);
}

void show_console_title(const char16_t* title) {
  BlockedSignals blocked;
  std::size_t size = sizeof kTitleStart - 1;
  memcpy(sequence, kTitleStart, size);
  size += narrow_utf16(title, console_text_encoding(), sequence + size);
  sequence[size++] = '\a';
  sequence_size = static_cast<sig_atomic_t>(size);
  push_title();
  put(sequence, size);
}

void close_console_title() {
  BlockedSignals blocked;
  sequence_size = 0;
  pop_title();
}
